#pragma once
// The About box: name and version, two notices, the system-information button and an icon
// that a double-click inverts.
#include <cstdint>
#include <string>

#include "app/ui.h"
#include "commands/about_platform.h"

namespace tw {

struct frmAboutControls {
  ui::Window& window;
  PictureBox& picIcon;
  Caption& lblTitle;
  Caption& lblNotice;   // who makes the program
  Caption& lblContact;  // where to turn
};

struct frmAboutServices {
  Registry& registry;
  const FileLookup& files;
  ProgramStarter& programs;
  ui::MessageBoxes& messages;
};

class frmAbout {
 public:
  static constexpr int kMajor = 1;
  static constexpr int kMinor = 3;
  static constexpr int kRevision = 18;
  static constexpr const char* kCaption = "About Tidewell";
  static constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

  frmAbout(frmAboutControls controls, frmAboutServices services)
      : c_(controls), s_(services) {}
  virtual ~frmAbout() = default;  // the platform's box owns its widgets beside this

  void Form_Load();
  void cmdOK_Click() { c_.window.close(); }
  void cmdSysInfo_Click() { StartSysInfo(); }
  void picIcon_DblClick();
  void Show() { c_.window.showModal(); }

  void StartSysInfo();
  // Reads one registry value into KeyVal; true when it was read. Only KeyVal is written.
  bool GetKeyValue(const HKEY& KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                   std::string& KeyVal);

  frmAboutControls& controls() { return c_; }

 private:
  frmAboutControls c_;
  frmAboutServices s_;
};

// Where the system-information tool is looked for, in the machine-wide registry root.
namespace sysinfo_keys {
inline constexpr const char* PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* PathValue = "PATH";
inline constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* FolderValue = "MSINFO";
inline constexpr const char* ToolFile = "\\MSINFO32.EXE";
}  // namespace sysinfo_keys

}  // namespace tw
