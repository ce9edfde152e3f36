#include "platform/windows/qt_people_windows.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

#include "platform/drawing/qt_surface.h"
#include "platform/drawing/screen_twips.h"
#include "platform/system/ui_text.h"
#include "settings/text_forms.h"

namespace tw::platform {

namespace {

// A list box has no current line until one is chosen: taking the focus must not make the
// first line current, or "Draw chart" would pick a person nobody selected.
class PeopleListBox : public QListWidget {
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
  auto* lbl = new QLabel(qtText(text), parent);
  WidgetControl(lbl).place(l, t, w, h);
  // A caption is never cut: the label grows to its text if the face is wider than designed.
  lbl->setMinimumWidth(lbl->sizeHint().width());
  return lbl;
}

// Cancel sits right of OK, ending where the name box ends; the first run's wider window gives
// it more room.
constexpr double kCancelWidth = 855, kWelcomeCancelWidth = 1095;

// The list window's buttons, as buttons_ holds them.
enum Button { New, Edit, Delete, Close, Draw, kButtons };

struct ButtonDesign {
  Button button;
  const char* name;
  Message caption;
  double left, top, width, height;
  void (PeopleList::*handler)();
};

// In the order the keyboard visits them after the list. Each caption marks a letter of its own
// for Alt, so that Alt+N opens New... instead of typing into the list.
const ButtonDesign kListButtons[] = {
    // TRANSLATORS: the People window's buttons; their access keys must differ.
    {Draw, "drawButton", NC_("People window", "D&raw chart"), 3360, 120, 1095, 375,
     &PeopleList::drawSelectedPerson},
    {Close, "closeButton", NC_("People window", "&Close"), 3360, 600, 1095, 375,
     &PeopleList::close},
    {New, "newButton", NC_("People window", "&New..."), 120, 3000, 975, 375,
     &PeopleList::addPerson},
    {Edit, "editButton", NC_("People window", "&Edit..."), 1200, 3000, 975, 375,
     &PeopleList::editSelectedPerson},
    {Delete, "deleteButton", NC_("People window", "&Delete"), 2280, 3000, 975, 375,
     &PeopleList::deleteSelectedPerson},
};

// The first run's part of the entry window: a line on what it is for above the fields, in a
// window grown to hold it, with a wider Cancel.
class WelcomeParts : public WidgetControl {
 public:
  WelcomeParts(QWidget* window, QLabel* prompt, QPushButton* cancel, std::vector<QWidget*> rows)
      : WidgetControl(prompt),
        window_(window),
        prompt_(prompt),
        cancel_(cancel),
        rows_(std::move(rows)) {}
  bool isVisible() const override { return shown_; }
  void setVisible(bool visible) override {
    if (visible == shown_) return;
    shown_ = visible;
    // Down by the line's height and wider by what the line needs over the fields; and back.
    const int sign = visible ? 1 : -1;
    const int down = twipsToPixels(360) * sign, wider = twipsToPixels(1200) * sign;
    prompt_->setVisible(visible);
    window_->setFixedSize(window_->width() + wider, window_->height() + down);
    Placements& places = Placements::of(window_);
    for (QWidget* row : rows_) places.setDesigned(row, places.designed(row).translated(0, down));
    QRect cancel = places.designed(cancel_);
    cancel.setWidth(twipsToPixels(visible ? kWelcomeCancelWidth : kCancelWidth));
    places.setDesigned(cancel_, cancel);
    places.apply();
  }

