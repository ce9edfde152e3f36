#include "commands/print_and_save.h"

namespace tw {

void PrintAndSave::print() {
  if (main_.windowState() != ui::WindowState::Normal) {
    messages_.warn(
        "Unable to print while this window is maximized.\r\n"
        "Please restore the window and try again.",
        "Tidewell");
    return;
  }
  printOnPage();
  // Past the refusal the page is hidden whatever happened, Cancel and failures included.
  page_.hide();
}

void PrintAndSave::printOnPage() {
  if (!dialogs_.choosePrinter(PrintDialogOptions{.pageRange = false})) return;
  // The chart is printed from a white redraw at a size a page can hold.
  const bool drawn =
      main_.drawForPrinting(kPrintMaxWidth, kPrintMaxHeight, [&](double width, double height) {
        page_.setWidth(width + 100);
        page_.setHeight(height + 400);
        page_.setImage(chart_.copy());
      });
  if (drawn) page_.print();  // a printer failure leaves nothing more to undo
}

void PrintAndSave::save() {
  const auto path = dialogs_.chooseSaveFile(saveOptions_);
  if (!path) return;
  saveOptions_.fileName = *path;
  const auto image = chart_.copy();
  if (!image || !files_.write(*image, *path)) return;
  main_.drawChart();
}

}  // namespace tw
