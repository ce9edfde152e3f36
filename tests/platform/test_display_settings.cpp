#include <gtest/gtest.h>

#include <QColorDialog>
#include <QCalendarWidget>
#include <QGuiApplication>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/app_root.h"
#include "platform/qt_controls.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(QtDisplaySettings, ColourDialogOpensOnTheShownColourAndOnlyAConfirmedChoiceCounts) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  const QColor buttonFace = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  const auto corner = [&] { return QColor(root.view().surface().image().pixel(1, 1)); };
  ASSERT_EQ(corner(), buttonFace);

  QColor opened;
  bool confirm = false;
  root.display().dialogs().runner = [&](QDialog& d) {
    auto* colours = qobject_cast<QColorDialog*>(&d);
    opened = colours->currentColor();
    colours->setCurrentColor(QColor(10, 20, 30));
    return int(confirm ? QDialog::Accepted : QDialog::Rejected);
  };
  QAction* background = root.view().action("backgroundColour");
  background->trigger();
  EXPECT_EQ(opened, buttonFace);  // the system colour, resolved as the chart shows it
  EXPECT_EQ(root.mainWindow().state().options.backgroundColour, kButtonFace);
  EXPECT_EQ(corner(), buttonFace);

  confirm = true;
  background->trigger();
  EXPECT_EQ(root.mainWindow().state().options.backgroundColour, rgb(10, 20, 30));
  EXPECT_EQ(corner(), QColor(10, 20, 30));
  background->trigger();
  EXPECT_EQ(opened, QColor(10, 20, 30));
}

// The whole program: every option changed from the menus, "Exit", start again.
TEST(QtDisplaySettings, EveryOptionIsStoredInItsTextFormAndTheNextStartShowsTheSameChart) {
  test::qtApp();
  QTemporaryDir dir;
  const QString ini = dir.filePath("Tidewell.ini");
  const QColor picks[] = {{160, 0, 0}, {0, 160, 0}, {0, 0, 160}, {160, 160, 0}, {255, 240, 224}};
  QImage shown;
  {
    AppRoot root(ini);
    root.start();
    // The user picks a second birthday.
    auto* birthday2 = root.view().findChild<QtDateField*>("birthday2Picker");
    birthday2->showCalendar();
    emit birthday2->calendar()->activated(toQDate(root.mainWindow().state().chartDate - 4000));
    int next = 0;
    root.display().dialogs().runner = [&](QDialog& d) {
      qobject_cast<QColorDialog*>(&d)->setCurrentColor(picks[next++]);
      return int(QDialog::Accepted);
    };
    for (const char* name : {"comparisonChart", "ageInYears", "weekSeparators", "todayMarker",
                             "physicalCurve", "emotionalCurve", "intellectualCurve", "averageCurve", "physicalColour",
                             "emotionalColour", "intellectualColour",
                             "averageColour", "backgroundColour"})
      root.view().action(QString::fromLatin1(name))->trigger();
    ASSERT_EQ(next, 5);
    shown = root.view().surface().image().copy();
    root.view().action("exit")->trigger();
  }

  QSettings file(ini, QSettings::IniFormat);
  const char* stored[][2] = {
      {"Chart type", " 1"}, {"Physical", "0"}, {"Emotional", "0"}, {"Intellectual", "0"}, {"Average", "-1"},
      {"Age format", " 2"}, {"Week separators", "-1"}, {"Today marker", "-1"}, {"Physical colour", " 160"},
      {"Emotional colour", " 40960"}, {"Intellectual colour", " 10485760"}, {"Average colour", " 41120"},
      {"Background colour", " 14741759"},
  };
  for (const auto& s : stored)
    EXPECT_EQ(file.value(QStringLiteral("Tidewell/") + s[0]).toString(), s[1]) << s[0];

  AppRoot again(ini);
  again.start();
  EXPECT_TRUE(again.view().action("comparisonChart")->isChecked());
  EXPECT_TRUE(again.view().surface().image() == shown) << "another chart after the restart";
}

}  // namespace
}  // namespace tw::platform
