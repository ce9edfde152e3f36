#pragma once
// "Print..." and "Save as BMP...": the chart's image on one printed page or in a bitmap file.
#include <memory>
#include <string>

#include "app/form1.h"
#include "commands/common_dialog.h"

namespace tw {

// A copy of the chart area's image; what it holds is the platform's business.
class Picture {
 public:
  virtual ~Picture() = default;
};

// The chart area's persistent image, everything drawchart has drawn on it.
class ChartPicture {
 public:
  virtual ~ChartPicture() = default;
  virtual std::shared_ptr<const Picture> Image() const = 0;  // an independent copy
};

// The print page window, never shown: white, its picture at the top left of its inner area.
class PrintPage {
 public:
  virtual ~PrintPage() = default;
  virtual double width() const = 0;  // outer size in twips
  virtual double height() const = 0;
  virtual void setWidth(double twips) = 0;
  virtual void setHeight(double twips) = 0;
  virtual void setPicture(std::shared_ptr<const Picture> picture) = 0;
  virtual void hide() = 0;
  // Prints the inner area on one page of the printer chosen last, at its on-screen size.
  virtual bool PrintForm() = 0;  // false when the printer failed
};

class PictureFiles {
 public:
  virtual ~PictureFiles() = default;
  // Writes a Windows bitmap file; false on any failure, leaving an existing file as it was.
  virtual bool SavePicture(const Picture& picture, const std::string& path) = 0;
};

class PrintSave : public Form1Commands {
 public:
  PrintSave(Form1& form, CommonDialog& dialog, ChartPicture& picture, PrintPage& page,
            PictureFiles& files)
      : form_(form), dialog_(dialog), picture_(picture), page_(page), files_(files) {}

  void FilePrint_Click() override;
  void FileSaveBMP_Click() override;

  // The largest window the chart is printed from, in twips.
  static constexpr double kPrintMaxWidth = 11500;
  static constexpr double kPrintMaxHeight = 10000;

 private:
  void printSteps();

  Form1& form_;
  CommonDialog& dialog_;
  ChartPicture& picture_;
  PrintPage& page_;
  PictureFiles& files_;
};

}  // namespace tw
