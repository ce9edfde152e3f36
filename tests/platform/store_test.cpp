// The settings file on disk: texts come back exactly, and the people list survives it.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "people/people_store.h"
#include "platform/qt_settings_store.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(SettingsStore, TextsComeBackExactlyFromTheTidewellSectionOfTheFile) {
  test::qtApp();
  QTemporaryDir dir;
  const QString path = dir.filePath("Kestrelmoor/Tidewell.ini");
  const std::pair<std::string, std::string> values[] = {
      {"Chart type", " 1"},  // blank in the key, leading blank in the value
      {"Background colour", "-2147483633"}, {"Physical", "-1"},
      {"PeopleName 1", "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m"},     // Zoë Ångström
      {"PeopleName 2", "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E"},  // 王小明
      {"PeopleName 3", "Smith, John"}, {"Birthname1", "first line\nsecond line"}, {"Birthname2", ""},
      {"PeopleDate 1", "  4/12/2026  "}, {"Odd=key;#", "a=b;c#d \"quoted\""},
  };
  {
    QtSettingsStore store(path);
    for (const auto& [k, v] : values) store.write(k, v);
    store.sync();
    EXPECT_EQ(store.read("Chart Y", "absent"), "absent");
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("[Tidewell]"));
  QtSettingsStore again(path);
  for (const auto& [k, v] : values) EXPECT_EQ(again.read(k, "absent"), v) << k;

  // A file typed by hand: a comma is text, not a list.
  QFile typed(dir.filePath("typed.ini"));
  ASSERT_TRUE(typed.open(QIODevice::WriteOnly));
  typed.write("[Tidewell]\nBirthname1=Smith, John\nAverage colour=&HFF\n");
  typed.close();
  QtSettingsStore hand(typed.fileName());
  EXPECT_EQ(hand.read("Birthname1", ""), "Smith, John");
  EXPECT_EQ(hand.read("Average colour", ""), "&HFF");
}

TEST(PeopleOnDisk, AwkwardNamesSurviveTheFileAndAreThereWithoutShuttingDown) {
  // Texts an INI file has its own meaning for, and names nobody types but somebody will.
  const std::string names[] = {
      "Jo (Jr.)", "Smith, John", "; not a comment", "#hash", "a=b", "[Tidewell]", "back\\slash",
      "a/b", "\"Q\" O'Neil", "  padded  ", "Ωμέγα Дарья 李", "🎂 party", std::string(1000, 'x'),
  };
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("Tidewell.ini"));
  QtSettingsStore writerStore(file);
  PeopleStore writer(writerStore);
  for (int n = 1; n <= static_cast<int>(std::size(names)); ++n) {
    writer.peoplename[n] = names[n - 1];
    writer.peopledate[n] = fromYmd(1950, 3, 1) + n;
  }
  writer.peopledate[40] = 0;  // a deleted slot
  writer.SavePeople();

  // The writer is still alive, as a killed program would be: the file must have it all already.
  QtSettingsStore readerStore(file);
  PeopleStore reader(readerStore);
  reader.LoadPeople();
  for (int n = 1; n <= static_cast<int>(std::size(names)); ++n) {
    EXPECT_EQ(reader.peoplename[n], names[n - 1]);
    EXPECT_EQ(reader.peopledate[n], fromYmd(1950, 3, 1) + n);
    EXPECT_EQ(reader.FindPerson(reader.listLine(n)), n);
  }
  EXPECT_EQ(reader.peoplename[14], "");
  EXPECT_EQ(reader.peopledate[40], 0);
}

}  // namespace
}  // namespace tw::platform
