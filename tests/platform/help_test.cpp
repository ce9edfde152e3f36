// Our help viewer, where the help file is found, the Help menu's four items, and the shipped file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <filesystem>

#include "platform/app_root.h"
#include "platform/help_file.h"
#include "platform/qt_help_viewer.h"
#include "platform/help_window.h"
#include "platform/main_bars.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

// Only anchored h2 and h3 headings are topics, listed by title, a leading article not counting.
// Long enough that a topic near the end has to be scrolled to.
const char* kSample = R"(<html><body><h1><a name="contents">Sample Help</a></h1>
<h2><a name="print">Printing</a></h2><h2>Unanchored heading</h2>
<h3><a name="cycles">Cycles and the average</a></h3><h4><a name="deep">Too deep</a></h4>
<h2><a name="bicycle">Bicycle</a></h2><h3><a name="key">The chart key</a></h3>)";

TEST(HelpViewer, ContentsFinderAndAMissingFile) {
  test::qtApp();
  QTemporaryDir dir;
  const QString file = dir.filePath("Sample.html"), missing = dir.filePath("gone/Tidewell.html");
  QtHelpViewer viewer;
  viewer.showContents(missing.toStdString());
  const QString notFound = viewer.window()->browser()->toPlainText();
  EXPECT_TRUE(viewer.window()->isVisible());
  EXPECT_FALSE(viewer.window()->fileLoaded());
  EXPECT_TRUE(notFound.contains("Help file not found")) << notFound.toStdString();
  EXPECT_TRUE(notFound.contains(missing)) << notFound.toStdString();
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(kSample);
  for (int i = 0; i < 200; ++i) f.write("<p>filler</p>");
  f.write("<h2><a name=\"last\">Last topic</a></h2><p>The end.</p></body></html>");
  f.close();

  viewer.showContents(file.toStdString());
  HelpWindow& w = *viewer.window();
  const auto scrolled = [&] { return w.browser()->verticalScrollBar()->value(); };
  EXPECT_TRUE(w.fileLoaded());
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(w.parentWidget(), nullptr);
  EXPECT_FALSE(w.onFinder());
  EXPECT_TRUE(w.browser()->toPlainText().startsWith("Sample Help"));

  viewer.showTopicFinder(file.toStdString());
  ASSERT_TRUE(w.onFinder());
  EXPECT_EQ(w.listedTopics().join('|'), "Bicycle|The chart key|Cycles and the average|Last topic|Printing");
  w.filterBox()->setText("CYCLE");
  EXPECT_EQ(w.listedTopics().join('|'), "Bicycle|Cycles and the average");
  // Down in the filter box moves to the next topic listed; Enter shows it.
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier), enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(w.filterBox(), &down);
  QApplication::sendEvent(w.filterBox(), &enter);
  EXPECT_EQ(w.browser()->source().fragment(), "cycles");
  w.showFinder(file);
  w.filterBox()->setText("last");
  w.displayButton()->click();
  EXPECT_GT(scrolled(), 0);
  viewer.showContents(file.toStdString());  // the contents: the top of the file again
  EXPECT_EQ(scrolled(), 0);
}

TEST(helpFile, FoundBesideTheProgramFirstThenInTheSharedDataFolder) {
  const struct { bool beside, installed; const char* expected; } cases[] = {
      {true, false, "bin/Tidewell.html"}, {false, true, "share/tidewell/Tidewell.html"},
      {true, true, "bin/Tidewell.html"}, {false, false, "bin/Tidewell.html"},  // neither: beside it
  };
  for (const auto& c : cases) {
    QTemporaryDir prefix;
    QDir().mkpath(prefix.filePath("bin"));
    QDir().mkpath(prefix.filePath("share/tidewell"));
    if (c.beside) QFile(prefix.filePath("bin/Tidewell.html")).open(QIODevice::WriteOnly);
    if (c.installed) QFile(prefix.filePath("share/tidewell/Tidewell.html")).open(QIODevice::WriteOnly);
    EXPECT_EQ(findHelpFile(prefix.filePath("bin")), prefix.filePath(c.expected)) << c.beside << c.installed;
  }
}

