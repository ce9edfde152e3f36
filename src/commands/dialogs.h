#pragma once
// The colour, print and save dialogs the commands ask the user through. Each is modal and
// answers nothing (or false) when the user cancels.
#include <optional>
#include <string>
#include <vector>

#include "state/colour.h"

namespace tw {

struct FileFilter {
  std::string label;    // "Bitmaps"
  std::string pattern;  // "*.BMP"
};

struct SaveFileOptions {
  std::string title;
  std::vector<FileFilter> filters;  // the first is chosen at first
  std::string defaultSuffix;        // added to a name typed without one
  std::string fileName;             // offered at first
  bool confirmOverwrite = true;
  bool folderMustExist = true;
};

// The name the user gave and the filter chosen with it, counted from 0.
struct ChosenFile {
  std::string path;
  std::size_t filter = 0;
};

struct PrintDialogOptions {
  bool pageRange = false;  // offer a choice of pages
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Opens on `current`, a system colour as the chart shows it; a chosen colour is direct.
  virtual std::optional<Colour> chooseColour(Colour current) = 0;
  // True when the user chose a printer; it is the one printed on until the next choice.
  virtual bool choosePrinter(const PrintDialogOptions& options) = 0;
  virtual std::optional<ChosenFile> chooseSaveFile(const SaveFileOptions& options) = 0;
};

}  // namespace tw
