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
#include "platform/help_viewer.h"
#include "platform/help_window.h"
#include "platform/main_bars.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

// Only anchored h2 and h3 headings are topics; they are listed as an index, a leading article
// not counting. Long enough that a topic near the end has to be scrolled to.
const char* kSample = R"(<html><body>
<h1><a name="contents">Sample Help</a></h1>
<p><a href="#cycles">The cycles</a></p>
<h2><a name="print">Printing</a></h2><p>Print it.</p>
<h2>Unanchored heading</h2>
<h3><a name="cycles">Cycles and the average</a></h3><p>Cycles.</p>
<h4><a name="deep">Too deep</a></h4>
<h2><a name="bicycle">Bicycle</a></h2><p>Not a biorhythm.</p>
<h3><a name="about">About box</a></h3>
<h3><a name="key">The chart key</a></h3>)";

struct HelpViewerTest : ::testing::Test {
  void SetUp() override {
    test::qtApp();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kSample);
    for (int i = 0; i < 200; ++i) f.write("<p>filler</p>");
    f.write("<h2><a name=\"last\">Last topic</a></h2><p>The end.</p></body></html>");
  }
  HelpWindow& window() { return *viewer.window(); }
  int scrolled() { return window().browser()->verticalScrollBar()->value(); }

  QTemporaryDir dir;
  QString file = dir.filePath("Sample.html");
  QtHelpViewer viewer;
};

TEST_F(HelpViewerTest, ContentsShowsTheFileFromItsTopWithoutBlockingOrOwner) {
  EXPECT_FALSE(viewer.WinHelp(file.toStdString(), 1, 0));  // only contents and the finder
  EXPECT_EQ(viewer.window(), nullptr);
  EXPECT_TRUE(viewer.WinHelp(file.toStdString(), 3, 0));
  EXPECT_TRUE(window().isVisible());
  EXPECT_FALSE(window().isModal());
  EXPECT_EQ(window().parentWidget(), nullptr);
  EXPECT_FALSE(window().onFinder());
  EXPECT_TRUE(window().browser()->toPlainText().startsWith("Sample Help"));
  EXPECT_EQ(scrolled(), 0);
}

TEST_F(HelpViewerTest, FinderListsAnchoredTopicsByTitleAndTheFilterNarrowsThem) {
  EXPECT_TRUE(viewer.WinHelp(file.toStdString(), 11, 0));
  window().resize(500, 400);
  ASSERT_TRUE(window().onFinder());
  EXPECT_EQ(window().listedTopics().join('|'),
            "About box|Bicycle|The chart key|Cycles and the average|Last topic|Printing");
  window().filterBox()->setText("CYCLE");
  EXPECT_EQ(window().listedTopics().join('|'), "Bicycle|Cycles and the average");
  // Down in the filter box moves to the next topic listed; Enter shows it.
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(window().filterBox(), &down);
  EXPECT_EQ(window().topicList()->currentItem()->text(), "Cycles and the average");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(window().filterBox(), &enter);
  EXPECT_FALSE(window().onFinder());
  EXPECT_EQ(window().browser()->source().fragment(), "cycles");

  window().showFinder(file);
  window().filterBox()->setText("last");
  window().displayButton()->click();
  EXPECT_EQ(window().browser()->source().fragment(), "last");
  EXPECT_GT(scrolled(), 0);
  viewer.WinHelp(file.toStdString(), 3, 0);  // the contents: the top of the file again
  EXPECT_EQ(scrolled(), 0);

  window().showFinder(file);
  window().filterBox()->setText("nothing like it");
  EXPECT_TRUE(window().listedTopics().isEmpty());
  EXPECT_FALSE(window().displayButton()->isEnabled());
}

TEST_F(HelpViewerTest, AMissingFileGetsTheViewersOwnNotFoundPage) {
  const QString missing = dir.filePath("gone/Tidewell.html");
  for (int command : {3, 11}) {
    EXPECT_FALSE(viewer.WinHelp(missing.toStdString(), command, 0)) << command;
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().onFinder()) << command;
    EXPECT_TRUE(window().browser()->toPlainText().contains("Help file not found")) << command;
    EXPECT_TRUE(window().browser()->toPlainText().contains(missing)) << command;
  }
  EXPECT_TRUE(viewer.WinHelp(file.toStdString(), 3, 0));  // once the file is there, it is shown
  EXPECT_FALSE(window().browser()->toPlainText().contains("not found"));
}

TEST(HelpFile, FoundBesideTheProgramFirstThenInTheSharedDataFolder) {
  const struct { bool beside, installed; const char* expected; } cases[] = {
      {true, false, "bin/Tidewell.html"}, {false, true, "share/tidewell/Tidewell.html"},
      {true, true, "bin/Tidewell.html"},
      {false, false, "bin/Tidewell.html"},  // neither: the name beside the program
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

HelpWindow* shownHelpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = dynamic_cast<HelpWindow*>(w); h && h->isVisible()) return h;
  return nullptr;
}

TEST(HelpMenu, EachItemRunsItsCommand) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  auto& window = root.mainWindow();
  window.action("MenuHelpContents")->trigger();
  HelpWindow* help = shownHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(help->onFinder());
  EXPECT_TRUE(window.isVisible()) << "the viewer took the main window's place";
  window.action("MenuHelpIndex")->trigger();
  EXPECT_EQ(shownHelpWindow(), help);
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
  root.form().ChartOptions.showEmotional = false;
  window.action("HelpChartKey")->trigger();
  EXPECT_EQ(title, "Chart key");
  EXPECT_EQ(text, "P=Physical\nI=Intellectual");
  answerNextBox();
  window.action("HelpAbout")->trigger();
  EXPECT_EQ(title, "About Tidewell");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The shipped help file: its links lead somewhere and it names every command and button.
TEST(ShippedHelp, LinksLeadToTopicsAndEveryCommandIsDescribed) {
  test::qtApp();
  const auto path = std::filesystem::path(__FILE__).parent_path() / "../../data/help/Tidewell.html";
  QtHelpViewer viewer;
  ASSERT_TRUE(viewer.WinHelp(path.lexically_normal().string(), 11, 0));
  HelpWindow& w = *viewer.window();
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
  for (const char* t : {"The three cycles and the average", "Reading the biorhythm chart",
                        "Reading the comparison chart", "How the match percentage is worked out",
                        "The people list", "The interpretation", "Printing the chart",
                        "Saving the chart as a bitmap", "Toolbar buttons", "Where your settings are kept"})
    EXPECT_TRUE(w.listedTopics().contains(t)) << t;

  const QString text = w.browser()->toPlainText();
  QMenuBar menus;
  QToolBar toolbar;
  buildToolbar(&toolbar);
  QStringList named{"New...", "Edit...", "Delete", "Draw chart", "~/.config/Kestrelmoor/Tidewell.ini",
                    "XDG_CONFIG_HOME", "23 days", "28 days", "33 days"};
  // Every menu command, but the three cycles' own curve and colour items are described together.
  const QRegularExpression cycleItem("Phy|Emo|ShowInt|Intellectual");
  for (QAction* a : buildMenus(&menus))
    if (!a->isSeparator() && !a->menu() && !a->objectName().contains(cycleItem))
      named << a->text().remove('&');
  for (QAction* a : toolbar.actions())
    if (!a->isSeparator()) named << a->toolTip();
  for (const QString& s : named) EXPECT_TRUE(text.contains(s)) << s.toStdString();
}

}  // namespace
}  // namespace tw::platform
