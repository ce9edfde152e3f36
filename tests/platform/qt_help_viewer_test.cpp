#include "platform/qt_help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "qt_app.h"

namespace tw::platform {
namespace {

// Only anchored h2 and h3 headings are topics, listed by title, a leading article not counting.
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
  EXPECT_FALSE(viewer.window()->fileLoaded());
  EXPECT_TRUE(notFound.contains("Help file not found")) << notFound.toStdString();
  EXPECT_TRUE(notFound.contains(missing)) << notFound.toStdString();
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

}  // namespace
}  // namespace tw::platform
