#pragma once
// The moment now in UTC, to the second: when a calendar file is written.
#include "interpret/ical.h"

namespace tw::platform {

UtcTime utcNow();

}  // namespace tw::platform
