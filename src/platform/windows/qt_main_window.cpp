#include "platform/windows/qt_main_window.h"

#include <stdexcept>
#include <utility>

#include <QCloseEvent>
#include <QMenuBar>

#include "platform/drawing/icons.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

namespace {

constexpr double kToolbarHeight = 480;  // twips

// The client area: controls at fixed places, the toolbar across the full top edge.
class ClientArea : public QWidget {
 public:
  using QWidget::QWidget;
  QToolBar* toolbar = nullptr;

 protected:
  void resizeEvent(QResizeEvent*) override {
    if (toolbar) toolbar->setGeometry(0, toolbar->y(), width(), toolbar->height());
  }
};

QFont windowFont() { return programFont(8); }

}  // namespace

// Headers are centred by the window's own 8-point text width, as designed: not the chart's
// narrowed text, so they sit where the window's face puts them.
QtMainWindow::QtMainWindow() : measure_(windowFont()), window_(this, kMainWindowFrame) {
  // The designed geometry of the controls is made for the program's 8-point face.
  setFont(windowFont());
  setWindowTitle(QStringLiteral("Tidewell"));
  setWindowIcon(programIcon());
  actions_ = buildMenus(menuBar(), targets_);
  buildControls();
  // The designed client area, 7020 by 3915 twips.
  window_.setWidth(7020 + kMainWindowFrame.width);
  window_.setHeight(3915 + kMainWindowFrame.height);
}

void QtMainWindow::buildControls() {
  auto* client = new ClientArea(this);
  client_ = client;
  setCentralWidget(client_);

  toolbar_ = new QToolBar(client_);
  toolbar_->setObjectName(QStringLiteral("toolbar"));
  toolbar_->setProperty("spansParent", true);
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setIconSize(QSize(kImageSize, kImageSize));
  buildToolbar(toolbar_, targets_);
  client->toolbar = toolbar_;

  chartView_ = new ChartView(surface_, client_);
  chartView_->setObjectName(QStringLiteral("chartView"));
  chartMenu_ = new QMenu(chartView_);
  chartMenu_->setObjectName(QStringLiteral("chartMenu"));
  fillChartMenu(chartMenu_, actions_);
  birthdayButton_ = new QPushButton(qtText(C_("main window", "Birthday")), client_);
  birthdayButton_->setObjectName(QStringLiteral("birthdayButton"));
  birthday2Button_ = new QPushButton(qtText(C_("main window", "Birthday 2")), client_);
  birthday2Button_->setObjectName(QStringLiteral("birthday2Button"));
  chartDateLabel_ = new QLabel(qtText(C_("main window", "Chart date")), client_);
  chartDateLabel_->setObjectName(QStringLiteral("chartDateLabel"));
  // It names the field to its right: a longer caption grows away from it.
  chartDateLabel_->setProperty("growsLeft", true);
  QtDateField** edits[] = {&birthdayEdit_, &birthday2Edit_, &chartDateEdit_};
  const char* names[] = {"birthdayPicker", "birthday2Picker", "chartDatePicker"};
  // TRANSLATORS: the names a screen reader gives the three date fields under their buttons.
  const char* captions[] = {C_("main window", "Birthday"), C_("main window", "Birthday 2"),
                            C_("main window", "Chart date")};
  for (int i = 0; i < 3; ++i) {
    auto* edit = new QtDateField(client_);
    edit->setObjectName(QString::fromLatin1(names[i]));
    edit->setAccessibleName(qtText(captions[i]));
    *edits[i] = edit;
  }

  toolbarControl_ = std::make_unique<WidgetControl>(toolbar_);
  chartViewControl_ = std::make_unique<ChartViewControl>(chartView_, surface_);
  birthdayButtonControl_ = std::make_unique<WidgetControl>(birthdayButton_);
  birthday2ButtonControl_ = std::make_unique<WidgetControl>(birthday2Button_);
  chartDateLabelControl_ = std::make_unique<WidgetControl>(chartDateLabel_);
  birthdayPicker_ = std::make_unique<QtDatePicker>(birthdayEdit_);
  birthday2Picker_ = std::make_unique<QtDatePicker>(birthday2Edit_);
  chartDatePicker_ = std::make_unique<QtDatePicker>(chartDateEdit_);

  toolbarControl_->place(0, 0, 7020, kToolbarHeight);
  chartViewControl_->place(120, 480, 6735, 2895);
  chartViewControl_->setWidth(6735);  // sizes the surface too
  birthdayButtonControl_->place(120, 3480, 855, 375);
  birthdayPicker_->place(1080, 3480, 1200, 375);
  birthday2ButtonControl_->place(2520, 3480, 855, 375);
  birthday2Picker_->place(3480, 3480, 1200, 375);
  chartDateLabelControl_->place(4800, 3540, 735, 255);
  chartDatePicker_->place(5640, 3480, 1200, 375);
  // The three fields are alike in width, face and form: one fitting serves them all.
  birthdayEdit_->fitFont(9.75);
  birthday2Edit_->setFont(birthdayEdit_->font());
  chartDateEdit_->setFont(birthdayEdit_->font());
  // A caption is never cut: the label grows to its text if the face is wider than designed.
  chartDateLabel_->setMinimumWidth(chartDateLabel_->sizeHint().width());

  // Keyboard order of the design, the chart area first; the label takes no focus.
  chartView_->setFocusPolicy(Qt::StrongFocus);
  QWidget* order[] = {chartView_,      birthdayEdit_,    chartDateEdit_, birthday2Edit_,
                      birthdayButton_, birthday2Button_, toolbar_};
  for (int i = 0; i + 1 < static_cast<int>(std::size(order)); ++i)
    setTabOrder(order[i], order[i + 1]);
  chartView_->setFocus(Qt::OtherFocusReason);
}

