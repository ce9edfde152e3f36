#include "platform/system/languages.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "catalogue/catalogue.h"
#include "platform/system/help_file.h"

namespace tw::platform {

void openCatalogue(const QString& programDir) {
  catalogue::open(findLocaleDir(programDir).toStdString());
}

void startLanguages(const QString& programDir) {
  openCatalogue(programDir);
  // Qt's own dialogs speak the language our catalogue was found in, so that English, or a
  // language we have no catalogue for, is not mixed with another.
  const std::string language = catalogue::language();
  if (!language.empty()) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(translator);
    else
      delete translator;
  }
  QGuiApplication::setLayoutDirection(catalogue::rightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
}

}  // namespace tw::platform
