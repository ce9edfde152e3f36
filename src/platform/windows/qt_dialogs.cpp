#include "platform/windows/qt_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/drawing/qt_surface.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

QStringList nameFilters(const std::vector<FileFilter>& filters) {
  QStringList out;
  for (const FileFilter& f : filters)
    // TRANSLATORS: a type in the save dialog's list: {1} its name ("PNG images"), {2} the
    // names it takes ("*.png").
    out << qtText(fillIn(C_("file dialog", "{1} ({2})"), f.label,
                         QString::fromStdString(f.pattern).replace(';', ' ').toStdString()));
  return out;
}

namespace {
// Qt's own save dialog takes a name in a folder that is not there; this one says so and stays.
class SaveDialog : public QFileDialog {
 public:
  SaveDialog(QWidget* parent, const QString& title, bool folderMustExist)
      : QFileDialog(parent, title), folderMustExist_(folderMustExist) {}

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (folderMustExist_ && !chosen.isEmpty()) {
      const QFileInfo file(chosen.first());
      if (!file.isDir() && !file.absoluteDir().exists()) {
        QMessageBox::warning(
            this, windowTitle(),
            // TRANSLATORS: {1} is the folder's path.
            qtText(fillIn(_("{1}\nThis folder does not exist.\nCheck the folder's name and try "
                            "again."),
                          QDir::toNativeSeparators(file.absolutePath()).toStdString())));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool folderMustExist_;
};
}  // namespace

std::optional<Colour> QtDialogs::chooseColour(Colour current) {
  // A system colour opens on what the chart shows for it.
  QColorDialog dialog(resolveColour(current), parent_);
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  if (runner(dialog) != QDialog::Accepted) return std::nullopt;
  const QColor c = dialog.currentColor();
  if (!c.isValid()) return std::nullopt;
  return rgb(c.red(), c.green(), c.blue());
}

bool QtDialogs::choosePrinter(const PrintDialogOptions& options) {
  Printer* printer = printer_.get();
  return printer && printer->choose(parent_, options.pageRange, runner);
}

std::optional<ChosenFile> QtDialogs::chooseSaveFile(const SaveFileOptions& options) {
  SaveDialog dialog(parent_, QString::fromStdString(options.title), options.folderMustExist);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A file that does not exist yet, in a folder that does.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
  dialog.setOption(QFileDialog::ReadOnly, false);
  const QStringList filters = nameFilters(options.filters);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromStdString(options.defaultSuffix));
  // A name typed without an extension takes the chosen filter's: "chart" under PNG is chart.png.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    const auto i = filters.indexOf(filter);
    if (i <= 0) return dialog.setDefaultSuffix(QString::fromStdString(options.defaultSuffix));
    const QString pattern = QString::fromStdString(options.filters[i].pattern);
    dialog.setDefaultSuffix(pattern.section(QLatin1Char('.'), -1));
  });
  dialog.selectFile(QString::fromStdString(options.fileName));
  if (runner(dialog) != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  const auto filter = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
  return ChosenFile{chosen.first().toStdString(), static_cast<std::size_t>(filter)};
}

}  // namespace tw::platform
