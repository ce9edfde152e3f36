#include "platform/windows/qt_main_window.h"

#include <stdexcept>
#include <utility>

#include <QCloseEvent>
#include <QMenuBar>

#include "platform/drawing/icons.h"
#include "platform/windows/main_bars.h"

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
    if (toolbar) toolbar->resize(width(), toolbar->height());
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
  actions_ = buildMenus(menuBar());
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
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setIconSize(QSize(kImageSize, kImageSize));
  buildToolbar(toolbar_);
  client->toolbar = toolbar_;

  chartView_ = new ChartView(surface_, client_);
  chartView_->setObjectName(QStringLiteral("chartView"));
  chartMenu_ = new QMenu(chartView_);
  chartMenu_->setObjectName(QStringLiteral("chartMenu"));
  fillChartMenu(chartMenu_, actions_);
  birthdayButton_ = new QPushButton(QStringLiteral("Birthday"), client_);
  birthdayButton_->setObjectName(QStringLiteral("birthdayButton"));
  birthday2Button_ = new QPushButton(QStringLiteral("Birthday 2"), client_);
  birthday2Button_->setObjectName(QStringLiteral("birthday2Button"));
  chartDateLabel_ = new QLabel(QStringLiteral("Chart date"), client_);
  chartDateLabel_->setObjectName(QStringLiteral("chartDateLabel"));
  QtDateField** edits[] = {&birthdayEdit_, &birthday2Edit_, &chartDateEdit_};
  const char* names[] = {"birthdayPicker", "birthday2Picker", "chartDatePicker"};
  const char* captions[] = {"Birthday", "Birthday 2", "Chart date"};
  for (int i = 0; i < 3; ++i) {
    auto* edit = new QtDateField(client_);
    edit->setObjectName(QString::fromLatin1(names[i]));
    edit->setAccessibleName(QString::fromLatin1(captions[i]));
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

void QtMainWindow::onMenuItem(const char* name, std::function<void()> command) {
  const QString key = QString::fromLatin1(name);
  connect(action(key), &QAction::triggered, this, [command = std::move(command)] { command(); });
  commanded_.insert(key);
}

QStringList QtMainWindow::itemsWithoutCommand() const {
  QStringList idle;
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
    if (!it.value()->isSeparator() && !it.value()->menu() && !commanded_.contains(it.key()))
      idle << it.key();
  idle.sort();
  return idle;
}

void QtMainWindow::connectMenu(const char* name, void (MainWindow::*handler)()) {
  onMenuItem(name, [this, handler] { (main_->*handler)(); });
}

void QtMainWindow::connectTool(const char* key, void (MainWindow::*handler)()) {
  for (QAction* a : toolbar_->actions()) {
    if (a->data().toString() != QLatin1String(key)) continue;
    connect(a, &QAction::triggered, this, [this, handler] {
      // A click on the toolbar leaves the focus where it was: take what was typed first.
      QtDateField::commitTypingIn(this);
      (main_->*handler)();
    });
  }
}

void QtMainWindow::attach(MainWindow& main, const QtProgram& program) {
  main_ = &main;
  program_ = &program;
  connectMenu("goToday", &MainWindow::goToday);
  connectMenu("goNextDay", &MainWindow::goNextDay);
  connectMenu("goNextWeek", &MainWindow::goNextWeek);
  connectMenu("goForward28Days", &MainWindow::goForward28Days);
  connectMenu("goPreviousDay", &MainWindow::goPreviousDay);
  connectMenu("goPreviousWeek", &MainWindow::goPreviousWeek);
  connectMenu("goBack28Days", &MainWindow::goBack28Days);
  connectMenu("interpret", &MainWindow::interpret);
  connectMenu("copyChart", &MainWindow::copyChart);
  connectMenu("exit", &MainWindow::exit);
  chartView_->attach(main, chartMenu_);
  birthdayPicker_->onUserChange([this] { main_->birthdayChanged(); });
  birthday2Picker_->onUserChange([this] { main_->birthday2Changed(); });
  chartDatePicker_->onUserChange([this] { main_->chartDateChanged(); });
  chartDatePicker_->onLeft([this] { main_->chartDateLeft(); });
  connect(birthdayButton_, &QPushButton::clicked, this, [this] { main_->chooseBirthday(); });
  connect(birthday2Button_, &QPushButton::clicked, this, [this] { main_->chooseBirthday2(); });
  const std::pair<const char*, void (MainWindow::*)()> tools[] = {
      {"Print", &MainWindow::print},
      {"Save", &MainWindow::save},
      {"BackMonth", &MainWindow::goBack28Days},
      {"BackWeek", &MainWindow::goPreviousWeek},
      {"BackDay", &MainWindow::goPreviousDay},
      {"Today", &MainWindow::goToday},
      {"ForwardDay", &MainWindow::goNextDay},
      {"ForwardWeek", &MainWindow::goNextWeek},
      {"ForwardMonth", &MainWindow::goForward28Days},
      {"Interpret", &MainWindow::interpret},
  };
  for (const auto& [key, handler] : tools) connectTool(key, handler);
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
