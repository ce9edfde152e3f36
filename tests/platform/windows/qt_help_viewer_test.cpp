#include "platform/windows/qt_help_viewer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

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

}  // namespace
}  // namespace tw::platform