TEST(HelpMenu, EachItemRunsItsCommand) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  auto& window = root.view();
  const auto shownHelp = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* h = dynamic_cast<HelpWindow*>(w); h && h->isVisible()) return h;
    return static_cast<HelpWindow*>(nullptr);
  };
  window.action("helpContents")->trigger();
  HelpWindow* help = shownHelp();
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(help->onFinder());
  EXPECT_TRUE(window.isVisible());
  window.action("helpIndex")->trigger();
  EXPECT_EQ(shownHelp(), help);
  EXPECT_TRUE(help->onFinder() || !help->fileLoaded());

  // Once a modal box is up: note its title and text and close it with its OK button.
  QString title, text;
  const auto answerNextBox = [&] {
    QTimer::singleShot(0, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      title = w->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(w)) text = box->text();
      for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == "OK") return b->click();
    });
  };
  answerNextBox();
  ChartOptions options = root.mainWindow().state().options;
  options.showEmotional = false;
  root.mainWindow().applyOptions(options);
  window.action("chartKey")->trigger();
  EXPECT_EQ(title + "|" + text, "Chart key|P=Physical\nI=Intellectual");
  answerNextBox();
  window.action("about")->trigger();
  EXPECT_EQ(title, "About Tidewell");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The shipped help file: its links lead somewhere and it names every command and button.
TEST(ShippedHelp, LinksLeadToTopicsAndEveryCommandIsDescribed) {
  test::qtApp();
  const auto path = std::filesystem::path(__FILE__).parent_path() / "../../data/help/Tidewell.html";
  QtHelpViewer viewer;
  viewer.showTopicFinder(path.lexically_normal().string());
  HelpWindow& w = *viewer.window();
  ASSERT_TRUE(w.fileLoaded());
  QStringList anchors{"contents"};
  for (const auto& t : w.topics()) anchors << t.anchor;
  int links = 0;
  for (QTextBlock b = w.browser()->document()->begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QString href = it.fragment().charFormat().anchorHref();
      if (!href.startsWith('#')) continue;
      ++links;
      EXPECT_TRUE(anchors.contains(href.mid(1))) << href.toStdString();
    }
  EXPECT_GT(links, 20);
  const QString text = w.browser()->toPlainText();
  QMenuBar menus;
  QToolBar toolbar;
  buildToolbar(&toolbar);
  QStringList named{"New...", "Edit...", "Delete", "Draw chart", "~/.config/Kestrelmoor/Tidewell.ini",
                    "XDG_CONFIG_HOME", "23 days", "28 days", "33 days"};
  // Every menu command, but the three cycles' own curve and colour items are described together.
  const QRegularExpression cycleItem("^(physical|emotional|intellectual)(Curve|Colour)$");
  for (QAction* a : buildMenus(&menus))
    if (!a->isSeparator() && !a->menu() && !a->objectName().contains(cycleItem)) named << a->text().remove('&');
  for (QAction* a : toolbar.actions())
    if (!a->isSeparator()) named << a->toolTip();
  for (const QString& s : named) EXPECT_TRUE(text.contains(s)) << s.toStdString();
  // The finder finds a topic by the words of its text, not only of its title.
  const struct { const char* words; const char* topic; } finds[] = {
      {"colour", "The Settings menu"}, {"background", "Saving the chart as a bitmap"},
      {"reset", "The Settings menu"}, {"exit", "The File menu"},
      {"week separators", "Reading the biorhythm chart"}, {"today marker", "The Settings menu"},
  };
  for (const auto& f : finds) {
    w.filterBox()->setText(QString::fromLatin1(f.words));
    EXPECT_TRUE(w.listedTopics().contains(f.topic)) << f.words << ": " << w.listedTopics().join('|').toStdString();
  }
}

}  // namespace
}  // namespace tw::platform
