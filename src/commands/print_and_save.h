#pragma once
// "Print..." and "Save as BMP...": the chart on one printed page or in a file.
#include <memory>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "chart/chart_file_type.h"
#include "commands/dialogs.h"

namespace tw {

// A copy of the chart area's image; what it holds is the platform's business.
class ChartImage {
 public:
  virtual ~ChartImage() = default;
};

// The chart area's persistent image, everything drawChart has drawn on it.
class ChartImageSource {
 public:
  virtual ~ChartImageSource() = default;
  virtual std::shared_ptr<const ChartImage> copy() const = 0;  // an independent copy
};

// The print page window, never shown: white, the chart at the top left of its inner area.
class PrintPage {
 public:
  virtual ~PrintPage() = default;
  virtual double width() const = 0;  // outer size in twips
  virtual double height() const = 0;
  virtual void setWidth(double twips) = 0;
  virtual void setHeight(double twips) = 0;
  virtual void setChart(ChartDrawing chart) = 0;
  virtual void hide() = 0;
  // Draws the chart on one page of the printer chosen last, at the printer's resolution and the
  // chart area's physical size, at the top left of the printable area.
  virtual bool print() = 0;  // false when the printer failed
};

class ChartFiles {
 public:
  virtual ~ChartFiles() = default;
  // Each returns false on any failure, leaving an existing file as it was.
  // A BMP file of the image.
  virtual bool write(const ChartImage& image, const std::string& path) = 0;
  // A file of `type` with the chart drawn afresh in it.
  virtual bool draw(const ChartDrawing& chart, ChartFileType type, const std::string& path) = 0;
};

class PrintAndSave : public FileCommands {
 public:
  PrintAndSave(MainWindow& main, Dialogs& dialogs, ui::Messages& messages, ChartImageSource& chart,
               PrintPage& page, ChartFiles& files)
      : main_(main),
        dialogs_(dialogs),
        messages_(messages),
        chart_(chart),
        page_(page),
        files_(files) {}

  void print() override;
  void save() override;

  // The largest window the chart is printed from, in twips.
  static constexpr double kPrintMaxWidth = 11500;
  static constexpr double kPrintMaxHeight = 10000;

 private:
  void printOnPage();
  bool writeFile(const ChartFile& file);

  MainWindow& main_;
  Dialogs& dialogs_;
  ui::Messages& messages_;
  ChartImageSource& chart_;
  PrintPage& page_;
  ChartFiles& files_;
  // The save dialog as it was designed, bitmaps first, with the other types after; after a save
  // it offers the name chosen last.
  SaveFileOptions saveOptions_ = firstSaveOptions();

  static SaveFileOptions firstSaveOptions();
};

}  // namespace tw
