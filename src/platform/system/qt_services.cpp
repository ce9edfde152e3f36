#include "platform/system/qt_services.h"

#include <QCoreApplication>
#include <QDate>
#include <QGridLayout>
#include <QSpacerItem>
#include <QStyle>
#include <algorithm>

#include "catalogue/catalogue.h"
#include "platform/system/help_file.h"
#include "platform/windows/qt_controls.h"

namespace tw::platform {

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

QMessageBox::StandardButton QtMessages::run(QMessageBox::Icon icon, const std::string& text,
                                            const std::string& title,
                                            QMessageBox::StandardButtons buttons) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(icon, title.empty() ? QStringLiteral("Tidewell") : QString::fromStdString(title),
                  shown, buttons, parent_);
  box.setTextFormat(Qt::PlainText);
  keepTitleWhole(box);
  box.exec();
  return box.standardButton(box.clickedButton());
}

void QtMessages::show(const std::string& text, const std::string& title) {
  run(QMessageBox::NoIcon, text, title, QMessageBox::Ok);
}

void QtMessages::inform(const std::string& text, const std::string& title) {
  run(QMessageBox::Information, text, title, QMessageBox::Ok);
}

void QtMessages::warn(const std::string& text, const std::string& title) {
  run(QMessageBox::Warning, text, title, QMessageBox::Ok);
}

// Closing the box without a button is its way out: No.
ui::Answer QtMessages::ask(const std::string& question, const std::string& title) {
  const auto button = run(QMessageBox::NoIcon, question, title, QMessageBox::Yes | QMessageBox::No);
  return button == QMessageBox::Yes ? ui::Answer::Yes : ui::Answer::No;
}

Date QtClock::today() const { return fromQDate(QDate::currentDate()); }

void QtProgram::end() {
  ended_ = true;
  QCoreApplication::exit(status_);
}

std::string QtProgram::helpFilePath() const {
  return findHelpFile(QCoreApplication::applicationDirPath(),
                      QString::fromStdString(catalogue::language()))
      .toStdString();
}

}  // namespace tw::platform
