#pragma once
// The main window's one common dialog object: colour, print and save dialogs sharing settings
// that persist from one use to the next while the program runs.
#include <cstdint>
#include <string>

#include "chart/colour.h"

namespace tw {

namespace dialog_flags {
inline constexpr std::int32_t PrintNoPageNums = 0x8;
inline constexpr std::int32_t PrintHidePrintToFile = 0x100000;
inline constexpr std::int32_t SaveOverwritePrompt = 0x2;
inline constexpr std::int32_t SaveHideReadOnly = 0x4;
inline constexpr std::int32_t SavePathMustExist = 0x800;
}  // namespace dialog_flags

// The settings shared by the three dialogs.
struct DialogSettings {
  // When set, Cancel makes Show* return false; otherwise Cancel looks like a confirmation that
  // leaves the settings as they were.
  bool CancelError = false;
  std::int32_t Flags = 0;
  Colour Color = 0;
  // The file presets as the main window was designed with them; FileName keeps the last choice.
  std::string FileName = "Tidewell";
  std::string DialogTitle = "Save chart as bitmap";
  std::string Filter = "Bitmaps|*.BMP";
  std::string DefaultExt = "BMP";
};

class CommonDialog : public DialogSettings {
 public:
  virtual ~CommonDialog() = default;

  // Each returns false on Cancel while CancelError is set.
  bool ShowColor() { return finish(pickColour()); }
  bool ShowPrinter() { return finish(pickPrinter()); }
  bool ShowSave() { return finish(pickSaveFile()); }

 protected:
  // The platform's dialogs: true when the user confirmed. A confirmed colour dialog sets
  // Color; a confirmed save dialog sets FileName; the print dialog chooses the printer.
  virtual bool pickColour() = 0;
  virtual bool pickPrinter() = 0;
  virtual bool pickSaveFile() = 0;

 private:
  bool finish(bool confirmed) const { return confirmed || !CancelError; }
};

}  // namespace tw