 private:
  QWidget* window_;
  QLabel* prompt_;
  QPushButton* cancel_;
  std::vector<QWidget*> rows_;
  bool shown_ = false;
};

}  // namespace

QtPeopleWindows::QtPeopleWindows(QtDialogWindow* listWindow, ui::Window& listAdapter,
                                 QtDialogWindow* entryWindow, ui::Window& entryAdapter,
                                 MainWindow& main, ui::SettingsStore& store)
    : QObject(listWindow),
      listWindow_(listWindow),
      entryWindow_(entryWindow),
      listMessages_(listWindow),
      entryMessages_(entryWindow) {
  setDesignedSizes(listWindow, entryWindow);
  buildList();
  buildEntry();
  personEntry_ = std::make_unique<PersonEntry>(
      PersonEntryControls{entryAdapter, *nameBox_, *birthdayPicker_, *okControl_, *welcome_},
      entryMessages_);
  peopleList_ = std::make_unique<PeopleList>(
      PeopleListControls{listAdapter, *listBox_, *buttonControls_[Edit], *buttonControls_[Delete],
                         *buttonControls_[Draw]},
      main, *personEntry_, listMessages_, store);
  connectSignals();
  peopleList_->load();
}

QtPeopleWindows::~QtPeopleWindows() {
  if (listWindow_) {
    listWindow_->removeEventFilter(this);
    listWindow_->onReject = nullptr;
  }
  if (entryWindow_) {
    entryWindow_->removeEventFilter(this);
    entryWindow_->onReject = nullptr;
  }
}

void QtPeopleWindows::setDesignedSizes(QWidget* listWindow, QWidget* entryWindow) {
  setClientSize(listWindow, 4560, 3450);
  setClientSize(entryWindow, 3390, 1560);
}

void QtPeopleWindows::buildList() {
  QWidget* w = listWindow_;
  w->setWindowTitle(qtText(C_("People window", "People")));
  setDialogFrame(w);
  w->setFont(programFont(8));

  list_ = new PeopleListBox(w);
  list_->setObjectName(QStringLiteral("list"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setAccessibleName(qtText(C_("People window", "People")));
  listBox_ = std::make_unique<QtListBox>(list_);
  listBox_->place(120, 120, 3135, 2790);

  for (const auto& b : kListButtons) {
    auto* button = new QPushButton(qtText(_(b.caption)), w);
    button->setObjectName(QString::fromLatin1(b.name));
    // Return presses the button that has the focus, else "Draw chart".
    button->setAutoDefault(true);
    button->setDefault(b.button == Draw);
    buttons_[b.button] = button;
    buttonControls_[b.button] = std::make_unique<WidgetControl>(button);
    buttonControls_[b.button]->place(b.left, b.top, b.width, b.height);
  }
}

void QtPeopleWindows::buildEntry() {
  QWidget* w = entryWindow_;
  w->setWindowTitle(qtText(C_("Entry window", "Entry")));
  setDialogFrame(w);
  w->setFont(programFont(8));

  QLabel* nameLabel = label(C_("Entry window", "Name"), w, 120, 180, 615, 255);
  name_ = new QLineEdit(w);
  name_->setObjectName(QStringLiteral("nameBox"));
  name_->setMaxLength(static_cast<int>(kLongestName));
  name_->setAccessibleName(qtText(C_("Entry window", "Name")));
  nameLabel->setBuddy(name_);
  nameBox_ = std::make_unique<QtTextBox>(name_);
  nameBox_->place(960, 120, 2295, 375);

  QLabel* dateLabel = label(C_("Entry window", "Birthday"), w, 120, 660, 615, 255);
  date_ = new QtDateField(w);
  date_->setObjectName(QStringLiteral("birthdayPicker"));
  date_->setAccessibleName(qtText(C_("Entry window", "Birthday")));
  dateLabel->setBuddy(date_);
  birthdayPicker_ = std::make_unique<QtDatePicker>(date_);
  birthdayPicker_->place(960, 600, 1215, 375);
  date_->fitFont(9.75);

  ok_ = new QPushButton(qtText(C_("Entry window", "OK")), w);
  ok_->setObjectName(QStringLiteral("okButton"));
  ok_->setAutoDefault(true);
  ok_->setDefault(true);
  okControl_ = std::make_unique<WidgetControl>(ok_);
  okControl_->place(1088, 1080, 1215, 375);

  // Cancel leaves the list as it was, as Escape and the close box do.
  cancel_ = new QPushButton(qtText(C_("Entry window", "Cancel")), w);
  cancel_->setObjectName(QStringLiteral("cancelButton"));
  cancel_->setAutoDefault(true);
  WidgetControl(cancel_).place(2400, 1080, kCancelWidth, 375);

  // Shown on the first run only.
  auto* prompt = new QLabel(
      qtText(C_("Entry window", "Your name and birthday, to draw your biorhythm chart:")), w);
  prompt->setObjectName(QStringLiteral("welcomeLine"));
  WidgetControl(prompt).place(120, 120, 4350, 255);
  prompt->setMinimumWidth(prompt->sizeHint().width());
  prompt->setVisible(false);
  welcome_ = std::make_unique<WelcomeParts>(
      w, prompt, cancel_, std::vector<QWidget*>{nameLabel, name_, dateLabel, date_, ok_, cancel_});
  QWidget::setTabOrder(name_, date_);
  QWidget::setTabOrder(date_, ok_);
  QWidget::setTabOrder(ok_, cancel_);
}

void QtPeopleWindows::connectSignals() {
  PeopleList* list = peopleList_.get();
  PersonEntry* entry = personEntry_.get();
  // Selecting a line, by mouse or keys; filling the list is silent.
  connect(list_, &QListWidget::itemSelectionChanged, this, [list] { list->selectionChanged(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [list] { list->drawSelectedPerson(); });
  for (const auto& b : kListButtons)
    connect(buttons_[b.button], &QPushButton::clicked, this,
            [list, h = b.handler] { (list->*h)(); });

  connect(ok_, &QPushButton::clicked, this, [entry] { entry->accept(); });
  connect(cancel_, &QPushButton::clicked, this, [entry] { entry->cancel(); });
  connect(date_, &QLineEdit::textChanged, this, [entry] { entry->birthdayEdited(); });
  // Escape leaves each window as its own way out does.
  listWindow_->onReject = [list] { list->close(); };
  entryWindow_->onReject = [entry] { entry->cancel(); };
  name_->installEventFilter(this);

  listWindow_->installEventFilter(this);
  entryWindow_->installEventFilter(this);
}

QPushButton* QtPeopleWindows::button(const char* objectName) const {
  if (qstrcmp(objectName, "okButton") == 0) return ok_;
  if (qstrcmp(objectName, "cancelButton") == 0) return cancel_;
  for (const auto& b : kListButtons)
    if (qstrcmp(objectName, b.name) == 0) return buttons_[b.button];
  return nullptr;
}

bool QtPeopleWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched == name_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Return in the name moves on to the birthday; it does not press OK.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      personEntry_->nameReturnPressed();
      return true;
    }
  } else if (watched == listWindow_) {
    // The close box destroys the list; opening it again reads it back from the store.
    if (event->type() == QEvent::Close) peopleList_->unload();
    if (event->type() == QEvent::Show && !peopleList_->isLoaded()) peopleList_->load();
  } else if (watched == entryWindow_ && event->type() == QEvent::Close) {
    personEntry_->cancel();
  }
  return false;
}

}  // namespace tw::platform
