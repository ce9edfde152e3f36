#pragma once
// A text of the catalogue as Qt shows it (the catalogue speaks UTF-8).
#include <QString>
#include <string>

#include "catalogue/catalogue.h"

namespace tw::platform {

inline QString qtText(const char* text) { return QString::fromUtf8(text); }
inline QString qtText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace tw::platform
