#include "platform/people_windows.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>

#include "platform/qt_surface.h"
#include "platform/twips.h"

namespace tw::platform {

namespace {

// A list box has no current line until one is chosen: taking the focus must not make the
// first line current, or "Draw chart" would pick a person nobody selected.
class PeopleList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const bool hadCurrent = currentRow() >= 0;
    QListWidget::focusInEvent(event);
    if (!hadCurrent && selectedItems().isEmpty() && currentRow() >= 0) {
      const QSignalBlocker block(this);
      setCurrentRow(-1);
    }
  }
};

// A fixed dialog: a title and a close box, nothing to minimise or maximise.
void setDialogFrame(QWidget* w) {
  w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint);
}

void setClientSize(QWidget* w, double widthTwips, double heightTwips) {
  w->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

QLabel* label(const char* text, QWidget* parent, double l, double t, double w, double h) {
  auto* lbl = new QLabel(QString::fromLatin1(text), parent);
  WidgetControl(lbl).place(l, t, w, h);
  // A caption is never cut: the label grows to its text if the face is wider than designed.
  lbl->setMinimumWidth(lbl->sizeHint().width());
  return lbl;
}

struct ButtonDesign {
  const char* name;
  const char* caption;
  double left, top, width, height;
};

// In the order the keyboard visits them after the list.
const ButtonDesign kListButtons[] = {
    {"Command5", "Draw chart", 3360, 120, 1095, 375}, {"Command4", "Close", 3360, 600, 1095, 375},
    {"Command1", "New...", 120, 3000, 975, 375},      {"Command2", "Edit...", 1200, 3000, 975, 375},
    {"Command3", "Delete", 2280, 3000, 975, 375},
};

int commandIndex(const char* name) { return name[7] - '1'; }  // "CommandN" -> N-1

}  // namespace

PeopleWindows::PeopleWindows(QWidget* listWindow, ui::Window& listAdapter, QWidget* entryWindow,
                             ui::Window& entryAdapter, Form1& form1, ui::SettingsStore& store)
    : QObject(listWindow),
      listWindow_(listWindow),
      entryWindow_(entryWindow),
      listMessages_(listWindow),
      entryMessages_(entryWindow) {
  buildList();
  buildEntry();
  form6_ = std::make_unique<Form6>(Form6Controls{entryAdapter, *text1_, *picker1_}, entryMessages_);
  form5_ = std::make_unique<Form5>(
      Form5Controls{listAdapter, *listBox_, *commandControls_[0], *commandControls_[1],
                    *commandControls_[2], *commandControls_[3], *commandControls_[4]},
      form1, *form6_, listMessages_, store);
  connectSignals();
  form5_->Form_Load();
}

PeopleWindows::~PeopleWindows() {
  if (listWindow_) listWindow_->removeEventFilter(this);
  if (entryWindow_) entryWindow_->removeEventFilter(this);
}

void PeopleWindows::buildList() {
  QWidget* w = listWindow_;
  w->setWindowTitle(QStringLiteral("People"));
  setDialogFrame(w);
  w->setFont(classicFont(8));
  setClientSize(w, 4560, 3450);

  list_ = new PeopleList(w);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  listBox_ = std::make_unique<QtListBox>(list_);
  listBox_->place(120, 120, 3135, 2790);

  for (const auto& b : kListButtons) {
    auto* button = new QPushButton(QString::fromLatin1(b.caption), w);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setAutoDefault(false);
    const int i = commandIndex(b.name);
    commands_[i] = button;
    commandControls_[i] = std::make_unique<WidgetControl>(button);
    commandControls_[i]->place(b.left, b.top, b.width, b.height);
  }
}

void PeopleWindows::buildEntry() {
  QWidget* w = entryWindow_;
  w->setWindowTitle(QStringLiteral("Entry"));
  setDialogFrame(w);
  w->setFont(classicFont(8));
  setClientSize(w, 3390, 1560);

  label("Name", w, 120, 180, 615, 255);
  name_ = new QLineEdit(w);
  name_->setObjectName(QStringLiteral("Text1"));
  text1_ = std::make_unique<QtTextBox>(name_);
  text1_->place(960, 120, 2295, 375);

  label("Birthday", w, 120, 660, 615, 255);
  date_ = new QDateEdit(w);
  date_->setObjectName(QStringLiteral("DTPicker1"));
  setUpDateEdit(date_);
  picker1_ = std::make_unique<QtDatePicker>(date_);
  picker1_->place(960, 600, 1215, 375);
  fitDateFont(date_, 9.75);

  ok_ = new QPushButton(QStringLiteral("OK"), w);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setAutoDefault(false);
  WidgetControl(ok_).place(1088, 1080, 1215, 375);
  QWidget::setTabOrder(name_, date_);
  QWidget::setTabOrder(date_, ok_);
}

void PeopleWindows::connectSignals() {
  Form5* f5 = form5_.get();
  Form6* f6 = form6_.get();
  // Selecting a line, by mouse or keys; filling the list is silent.
  connect(list_, &QListWidget::itemSelectionChanged, this, [f5] { f5->List1_Click(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [f5] { f5->List1_DblClick(); });
  void (Form5::*handlers[5])() = {&Form5::Command1_Click, &Form5::Command2_Click,
                                  &Form5::Command3_Click, &Form5::Command4_Click,
                                  &Form5::Command5_Click};
  for (int i = 0; i < 5; ++i)
    connect(commands_[i], &QPushButton::clicked, this, [f5, h = handlers[i]] { (f5->*h)(); });

  connect(ok_, &QPushButton::clicked, this, [f6] { f6->Command1_Click(); });
  connect(name_, &QLineEdit::returnPressed, this, [f6] {
    int key = 13;
    f6->Text1_KeyPress(key);
  });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), entryWindow_);
  connect(escape, &QShortcut::activated, this, [f6] { f6->cancelEntry(); });

  listWindow_->installEventFilter(this);
  entryWindow_->installEventFilter(this);
}

QPushButton* PeopleWindows::button(const char* objectName) const {
  if (qstrcmp(objectName, "OK") == 0) return ok_;
  return commands_[commandIndex(objectName)];
}

bool PeopleWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listWindow_) {
    // The close box destroys the list; opening it again reads it back from the store.
    if (event->type() == QEvent::Close) form5_->Form_Unload();
    if (event->type() == QEvent::Show && !form5_->isLoaded()) form5_->Form_Load();
  } else if (watched == entryWindow_ && event->type() == QEvent::Close) {
    form6_->cancelEntry();
  }
  return false;
}

}  // namespace tw::platform
