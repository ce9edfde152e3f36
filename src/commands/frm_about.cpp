#include "commands/frm_about.h"

#include <algorithm>
#include <cstdio>

namespace tw {

namespace {
constexpr std::uint32_t kBufferSize = 1024;

// The bytes of a 32-bit value, the last byte first, two hex digits each.
std::string hexText(const std::string& bytes) {
  std::string text = "&h";
  char digits[3];
  for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(*it));
    text += digits;
  }
  return text;
}
}  // namespace

void frmAbout::Form_Load() {
  c_.lblTitle.setCaption("Tidewell " + std::to_string(kMajor) + "." + std::to_string(kMinor) +
                         "." + std::to_string(kRevision));
  c_.lblNotice.setCaption("Biorhythm charts for one person or two.\r\nMade by Kestrelmoor.");
  c_.lblContact.setCaption(
      "For help, choose Contents in the Help menu.\r\n"
      "Settings are kept in Kestrelmoor/Tidewell.ini.");
}

void frmAbout::picIcon_DblClick() {
  auto& p = c_.picIcon;
  const double w = p.ScaleWidth();
  const double h = p.ScaleHeight();
  // Inverting the box's own pixels: a second double-click brings the icon back.
  p.PaintPicture(0, 0, w, h, 0, 0, w, h, DSTINVERT);
}

void frmAbout::StartSysInfo() {
  try {
    std::string path;
    if (!GetKeyValue(HKEY_LOCAL_MACHINE, sysinfo_keys::PathKey, sysinfo_keys::PathValue, path)) {
      if (!GetKeyValue(HKEY_LOCAL_MACHINE, sysinfo_keys::FolderKey, sysinfo_keys::FolderValue,
                       path)) {
        s_.messages.MsgBox(kUnavailable, ui::vbOKOnly, "");
        return;
      }
      path += sysinfo_keys::ToolFile;
      if (!s_.files.FileExists(path)) {
        s_.messages.MsgBox(kUnavailable, ui::vbOKOnly, "");
        return;
      }
    }
    // The path read from the tool's own key is started as it stands, unchecked.
    if (s_.programs.Shell(path, vbNormalFocus)) return;
  } catch (...) {
    // Any failure on the way ends in the same message.
  }
  s_.messages.MsgBox(kUnavailable, ui::vbOKOnly, "");
}

bool frmAbout::GetKeyValue(const HKEY& KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
  auto& reg = s_.registry;
  HKEY key = 0;
  if (reg.RegOpenKeyEx(KeyRoot, KeyName, 0, KEY_ABOUT_ACCESS, key) != ERROR_SUCCESS) {
    KeyVal.clear();
    reg.RegCloseKey(key);
    return false;
  }

  std::string buffer(kBufferSize, '\0');
  std::uint32_t size = kBufferSize;
  std::uint32_t type = 0;
  if (reg.RegQueryValueEx(key, SubKeyRef, type, buffer.data(), size) != ERROR_SUCCESS) {
    KeyVal.clear();
    reg.RegCloseKey(key);
    return false;
  }

  size = std::min(size, kBufferSize);
  // A text usually comes with its closing NUL, which is not part of it; an empty value has no
  // last character to look at.
  const bool closingNul = size > 0 && buffer[size - 1] == '\0';
  const std::string value = buffer.substr(0, closingNul ? size - 1 : size);

  if (type == REG_SZ) {
    KeyVal = value;
  } else if (type == REG_DWORD) {
    KeyVal = hexText(value);
  }
  reg.RegCloseKey(key);
  return true;
}

}  // namespace tw
