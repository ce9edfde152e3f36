#pragma once
// The About box: name and version, two notices, the system-information button and an icon
// that a double-click inverts.
#include <optional>
#include <string>

#include "app/ui.h"
#include "catalogue/catalogue.h"

namespace tw {

// The desktop's program that shows the machine's hardware and system, where it has one.
class SystemInfoTool {
 public:
  virtual ~SystemInfoTool() = default;
  virtual std::optional<std::string> find() const = 0;  // the program's path
  // Starts it without waiting for it; false when it could not be started.
  virtual bool start(const std::string& path) = 0;
};

// The box's icon: each inversion turns every pixel to its opposite colour.
class InvertibleIcon {
 public:
  virtual ~InvertibleIcon() = default;
  virtual void invert() = 0;
};

struct AboutBoxControls {
  ui::Window& window;
  InvertibleIcon& icon;
  ui::Label& title;
  ui::Label& notice;   // who makes the program
  ui::Label& contact;  // where to turn
};

class AboutBox {
 public:
  // English; shown through the catalogue.
  static constexpr const char* kCaption = N_("About Tidewell");
  static constexpr const char* kUnavailable = N_("System Information Is Unavailable At This Time");

  AboutBox(AboutBoxControls controls, SystemInfoTool& systemInfo, ui::Messages& messages)
      : controls_(controls), systemInfo_(systemInfo), messages_(messages) {}
  virtual ~AboutBox() = default;  // the platform's box owns its widgets beside this

  void fill();
  void showModal() { controls_.window.showModal(); }
  void close() { controls_.window.close(); }
  void startSystemInfo();
  void invertIcon() { controls_.icon.invert(); }

 private:
  AboutBoxControls controls_;
  SystemInfoTool& systemInfo_;
  ui::Messages& messages_;
};

}  // namespace tw
