#include "commands/print_and_save.h"

#include <algorithm>
#include <cctype>

#include "catalogue/catalogue.h"

namespace tw {

SaveFileOptions PrintAndSave::firstSaveOptions() {
  // TRANSLATORS: the title of the save dialog; "Tidewell" is the name it offers.
  SaveFileOptions options{C_("dialog title", "Save chart as bitmap"), {}, "", "Tidewell"};
  for (const ChartFileKind& k : kChartFileKinds)
    options.filters.push_back({_(k.label), std::string(k.pattern)});
  options.defaultSuffix = std::string(extensionOf(options.filters.front().pattern));
  return options;
}

void PrintAndSave::print() {
  if (main_.windowState() != ui::WindowState::Normal) {
    messages_.warn(withCrLf(_("Unable to print while this window is maximized.\n"
                              "Please restore the window and try again.")),
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
  std::optional<ChartFile> file;
  while (!file) {
    const auto chosen = dialogs_.chooseSaveFile(saveOptions_);
    if (!chosen) return;
    const FileFilter& filter =
        saveOptions_.filters.at(std::min(chosen->filter, saveOptions_.filters.size() - 1));
    file = chartFileFor(chosen->path, extensionOf(filter.pattern));
    saveOptions_.fileName = file ? file->path : chosen->path;
    // The dialog comes back on the name, to be put right.
    if (!file)
      messages_.warn(
          // TRANSLATORS: {1} is the name typed, {2} the four extensions: ".bmp, .png, .svg or
          // .pdf".
          withCrLf(fillIn(_("{1}\nis not a name Tidewell can save a chart as: it saves "
                            "{2} files.\n\nEnd the name in one of them, or leave the "
                            "extension off for the type chosen in the list."),
                          chosen->path, chartFileExtensionWords(kChartFileKinds.front().type))),
          "Tidewell");
  }
  if (!writeFile(*file)) return;
  main_.drawChart();
}

bool PrintAndSave::writeFile(const ChartFile& file) {
  // A bitmap is the screen's own image, pixel for pixel; the other types draw the chart afresh.
  if (file.type != ChartFileType::Bmp)
    return files_.draw(main_.chartDrawing(), file.type, file.path);
  const auto image = chart_.copy();
  return image && files_.write(*image, file.path);
}

}  // namespace tw
