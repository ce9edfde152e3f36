#include "commands/about_box.h"

#include "version.h"

namespace tw {

void AboutBox::fill() {
  controls_.title.setText(std::string("Tidewell ") + kVersion);
  controls_.notice.setText("Biorhythm charts for one person or two.\r\nMade by Kestrelmoor.");
  controls_.contact.setText(
      "For help, choose Contents in the Help menu.\r\n"
      "Settings are kept in Kestrelmoor/Tidewell.ini.");
}

void AboutBox::startSystemInfo() {
  try {
    if (const auto path = systemInfo_.find(); path && systemInfo_.start(*path)) return;
  } catch (...) {
    // Any failure on the way ends in the same message.
  }
  messages_.show(kUnavailable, "");
}

}  // namespace tw
