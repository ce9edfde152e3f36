#include "commands/print_and_save.h"

#include <algorithm>
#include <cctype>

namespace tw {

ChartFileType chartFileTypeOf(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return ChartFileType::Bmp;
  std::string ext(path.substr(dot + 1));
  std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "png") return ChartFileType::Png;
  if (ext == "svg") return ChartFileType::Svg;
  if (ext == "pdf") return ChartFileType::Pdf;
  return ChartFileType::Bmp;
}

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
  // The chart is printed from a white redraw at a size a page can hold; the printer draws it
  // again at its own resolution.
  const bool drawn =
      main_.drawForPrinting(kPrintMaxWidth, kPrintMaxHeight, [&](double width, double height) {
        page_.setWidth(width + 100);
        page_.setHeight(height + 400);
        page_.setChart(main_.chartDrawing());
      });
  if (drawn) page_.print();  // a printer failure leaves nothing more to undo
}

void PrintAndSave::save() {
  const auto path = dialogs_.chooseSaveFile(saveOptions_);
  if (!path) return;
  saveOptions_.fileName = *path;
  if (!writeFile(*path)) return;
  main_.drawChart();
}

bool PrintAndSave::writeFile(const std::string& path) {
  const ChartFileType type = chartFileTypeOf(path);
  // A bitmap is the screen's own image, pixel for pixel; the other types draw the chart afresh.
  if (type != ChartFileType::Bmp) return files_.draw(main_.chartDrawing(), type, path);
  const auto image = chart_.copy();
  return image && files_.write(*image, path);
}

}  // namespace tw
