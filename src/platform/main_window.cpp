#include "platform/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

#include "platform/icons.h"
#include "platform/main_bars.h"

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

QFont windowFont() { return classicFont(8); }

}  // namespace

ChartView::ChartView(QtSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_.setChangeHandler([this] { update(); });
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QImage& image = surface_.image();
  // The image is whole device pixels; any sliver it leaves keeps the window's colour.
  const QRegion uncovered =
      QRegion(rect()) - QRect(QPoint(0, 0), image.deviceIndependentSize().toSize());
  for (const QRect& r : uncovered) p.fillRect(r, palette().color(QPalette::Window));
  if (!image.isNull()) p.drawImage(QPointF(0, 0), image);
  surface_.markShown();
  emit painted();
}

void PictureControl::setWidth(double twips) {
  WidgetControl::setWidth(twips);
  fitSurface();
}

void PictureControl::setHeight(double twips) {
  WidgetControl::setHeight(twips);
  fitSurface();
}

void PictureControl::fitSurface() {
  surface_.setPixelRatio(widget()->devicePixelRatioF());
  surface_.setSizeTwips(width(), height());
}

// Headers are centred by the window's 8-point text width; measured in the chart's face, which
// may be narrowed, they stay centred as designed.
MainWindow::MainWindow()
    : measure_(windowFont(), chartTextScale()), window_(this, kMainWindowFrame) {
  // The designed geometry of the controls is made for the classic 8-point dialog face.
  setFont(windowFont());
  setWindowTitle(QStringLiteral("Tidewell"));
  setWindowIcon(programIcon());
  actions_ = buildMenus(menuBar());
  buildControls();
  // The designed client area, 7020 by 3915 twips.
  window_.setWidth(7020 + kMainWindowFrame.width);
  window_.setHeight(3915 + kMainWindowFrame.height);
}

void MainWindow::buildControls() {
  auto* client = new ClientArea(this);
  client_ = client;
  setCentralWidget(client_);

  toolbar_ = new QToolBar(client_);
  toolbar_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setIconSize(QSize(kImageSize, kImageSize));
  buildToolbar(toolbar_);
  client->toolbar = toolbar_;

  picture_ = new ChartView(surface_, client_);
  picture_->setObjectName(QStringLiteral("Picture1"));
  command1_ = new QPushButton(QStringLiteral("Birthday"), client_);
  command1_->setObjectName(QStringLiteral("Command1"));
  command2_ = new QPushButton(QStringLiteral("Birthday 2"), client_);
  command2_->setObjectName(QStringLiteral("Command2"));
  label3_ = new QLabel(QStringLiteral("Chart date"), client_);
  label3_->setObjectName(QStringLiteral("Label3"));
  QDateEdit** edits[] = {&date1_, &date2_, &date3_};
  const char* names[] = {"DTPicker1", "DTPicker2", "DTPicker3"};
  for (int i = 0; i < 3; ++i) {
    auto* edit = new QDateEdit(client_);
    edit->setObjectName(QString::fromLatin1(names[i]));
    setUpDateEdit(edit);
    *edits[i] = edit;
  }

  toolbarControl_ = std::make_unique<WidgetControl>(toolbar_);
  pictureControl_ = std::make_unique<PictureControl>(picture_, surface_);
  command1Control_ = std::make_unique<WidgetControl>(command1_);
  command2Control_ = std::make_unique<WidgetControl>(command2_);
  label3Control_ = std::make_unique<WidgetControl>(label3_);
  picker1_ = std::make_unique<QtDatePicker>(date1_);
  picker2_ = std::make_unique<QtDatePicker>(date2_);
  picker3_ = std::make_unique<QtDatePicker>(date3_);

  toolbarControl_->place(0, 0, 7020, kToolbarHeight);
  pictureControl_->place(120, 480, 6735, 2895);
  pictureControl_->setWidth(6735);  // sizes the surface too
  command1Control_->place(120, 3480, 855, 375);
  picker1_->place(1080, 3480, 1200, 375);
  command2Control_->place(2520, 3480, 855, 375);
  picker2_->place(3480, 3480, 1200, 375);
  label3Control_->place(4800, 3540, 735, 255);
  picker3_->place(5640, 3480, 1200, 375);
  // The three pickers are alike in width, face and format: one fitting serves them all.
  fitDateFont(date1_, 9.75);
  date2_->setFont(date1_->font());
  date3_->setFont(date1_->font());
  // A caption is never cut: the label grows to its text if the face is wider than designed.
  label3_->setMinimumWidth(label3_->sizeHint().width());

  // Keyboard order of the design; the chart area and the label take no focus.
  picture_->setFocusPolicy(Qt::NoFocus);
  QWidget* order[] = {date1_, date3_, date2_, command1_, command2_, toolbar_};
  for (int i = 0; i + 1 < static_cast<int>(std::size(order)); ++i)
    setTabOrder(order[i], order[i + 1]);
}

