#include "platform/common_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPrintDialog>

#include "platform/qt_surface.h"

namespace tw::platform {

QStringList nameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
  return out;
}

bool QtCommonDialog::pickColour() {
  // A system colour opens on what the chart shows for it.
  QColorDialog dialog(resolveColour(Color), parent_);
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  if (runner(dialog) != QDialog::Accepted) return false;
  const QColor c = dialog.currentColor();
  if (!c.isValid()) return false;
  Color = rgb(c.red(), c.green(), c.blue());
  return true;
}

bool QtCommonDialog::pickPrinter() {
  QPrintDialog dialog(&printer_.get(), parent_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange,
                   (Flags & dialog_flags::PrintNoPageNums) == 0);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // The classic print-to-file box has no counterpart here; the "print to PDF" printer is a
  // printer like any other and stays on offer whatever the flags say.
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return runner(dialog) == QDialog::Accepted;
}

bool QtCommonDialog::pickSaveFile() {
  QFileDialog dialog(parent_, QString::fromStdString(DialogTitle));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A file that does not exist yet, in a folder that does.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite,
                   (Flags & dialog_flags::SaveOverwritePrompt) == 0);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setNameFilters(nameFilters(Filter));
  dialog.setDefaultSuffix(QString::fromStdString(DefaultExt));
  dialog.selectFile(QString::fromStdString(FileName));
  if (runner(dialog) != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  FileName = chosen.first().toStdString();
  return true;
}

}  // namespace tw::platform
