#include "platform/windows/qt_critical_days_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "files/whole_file.h"
#include "platform/drawing/program_font.h"
#include "platform/system/qt_utc_clock.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

std::string QtWholeFiles::write(const std::string& path, const std::string& bytes) {
  const auto failed = files::writeWholeFiles({{path, bytes}}, {});
  return failed ? failed->sentence() : std::string();
}

UtcTime QtUtcClock::now() const { return utcNow(); }

QtCriticalDaysWindow::QtCriticalDaysWindow(QtDialogWindow* dialog, MainWindow& main,
                                           const ui::Window& chartWindow, ui::SettingsStore& store,
                                           const ui::Screens& screens, const Locale& locale)
    : QObject(dialog),
      dialog_(dialog),
      adapter_(dialog, kDialogFrame),
      dialogs_(dialog, printer_),
      messages_(dialog) {
  dialog->setWindowTitle(qtText(_(kCriticalDaysTitle)));
  dialog->setModal(false);
  dialog->setFont(programFont(8));

  auto* spanLabel = new QLabel(qtText(C_("Critical days window", "&Span:")), dialog);
  span_ = new QComboBox(dialog);
  span_->setObjectName(QStringLiteral("spanChooser"));
  // TRANSLATORS: how far ahead the Critical days window looks.
  span_->addItems({qtText(C_("critical days span", "30 days")),
                   qtText(C_("critical days span", "3 months")),
                   qtText(C_("critical days span", "12 months"))});
  spanLabel->setBuddy(span_);
  span_->setAccessibleName(qtText(C_("Critical days window", "Span")));

  list_ = new QTreeWidget(dialog);
  list_->setObjectName(QStringLiteral("criticalDaysList"));
  list_->setAccessibleName(qtText(_(kCriticalDaysTitle)));
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setStretchLastSection(true);

  note_ = new QLabel(dialog);
  note_->setObjectName(QStringLiteral("criticalDaysNote"));
  note_->setWordWrap(true);

  reminder_ =
      new QCheckBox(qtText(C_("Critical days window", "&Remind me the day before")), dialog);
  reminder_->setObjectName(QStringLiteral("reminderBox"));
  add_ = new QPushButton(qtText(C_("Critical days window", "&Add to calendar...")), dialog);
  add_->setObjectName(QStringLiteral("addToCalendarButton"));
  auto* close = new QPushButton(qtText(C_("Critical days window", "&Close")), dialog);
  close->setObjectName(QStringLiteral("closeButton"));
  // Return on a row makes it the chart date; no button may take Return from the list.
  add_->setAutoDefault(false);
  close->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(spanLabel);
  top->addWidget(span_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(reminder_);
  bottom->addStretch(1);
  bottom->addWidget(add_);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(top);
  layout->addWidget(list_, 1);
  layout->addWidget(note_);
  layout->addLayout(bottom);
  dialog->resize(440, 380);

  window_ = std::make_unique<CriticalDaysWindow>(
      CriticalDaysServices{main, adapter_, chartWindow, *this, dialogs_, messages_, store, files_,
                           calendar_, clock_, screens, locale});
  CriticalDaysWindow* w = window_.get();
  connect(span_, &QComboBox::currentIndexChanged, this,
          [w](int index) { w->chooseSpan(static_cast<CriticalSpan>(index)); });
  connect(reminder_, &QCheckBox::toggled, this, [w](bool on) { w->setReminder(on); });
  connect(list_, &QTreeWidget::activated, this,
          [w](const QModelIndex& index) { w->goToRow(index.row()); });
  connect(add_, &QPushButton::clicked, this, [w] { w->addToCalendar(); });
  connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
  dialog->onReject = [this, w] {
    w->placeChanged();
    dialog_->hide();
  };
  dialog->installEventFilter(this);
}

bool QtCriticalDaysWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_ && event->type() == QEvent::Move && dialog_->isVisible())
    window_->placeChanged();
  return QObject::eventFilter(watched, event);
}

void QtCriticalDaysWindow::showWindow() {
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void QtCriticalDaysWindow::showRows(const std::vector<CriticalRow>& rows, bool withWhose) {
  const QSignalBlocker block(list_);
  list_->clear();
  // TRANSLATORS: the Critical days list's column headings.
  QStringList header{qtText(C_("Critical days window", "Date")),
                     qtText(C_("Critical days window", "Critical"))};
  if (withWhose) header << qtText(C_("Critical days window", "Whose"));
  list_->setColumnCount(static_cast<int>(header.size()));
  list_->setHeaderLabels(header);
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const CriticalRow& row : rows) {
    QStringList texts{QString::fromStdString(row.date), QString::fromStdString(row.cycles)};
    if (withWhose) texts << QString::fromStdString(row.whose);
    items << new QTreeWidgetItem(texts);
  }
  list_->addTopLevelItems(items);
  for (int c = 0; c + 1 < list_->columnCount(); ++c) list_->resizeColumnToContents(c);
  // Tab onto the list lands on the first day.
  if (!items.isEmpty()) list_->setCurrentItem(items.front());
  list_->setVisible(!items.isEmpty());
}

void QtCriticalDaysWindow::showNote(const std::string& text) {
  note_->setText(QString::fromStdString(text));
  note_->setVisible(!text.empty());
}

void QtCriticalDaysWindow::showSpan(CriticalSpan span) {
  const QSignalBlocker block(span_);
  span_->setCurrentIndex(static_cast<int>(span));
}

void QtCriticalDaysWindow::showReminder(bool on) {
  const QSignalBlocker block(reminder_);
  reminder_->setChecked(on);
}

}  // namespace tw::platform