MainWindowControls QtMainWindow::controls() {
  auto item = [this](const char* name) -> QtMenuItem& { return menuItem(name); };
  MainWindowMenus menus{
      item("biorhythmChart"), item("comparisonChart"),   item("physicalCurve"),
      item("emotionalCurve"), item("intellectualCurve"), item("averageCurve"),
      item("ageInDays"),      item("ageInWeeks"),        item("ageInYears"),
      item("weekSeparators"), item("todayMarker"),       item("criticalDayMarks")};
  return MainWindowControls{window_,
                            *toolbarControl_,
                            *chartViewControl_,
                            *birthdayButtonControl_,
                            *birthdayPicker_,
                            *birthday2ButtonControl_,
                            *birthday2Picker_,
                            *chartDateLabelControl_,
                            *chartDatePicker_,
                            menus};
}

QAction* QtMainWindow::action(const QString& name) const {
  QAction* found = actions_.value(name);
  if (!found) throw std::logic_error("no menu item is named " + name.toStdString());
  return found;
}

QtMenuItem& QtMainWindow::menuItem(const char* name) {
  auto& slot = menuItems_[QString::fromLatin1(name)];
  if (!slot) slot = std::make_unique<QtMenuItem>(action(QString::fromLatin1(name)));
  return *slot;
}

void QtMainWindow::attach(const MenuTargets& targets, const QtProgram& program) {
  targets_ = targets;
  main_ = targets.main;
  program_ = &program;
  MainWindow& main = *main_;
  chartView_->attach(main, chartMenu_);
  birthdayPicker_->onUserChange([&main] { main.birthdayChanged(); });
  birthday2Picker_->onUserChange([&main] { main.birthday2Changed(); });
  chartDatePicker_->onUserChange([&main] { main.chartDateChanged(); });
  chartDatePicker_->onLeft([&main] { main.chartDateLeft(); });
  connect(birthdayButton_, &QPushButton::clicked, this, [&main] { main.chooseBirthday(); });
  connect(birthday2Button_, &QPushButton::clicked, this, [&main] { main.chooseBirthday2(); });
}

void QtMainWindow::layoutPass() {
  if (main_) main_->layOut();
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (std::exchange(laidOutBeforeShowing_, QSize()) == event->size()) return;
  layoutPass();
}

void QtMainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) layoutPass();
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  // After "Exit" the shut-down has run already and the program is ending.
  if (!main_ || (program_ && program_->ended())) {
    event->accept();
    return;
  }
  QtDateField::commitTypingIn(this);
  main_->saveAndClose();
  event->accept();
}

}  // namespace tw::platform
