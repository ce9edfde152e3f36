#include "platform/display_wiring.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <vector>

#include "platform/app_root.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(QtDisplaySettings, EveryMenuItemRunsItsOwnCommand) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  for (const char* name : {"comparisonChart", "ageInYears", "weekSeparators", "todayMarker", "physicalCurve", "averageCurve"})
    root.view().action(name)->trigger();
  QStringList ticked;
  for (const char* name : {"biorhythmChart", "comparisonChart", "ageInDays", "ageInWeeks", "ageInYears", "weekSeparators",
                           "todayMarker", "physicalCurve", "emotionalCurve", "intellectualCurve", "averageCurve"})
    if (root.view().action(name)->isChecked()) ticked << name;
  EXPECT_EQ(ticked.join(' '), "comparisonChart ageInYears weekSeparators todayMarker emotionalCurve intellectualCurve averageCurve");

  const ChartOptions& o = root.mainWindow().state().options;
  const auto corner = [&] { return QColor(root.view().surface().image().pixel(1, 1)); };
  std::vector<QColor> opened;
  bool confirm = false;
  root.display().dialogs().runner = [&](QDialog& d) {
    auto* colours = qobject_cast<QColorDialog*>(&d);
    opened.push_back(colours->currentColor());
    colours->setCurrentColor(QColor(static_cast<int>(opened.size()), 0, 0));
    return int(confirm ? QDialog::Accepted : QDialog::Rejected);
  };
  root.view().action("backgroundColour")->trigger();
  // The system colour, resolved as the chart shows it; a cancelled choice changes nothing.
  const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  EXPECT_EQ(opened.at(0), face);
  EXPECT_EQ(o.backgroundColour, kButtonFace);
  EXPECT_EQ(corner(), face);
  confirm = true;
  for (const char* name : {"physicalColour", "emotionalColour", "intellectualColour", "averageColour", "backgroundColour"})
    root.view().action(name)->trigger();
  EXPECT_EQ((std::vector<Colour>{o.physicalColour, o.emotionalColour, o.intellectualColour, o.averageColour, o.backgroundColour}),
            (std::vector<Colour>{2, 3, 4, 5, 6}));
  EXPECT_EQ(corner(), QColor(6, 0, 0));
  root.view().action("resetColours")->trigger();
  EXPECT_EQ(o.backgroundColour, kButtonFace);
}

}  // namespace
}  // namespace tw::platform
