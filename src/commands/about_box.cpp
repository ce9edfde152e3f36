#include "commands/about_box.h"

#include "catalogue/catalogue.h"
#include "version.h"

namespace tw {

void AboutBox::fill() {
  // TRANSLATORS: the About box's title line; {1} is the version, such as 1.3.18.
  controls_.title.setText(fillIn(_("Tidewell {1}"), kVersion));
  controls_.notice.setText(
      withCrLf(_("Biorhythm charts for one person or two.\nMade by Kestrelmoor.")));
  controls_.contact.setText(
      // TRANSLATORS: "Contents" and "Help" as the Help menu names them; the file name stays.
      withCrLf(_("For help, choose Contents in the Help menu.\n"
                 "Settings are kept in Kestrelmoor/Tidewell.ini.")));
}

void AboutBox::startSystemInfo() {
  try {
    if (const auto path = systemInfo_.find(); path && systemInfo_.start(*path)) return;
  } catch (...) {
    // Any failure on the way ends in the same message.
  }
  messages_.show(_(kUnavailable), "");
}

}  // namespace tw
