#include "platform/windows/qt_help_viewer.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "platform/windows/help_window.h"

#include "platform/qt_app.h"

namespace tw::platform {
namespace {

TEST(HelpViewer, AMissingFileIsSaidInTheWindow) {
  test::qtApp();
  QTemporaryDir dir;
  const QString missing = dir.filePath("gone/Tidewell.html");
  QtHelpViewer viewer;
  viewer.showContents(missing.toStdString());
  const QString notFound = viewer.window()->browser()->toPlainText();
  EXPECT_FALSE(viewer.window()->fileLoaded()) << "a missing file counted as loaded";
  EXPECT_TRUE(notFound.contains("Help file not found")) << notFound.toStdString();
  EXPECT_TRUE(notFound.contains(missing)) << notFound.toStdString();
}

// Each word a user would try in Help > Index, typed into the real finder over the shipped file,
// lands on the topic about it.
TEST(HelpViewer, TheIndexFindsATopicForEachWordPeopleTry) {
  test::qtApp();
  HelpWindow help;
  help.showFinder(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/help/Tidewell.html"));
  auto* filter = help.findChild<QLineEdit*>();
  auto* list = help.findChild<QListWidget*>();
  const std::pair<const char*, const char*> rows[] = {
      {"copy", "Copying the chart to the clipboard"},
      {"clipboard", "Copying the chart to the clipboard"},
      {"calendar", "Adding the days to your calendar"},
      {"reminder", "Adding the days to your calendar"},
      {"critical", "Critical days"},
      {"drag", "Dragging the chart"},
      {"wheel", "Turning the mouse wheel"},
      {"mouse", "The mouse and the keyboard on the chart"},
      {"keyboard", "Keyboard shortcuts"},
  };
  for (const auto& [word, topic] : rows) {
    filter->selectAll();
    test::typeInto(filter, QString::fromLatin1(word));
    const QListWidgetItem* chosen = list->currentItem();
    EXPECT_EQ(chosen ? chosen->text().toStdString() : "(nothing)", topic) << "typed: " << word;
  }
}

}  // namespace
}  // namespace tw::platform
