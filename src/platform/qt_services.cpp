#include "platform/qt_services.h"

#include <QCoreApplication>
#include <QDate>

#include "platform/help_file.h"
#include "platform/qt_controls.h"

namespace tw::platform {

QMessageBox::StandardButtons buttonsFor(int style) {
  switch (style & 7) {
    case ui::vbOKCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case ui::vbYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon iconFor(int style) {
  switch (style & 0x70) {
    case ui::vbCritical:
      return QMessageBox::Critical;
    case ui::vbQuestion:
      return QMessageBox::Question;
    case ui::vbExclamation:
      return QMessageBox::Warning;
    case ui::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int resultFor(QMessageBox::StandardButton button, int style) {
  switch (button) {
    case QMessageBox::Ok:
      return ui::vbOK;
    case QMessageBox::Cancel:
      return ui::vbCancel;
    case QMessageBox::Yes:
      return ui::vbYes;
    case QMessageBox::No:
      return ui::vbNo;
    default:
      // Closed without a button: the box's way out.
      switch (style & 7) {
        case ui::vbOKCancel:
          return ui::vbCancel;
        case ui::vbYesNo:
          return ui::vbNo;
        default:
          return ui::vbOK;
      }
  }
}

int QtMessageBoxes::MsgBox(const std::string& prompt, int style, const std::string& title) {
  QString text = QString::fromStdString(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(iconFor(style),
                  title.empty() ? QStringLiteral("Tidewell") : QString::fromStdString(title),
                  text, buttonsFor(style), parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return resultFor(box.standardButton(box.clickedButton()), style);
}

Date QtClock::today() const { return fromQDate(QDate::currentDate()); }

void QtProgram::end() {
  ended_ = true;
  QCoreApplication::exit(0);
}

std::string QtProgram::helpFilePath() const {
  return findHelpFile(QCoreApplication::applicationDirPath()).toStdString();
}

}  // namespace tw::platform
