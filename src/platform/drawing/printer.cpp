#include "platform/drawing/printer.h"

#include <dlfcn.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <iostream>

namespace tw::platform {

std::unique_ptr<Printer> loadPrinter() {
  // Found from the program's own folder, as the help file is: beside it in lib/tidewell.
  static void* const module = [] {
    const QString path = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/../" TIDEWELL_PRINT_MODULE));
    void* handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) std::cerr << "tidewell: printing is not available: " << ::dlerror() << "\n";
    return handle;  // kept to the end: the printers' code lives there
  }();
  if (!module) return nullptr;
  auto* make =
      reinterpret_cast<decltype(&tidewell_make_printer)>(::dlsym(module, "tidewell_make_printer"));
  return std::unique_ptr<Printer>(make ? make() : nullptr);
}

}  // namespace tw::platform
