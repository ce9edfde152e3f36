#include <gtest/gtest.h>

#include <QAction>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "catalogue/catalogue.h"
#include "chart/draw_chart.h"
#include "platform/app_root.h"
#include "platform/system/languages.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

// The built pseudo-language: every text between brackets, lengthened and accented.
class PseudoLanguage : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LANGUAGE", "qps", 1);
    catalogue::open(TIDEWELL_LOCALE_DIR);
  }
  void TearDown() override { setenv("LANGUAGE", "", 1); }

  static bool pseudo(const std::string& text) {
    return text.size() > 2 && text.front() == '[' && text.back() == ']';
  }
};

TEST_F(PseudoLanguage, ReachesTheMenusOfTheWindow) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  auto* file = root.view().findChild<QAction*>(QStringLiteral("fileMenu"));
  ASSERT_NE(file, nullptr);
  const std::string caption = file->text().toStdString();
  EXPECT_TRUE(pseudo(caption)) << caption;
  EXPECT_NE(caption.find("&F"), std::string::npos) << "the access key kept: " << caption;
}

TEST_F(PseudoLanguage, ReachesTheChartsHeaderWithItsPlacesFilled) {
  ChartState state;
  state.birthday = fromYmd(1990, 1, 31);
  state.chartDate = fromYmd(2024, 3, 5);
  state.options.chartType = ChartType::Biorhythm;
  const std::string birthday = chartHeaders(state, Locale{}).at(0);
  EXPECT_TRUE(pseudo(birthday)) << birthday;
  EXPECT_NE(birthday.find("31/1/1990"), std::string::npos) << birthday;
}

// Qt's own dialogs speak the language the catalogue was found in; the window keeps its
// direction for a language written left to right.
TEST(Languages, QtsDialogsFollowTheCataloguesLanguage) {
  test::qtApp();
  if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_de.qm")))
    GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
  setenv("LANGUAGE", "de", 1);
  // The folder the built programs are in: the catalogues are beside them.
  startLanguages(QFileInfo(QStringLiteral(TIDEWELL_LOCALE_DIR)).absolutePath());
  EXPECT_EQ(catalogue::language(), "de");
  const QString title = QColorDialog::tr("Select Color");
  EXPECT_NE(title, QStringLiteral("Select Color")) << title.toStdString();
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  setenv("LANGUAGE", "", 1);
}

}  // namespace
}  // namespace tw::platform
