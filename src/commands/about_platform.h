#pragma once
// What the About box needs of the outside world: its labels and icon box, the registry that
// says where the system-information tool is, a file check and a way to start a program.
#include <cstdint>
#include <string>

namespace tw {

using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;

inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;

// Query value, set value, create subkey, enumerate subkeys, notify, create link, read control.
inline constexpr std::uint32_t KEY_ABOUT_ACCESS = 0x2003F;

class Registry {
 public:
  virtual ~Registry() = default;
  // ERROR_SUCCESS and the opened key in `result`, or an error code.
  virtual std::int32_t RegOpenKeyEx(HKEY key, const std::string& subKey, std::uint32_t options,
                                    std::uint32_t access, HKEY& result) = 0;
  // Copies the value's bytes into `data`, which has room for `size` bytes; on success `type`
  // and `size` tell what was copied. A value that does not fit is an error.
  virtual std::int32_t RegQueryValueEx(HKEY key, const std::string& valueName, std::uint32_t& type,
                                       char* data, std::uint32_t& size) = 0;
  virtual std::int32_t RegCloseKey(HKEY key) = 0;
};

class FileLookup {
 public:
  virtual ~FileLookup() = default;
  virtual bool FileExists(const std::string& path) const = 0;  // a normal file, not a folder
};

inline constexpr int vbNormalFocus = 1;

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts the program without waiting for it; false when it could not be started.
  virtual bool Shell(const std::string& path, int windowStyle) = 0;
};

class Caption {
 public:
  virtual ~Caption() = default;
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& text) = 0;
};

inline constexpr std::uint32_t DSTINVERT = 0x550009;  // inverts the target, ignores the source

// A picture box holding a picture, measured in its own scale units.
class PictureBox {
 public:
  virtual ~PictureBox() = default;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // Paints the box's own picture, the source rectangle (x2, y2, width2, height2) onto the
  // target rectangle (x1, y1, width1, height1), combined by the raster operation `rop`.
  virtual void PaintPicture(double x1, double y1, double width1, double height1, double x2,
                            double y2, double width2, double height2, std::uint32_t rop) = 0;
};

}  // namespace tw