Form1Controls MainWindow::controls() {
  auto item = [this](const char* name) -> QtMenuItem& { return menuItem(name); };
  Form1Menus menus{item("MenuChartTypeBio"),  item("MenuChartTypeComp"),
                   item("MenuShowPhy"),       item("MenuShowEmo"),
                   item("MenuShowInt"),       item("MenuShowAve"),
                   item("MenuAgeDays"),       item("MenuAgeWeeks"),
                   item("MenuAgeYears"),      item("MenuSettingWeekSeparators"),
                   item("MenuSettingTodayMarker")};
  return Form1Controls{window_,   *toolbarControl_, *pictureControl_, *command1Control_,
                       *picker1_, *command2Control_, *picker2_,       *label3Control_,
                       *picker3_, menus};
}

QtMenuItem& MainWindow::menuItem(const char* name) {
  auto& slot = menuItems_[QString::fromLatin1(name)];
  if (!slot) slot = std::make_unique<QtMenuItem>(action(QString::fromLatin1(name)));
  return *slot;
}

void MainWindow::connectMenu(const char* name, void (Form1::*handler)()) {
  connect(action(QString::fromLatin1(name)), &QAction::triggered, this,
          [this, handler] { (form_->*handler)(); });
}

void MainWindow::attach(Form1& form, const QtProgram& program) {
  form_ = &form;
  program_ = &program;
  connectMenu("MenuGoToday", &Form1::MenuGoToday_Click);
  connectMenu("MenuGoTomorrow", &Form1::MenuGoTomorrow_Click);
  connectMenu("MenuGoNextWeek", &Form1::MenuGoNextWeek_Click);
  connectMenu("MenuGoNextMonth", &Form1::MenuGoNextMonth_Click);
  connectMenu("MenuGoYesterday", &Form1::MenuGoYesterday_Click);
  connectMenu("MenuGoLastWeek", &Form1::MenuGoLastWeek_Click);
  connectMenu("MenuGoLastMonth", &Form1::MenuGoLastMonth_Click);
  connectMenu("MenuChartInterpret", &Form1::MenuChartInterpret_Click);
  connectMenu("FileExit", &Form1::FileExit_Click);
  picker1_->onUserChange([this] { form_->DTPicker1_Change(); });
  picker2_->onUserChange([this] { form_->DTPicker2_Change(); });
  picker3_->onUserChange([this] { form_->DTPicker3_Change(); });
  connect(command1_, &QPushButton::clicked, this, [this] { form_->Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { form_->Command2_Click(); });
  connect(toolbar_, &QToolBar::actionTriggered, this, [this](QAction* a) {
    form_->Toolbar1_ButtonClick(a->data().toString().toStdString());
  });
}

void MainWindow::layoutPass() {
  if (form_) form_->Form_Resize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutPass();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) layoutPass();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // After "Exit" the shut-down has run already and the program is ending.
  if (!form_ || (program_ && program_->ended())) {
    event->accept();
    return;
  }
  int cancel = 0;
  form_->Form_Unload(cancel);
  if (cancel)
    event->ignore();
  else
    event->accept();
}

}  // namespace tw::platform
