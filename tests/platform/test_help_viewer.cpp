#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <filesystem>

#include "qt_app.h"

namespace {

using tw::platform::HelpWindow;
using tw::platform::QtHelpViewer;

void ensureApp() { tw::test::qtApp(); }

// Only anchored h2 and h3 headings are topics; they are listed as an index, a leading article
// not counting.
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

struct HelpTest : ::testing::Test {
  void SetUp() override {
    ensureApp();
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("Sample.html");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kSample);
    // Long enough that a topic near the end has to be scrolled to.
    for (int i = 0; i < 200; ++i) f.write("<p>filler</p>");
    f.write("<h2><a name=\"last\">Last topic</a></h2><p>The end.</p></body></html>");
  }
  HelpWindow& window() { return *viewer.window(); }
  std::string listed() { return window().listedTopics().join('|').toStdString(); }

  QTemporaryDir dir;
  QString file;
  QtHelpViewer viewer;
};

TEST_F(HelpTest, ContentsShowsTheFileFromItsTopWithoutBlockingOrOwner) {
  EXPECT_TRUE(viewer.WinHelp(file.toStdString(), 3, 0));
  ASSERT_NE(viewer.window(), nullptr);
  EXPECT_TRUE(window().isVisible());
  EXPECT_FALSE(window().isModal());
  EXPECT_EQ(window().parentWidget(), nullptr);
  EXPECT_FALSE(window().onFinder());
  EXPECT_TRUE(window().browser()->toPlainText().startsWith("Sample Help"));
  EXPECT_EQ(window().browser()->verticalScrollBar()->value(), 0);
}

TEST_F(HelpTest, FinderListsAnchoredTopicsByTitleAndTheFilterNarrowsThem) {
  EXPECT_TRUE(viewer.WinHelp(file.toStdString(), 11, 0));
  ASSERT_TRUE(window().onFinder());
  EXPECT_EQ(listed(),
            "About box|Bicycle|The chart key|Cycles and the average|Last topic|Printing");
  window().filterBox()->setText("CYCLE");
  EXPECT_EQ(listed(), "Bicycle|Cycles and the average");
  // Down in the filter box moves to the next topic listed; Enter shows it.
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(window().filterBox(), &down);
  EXPECT_EQ(window().topicList()->currentItem()->text(), "Cycles and the average");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(window().filterBox(), &enter);
  EXPECT_FALSE(window().onFinder());
  EXPECT_EQ(window().browser()->source().fragment(), "cycles");

  window().showFinder(file);
  window().filterBox()->setText("nothing like it");
  EXPECT_TRUE(window().listedTopics().isEmpty());
  EXPECT_FALSE(window().displayButton()->isEnabled());
}

TEST_F(HelpTest, ChoosingATopicShowsItOnTheBrowserPage) {
  viewer.WinHelp(file.toStdString(), 11, 0);
  window().resize(500, 400);
  window().filterBox()->setText("last");
  window().displayButton()->click();
  EXPECT_FALSE(window().onFinder());
  EXPECT_EQ(window().browser()->source().fragment(), "last");
  EXPECT_GT(window().browser()->verticalScrollBar()->value(), 0);

  // Back to the contents: the top of the file again.
  viewer.WinHelp(file.toStdString(), 3, 0);
  EXPECT_FALSE(window().onFinder());
  EXPECT_EQ(window().browser()->verticalScrollBar()->value(), 0);
}

TEST_F(HelpTest, AMissingFileGetsTheViewersOwnNotFoundPage) {
  const QString missing = dir.filePath("gone/Tidewell.html");
  for (int command : {3, 11}) {
    EXPECT_FALSE(viewer.WinHelp(missing.toStdString(), command, 0)) << command;
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().onFinder()) << command;
    const QString text = window().browser()->toPlainText();
    EXPECT_TRUE(text.contains("Help file not found")) << command;
    EXPECT_TRUE(text.contains(missing)) << command;
  }
  // Once the file is there, the next call shows it.
  EXPECT_TRUE(viewer.WinHelp(file.toStdString(), 3, 0));
  EXPECT_FALSE(window().browser()->toPlainText().contains("not found"));
}

TEST_F(HelpTest, CommandsOtherThanContentsAndFinderAreNotCarriedOut) {
  EXPECT_FALSE(viewer.WinHelp(file.toStdString(), 1, 0));
  EXPECT_EQ(viewer.window(), nullptr);
}

// The shipped help file: its links lead somewhere and it covers every command.
TEST(ShippedHelp, LinksLeadToTopicsAndEveryCommandIsDescribed) {
  ensureApp();
  const auto path = std::filesystem::path(__FILE__).parent_path() / "../../data/help/Tidewell.html";
  const QString file = QString::fromStdString(path.lexically_normal().string());
  QtHelpViewer viewer;
  ASSERT_TRUE(viewer.WinHelp(file.toStdString(), 11, 0)) << file.toStdString();
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

  const QStringList topics = w.listedTopics();
  for (const char* t : {"The three cycles and the average", "Reading the biorhythm chart",
                        "Reading the comparison chart", "How the match percentage is worked out",
                        "The people list", "The interpretation", "Printing the chart",
                        "Saving the chart as a bitmap", "Toolbar buttons",
                        "Where your settings are kept"})
    EXPECT_TRUE(topics.contains(t)) << t;

  const QString text = w.browser()->toPlainText();
  for (const char* s :
       {"Print...", "Save as BMP...", "Exit", "Biorhythm chart", "Comparison chart", "Today",
        "Next day", "Next week", "Next month", "Previous day", "Previous week",
        "Previous month", "Interpret...", "Days", "Weeks", "Years", "Week separators",
        "Today marker", "Average curve", "Background...", "Reset to default", "Contents...",
        "Index...", "Chart key...", "About Tidewell...", "Back 1 month", "Back 1 week",
        "Back 1 day", "Goto today", "Forward 1 day", "Forward 1 week", "Forward 1 month",
        "Interpret chart", "Save as BMP", "New...", "Edit...", "Delete", "Draw chart",
        "~/.config/Kestrelmoor/Tidewell.ini", "XDG_CONFIG_HOME", "23 days", "28 days",
        "33 days"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
}

}  // namespace
