#include "platform/windows/help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <cstddef>

#include "commands/help_index.h"
#include "platform/drawing/icons.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

namespace {
const QString kContentsAnchor = QStringLiteral("contents");

// `share` of `a`, the rest of `b`.
QColor mixed(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * share + b.redF() * (1 - share)),
                          static_cast<float>(a.greenF() * share + b.greenF() * (1 - share)),
                          static_cast<float>(a.blueF() * share + b.blueF() * (1 - share)));
}

// The help file's colours from the theme, so it reads on a light desktop and a dark one alike:
// headings in the text colour tinted by the highlight, notes a little softer than the text,
// table headings on the page's own colour with a touch of the text's.
QString paletteStyleSheet(const QPalette& p) {
  const QColor text = p.color(QPalette::Text), base = p.color(QPalette::Base);
  return QStringLiteral(
             "h1, h2, h3 { color: %1; } h2 { border-bottom: 1px solid %2; }"
             " th, td { border: 1px solid %2; } th { background-color: %3; }"
             " .note { color: %4; }")
      .arg(mixed(text, p.color(QPalette::Highlight), 0.55).name(), p.color(QPalette::Mid).name(),
           mixed(text, base, 0.12).name(), mixed(text, base, 0.75).name());
}

QString notFoundPage(const QString& file) {
  // TRANSLATORS: the help window's page when its file is missing: HTML; {1} is the file's path.
  return qtText(fillIn(_("<h2>Help file not found</h2>"
                         "<p>The help viewer could not open the file</p><p><code>{1}</code></p>"
                         "<p>It is installed with Tidewell, beside the program or in its "
                         "<code>share/tidewell</code> folder. Installing Tidewell again brings it "
                         "back.</p>"),
                       file.toHtmlEscaped().toStdString()));
}
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(qtText(_("Tidewell Help")));
  setWindowIcon(programIcon());
  // The viewer runs beside the program; it must not keep the program alive on its own.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(640, 560);

  auto* contents = new QPushButton(qtText(C_("help window", "&Contents")), this);
  auto* index = new QPushButton(qtText(C_("help window", "&Index")), this);
  back_ = new QPushButton(qtText(C_("help window", "&Back")), this);
  forward_ = new QPushButton(qtText(C_("help window", "&Forward")), this);
  auto* buttons = new QHBoxLayout;
  for (auto* b : {contents, index, back_, forward_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch();

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->document()->setDefaultStyleSheet(paletteStyleSheet(palette()));

  finder_ = new QWidget(this);
  auto* prompt =
      new QLabel(qtText(C_("help window", "&Type a word from the topic you are looking for:")));
  filter_ = new QLineEdit;
  filter_->setClearButtonEnabled(true);
  prompt->setBuddy(filter_);
  auto* listLabel = new QLabel(qtText(C_("help window", "Choose a topic, then click Display:")));
  list_ = new QListWidget;
  display_ = new QPushButton(qtText(C_("help window", "&Display")));
  auto* finderLayout = new QVBoxLayout(finder_);
  finderLayout->addWidget(prompt);
  finderLayout->addWidget(filter_);
  finderLayout->addWidget(listLabel);
  finderLayout->addWidget(list_, 1);
  auto* displayRow = new QHBoxLayout;
  displayRow->addStretch();
  displayRow->addWidget(display_);
  finderLayout->addLayout(displayRow);

  pages_ = new QStackedWidget(this);
  pages_->addWidget(browser_);
  pages_->addWidget(finder_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(pages_, 1);

  connect(contents, &QPushButton::clicked, this, [this] { showContents(file_); });
  connect(index, &QPushButton::clicked, this, [this] { showFinder(file_); });
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  back_->setEnabled(false);
  forward_->setEnabled(false);

  filter_->installEventFilter(this);
  connect(filter_, &QLineEdit::textChanged, this, &HelpWindow::applyFilter);
  connect(filter_, &QLineEdit::returnPressed, this, &HelpWindow::displayCurrent);
  connect(list_, &QListWidget::itemActivated, this, [this] { displayCurrent(); });
  connect(display_, &QPushButton::clicked, this, &HelpWindow::displayCurrent);
  // A window of its own, closed from the keyboard as the desktop's viewers are.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

// A new theme brings new colours: the page is read again with them.
void HelpWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  browser_->document()->setDefaultStyleSheet(paletteStyleSheet(palette()));
  if (loaded_) browser_->reload();
}

// Up and down in the filter box move through the topics, as in an index.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == filter_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
      QApplication::sendEvent(list_, event);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::load(const QString& file) {
  if (file == file_ && loaded_) return;
  file_ = file;
  loaded_ = QFileInfo(file).isFile();
  if (loaded_) {
    browser_->setSource(QUrl::fromLocalFile(file));
    browser_->clearHistory();
    // A file that is there but holds nothing readable counts as not found.
    loaded_ = !browser_->document()->isEmpty();
  }
  if (!loaded_) browser_->setHtml(notFoundPage(file));
  readTopics();
  fillList();
}

// The topics are the file's headings below the title that carry an anchor, each with the text
// that follows it up to the next heading.
void HelpWindow::readTopics() {
  topics_.clear();
  foldedTitles_.clear();
  foldedTexts_.clear();
  if (!loaded_) return;
  HelpTopic* current = nullptr;
  for (QTextBlock b = browser_->document()->begin(); b.isValid(); b = b.next()) {
    const int level = b.blockFormat().headingLevel();
    if (level == 0) {
      if (current) current->text += b.text() + QLatin1Char(' ');
      continue;
    }
    current = nullptr;
    if (level > 3) continue;
    for (auto it = b.begin(); level >= 2 && !it.atEnd(); ++it) {
      const QStringList names = it.fragment().charFormat().anchorNames();
      if (names.isEmpty()) continue;
      topics_.push_back({b.text().trimmed(), names.first(), {}});
      current = &topics_.back();
      break;
    }
  }
  // Folded here so that letters beyond ASCII compare and match as Qt folds them.
  std::vector<std::string> titles;
  for (const auto& t : topics_) titles.push_back(t.title.toCaseFolded().toStdString());
  QVector<HelpTopic> sorted;
  for (const std::size_t i : indexOrder(titles)) {
    sorted.push_back(topics_[static_cast<qsizetype>(i)]);
    foldedTitles_.push_back(titles[i]);
    foldedTexts_.push_back(sorted.back().text.toCaseFolded().toStdString());
  }
  topics_ = sorted;
}

void HelpWindow::fillList() {
  list_->clear();
  for (const auto& t : topics_) {
    auto* item = new QListWidgetItem(t.title, list_);
    item->setData(Qt::UserRole, t.anchor);
  }
  applyFilter(filter_->text());
}

void HelpWindow::applyFilter(const QString& text) {
  const TopicMatch m = matchTopics(foldedTitles_, foldedTexts_, text.toCaseFolded().toStdString());
  for (int i = 0; i < list_->count() && i < static_cast<int>(m.listed.size()); ++i)
    list_->item(i)->setHidden(!m.listed[static_cast<std::size_t>(i)]);
  list_->setCurrentItem(m.chosen >= 0 ? list_->item(m.chosen) : nullptr);
  display_->setEnabled(m.chosen >= 0);
}

void HelpWindow::displayCurrent() {
  const auto* item = list_->currentItem();
  if (item && !item->isHidden()) showTopic(item->data(Qt::UserRole).toString());
}

void HelpWindow::showTopic(const QString& anchor) {
  pages_->setCurrentWidget(browser_);
  if (!loaded_) return;
  QUrl url = QUrl::fromLocalFile(file_);
  url.setFragment(anchor);
  browser_->setSource(url);
  browser_->scrollToAnchor(anchor);
}

void HelpWindow::showContents(const QString& file) {
  load(file);
  pages_->setCurrentWidget(browser_);
  // Back to the contents as a step of its own, so Back returns to the topic left.
  if (loaded_ && browser_->source().hasFragment() &&
      browser_->source().fragment() != kContentsAnchor)
    showTopic(kContentsAnchor);
  browser_->verticalScrollBar()->setValue(0);
  browser_->setFocus();
}

void HelpWindow::showFinder(const QString& file) {
  load(file);
  // Without the file there is nothing to find: the "not found" page says why.
  pages_->setCurrentWidget(loaded_ ? finder_ : static_cast<QWidget*>(browser_));
  if (!loaded_) return;
  filter_->selectAll();
  filter_->setFocus();
}

}  // namespace tw::platform
