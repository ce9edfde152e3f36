#include "platform/qt_services.h"

#include <QCoreApplication>
#include <QDate>
#include <QGridLayout>
#include <QSpacerItem>
#include <QStyle>
#include <algorithm>

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

namespace {
// A box sized to a short prompt is narrower than its own title, which the window manager then
// cuts ("Ch… ey"): keep room for the title in a bold title-bar face plus the window's icon and
// buttons. A message box lays itself out anew when shown, so the room is an item of its grid.
void keepTitleWhole(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  QFont titleFont = box.font();
  titleFont.setBold(true);
  const int title = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle());
  const int frame = 5 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
  grid->addItem(new QSpacerItem(std::max(240, title + frame), 0, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}
}  // namespace

int QtMessageBoxes::MsgBox(const std::string& prompt, int style, const std::string& title) {
  QString text = QString::fromStdString(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(iconFor(style),
                  title.empty() ? QStringLiteral("Tidewell") : QString::fromStdString(title),
                  text, buttonsFor(style), parent_);
  box.setTextFormat(Qt::PlainText);
  keepTitleWhole(box);
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
