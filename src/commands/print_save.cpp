#include "commands/print_save.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace tw {

namespace {
// The kept window height is a 16-bit whole number of twips, rounded halves to even.
std::optional<std::int16_t> toInt16(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= INT16_MIN && r <= INT16_MAX)) return std::nullopt;
  return static_cast<std::int16_t>(r);
}
}  // namespace

void PrintSave::FilePrint_Click() {
  if (form_.controls().window.windowState() != ui::Normal) {
    form_.services().messages.MsgBox(
        "Unable to print while this window is maximized.\r\n"
        "Please restore the window and try again.",
        ui::vbExclamation, "Tidewell");
    return;
  }
  printSteps();
  // Past the refusal the page is hidden whatever happened, Cancel and failures included.
  page_.hide();
}

void PrintSave::printSteps() {
  dialog_.CancelError = true;
  dialog_.Flags = dialog_flags::PrintHidePrintToFile | dialog_flags::PrintNoPageNums;
  if (!dialog_.ShowPrinter()) return;

  auto& window = form_.controls().window;
  auto& options = form_.ChartOptions;
  const Colour keptBackground = options.backgroundColour;
  const double keptWidth = window.width();
  const auto keptHeight = toInt16(window.height());
  if (!keptHeight) return;  // too tall to keep: nothing has been changed yet

  // The chart is printed from a white redraw at a size a page can hold.
  options.backgroundColour = kWhite;
  if (window.width() > kPrintMaxWidth) window.setWidth(kPrintMaxWidth);
  if (window.height() > kPrintMaxHeight) window.setHeight(kPrintMaxHeight);
  form_.Form_Resize();

  auto& chart = form_.controls().Picture1;
  page_.setWidth(chart.width() + 100);
  page_.setHeight(chart.height() + 400);
  page_.setPicture(picture_.Image());

  window.setWidth(keptWidth);
  window.setHeight(*keptHeight);
  options.backgroundColour = keptBackground;
  form_.Form_Resize();

  page_.PrintForm();  // a printer failure leaves nothing more to undo
}

void PrintSave::FileSaveBMP_Click() {
  dialog_.CancelError = true;
  dialog_.Flags = dialog_flags::SaveOverwritePrompt | dialog_flags::SaveHideReadOnly |
                  dialog_flags::SavePathMustExist;
  if (!dialog_.ShowSave()) return;
  const auto image = picture_.Image();
  if (!image || !files_.SavePicture(*image, dialog_.FileName)) return;
  form_.drawchart();
}

}  // namespace tw
