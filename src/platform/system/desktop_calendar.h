#pragma once
// The desktop's program for calendar files (text/calendar), reached through xdg-utils or the
// desktop portal as Qt's opener finds them.
#include "commands/critical_days_window.h"

namespace tw::platform {

class DesktopCalendar : public CalendarOpener {
 public:
  bool hasCalendarProgram() override;
  bool open(const std::string& path) override;
};

}  // namespace tw::platform
