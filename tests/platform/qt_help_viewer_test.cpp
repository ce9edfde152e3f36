#include "platform/qt_help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <filesystem>

#include "qt_app.h"

namespace tw::platform {
namespace {

// Only anchored h2 and h3 headings are topics, listed by title, a leading article not counting.
const char* kSample = R"(<html><body><h1><a name="contents">Sample Help</a></h1>
<h2><a name="print">Printing</a></h2><h2>Unanchored heading</h2>
<h3><a name="cycles">Cycles and the average</a></h3><h4><a name="deep">Too deep</a></h4>
<h2><a name="bicycle">Bicycle</a></h2><h3><a name="key">The chart key</a></h3>)";

TEST(HelpViewer, AMissingFileIsSaidInTheWindow) {
  test::qtApp();
  QTemporaryDir dir;
  const QString missing = dir.filePath("gone/Tidewell.html");
  QtHelpViewer viewer;
  viewer.showContents(missing.toStdString());
  const QString notFound = viewer.window()->browser()->toPlainText();
  EXPECT_FALSE(viewer.window()->fileLoaded());
  EXPECT_TRUE(notFound.contains("Help file not found")) << notFound.toStdString();
  EXPECT_TRUE(notFound.contains(missing)) << notFound.toStdString();
}

TEST(HelpViewer, TheFinderListsTheShownFilesTopics) {
  test::qtApp();
  QTemporaryDir dir;
  const QString file = dir.filePath("Sample.html");
  QtHelpViewer viewer;
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(kSample);
  f.write("<h2><a name=\"last\">Last topic</a></h2><p>The end.</p></body></html>");
  f.close();

  viewer.showContents(file.toStdString());
  HelpWindow& w = *viewer.window();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.parentWidget(), nullptr);  // beside the program, not over it
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
}

// Headings and notes take their colours from the theme: readable on light and dark pages.
TEST(ShippedHelp, TextStandsOutOnEveryTheme) {
  test::qtApp();
  const auto path = std::filesystem::path(TIDEWELL_SOURCE_DIR) / "data/help/Tidewell.html";
  const QPalette kept = QApplication::palette();
  for (bool dark : {false, true}) {
    QPalette p = kept;
    p.setColor(QPalette::Base, dark ? QColor(0x2d, 0x2d, 0x2d) : QColor(Qt::white));
    p.setColor(QPalette::Text, dark ? QColor(0xee, 0xee, 0xee) : QColor(Qt::black));
    p.setColor(QPalette::Highlight, dark ? QColor(0x15, 0x53, 0x9e) : QColor(0x30, 0x8c, 0xc6));
    QApplication::setPalette(p);
    QtHelpViewer viewer;
    viewer.showContents(path.lexically_normal().string());
    int coloured = 0;
    for (QTextBlock b = viewer.window()->browser()->document()->begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        // Links keep the theme's own link colour.
        const bool link = f.isAnchor() && b.blockFormat().headingLevel() == 0;
        if (!f.hasProperty(QTextFormat::ForegroundBrush) || link) continue;
        ++coloured;
        EXPECT_GE(test::contrast(f.foreground().color(), p.color(QPalette::Base)), 4.5)
            << dark << " " << it.fragment().text().toStdString();
      }
    EXPECT_GT(coloured, 20) << dark;  // every heading and note
  }
  QApplication::setPalette(kept);
}

}  // namespace
}  // namespace tw::platform
