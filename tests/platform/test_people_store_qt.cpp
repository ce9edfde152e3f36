#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "people/people_store.h"
#include "platform/qt_settings_store.h"

namespace tw::platform {
namespace {

// Texts an INI file has its own meaning for, and names nobody types but somebody will.
const std::string kNames[] = {
    "Jo (Jr.)",   "Smith, John", "; not a comment", "#hash", "a=b",   "[Tidewell]",
    "back\\slash", "a/b",        "\"Q\" O'Neil",    "  padded  ", "Ωμέγα Дарья 李", "🎂 party",
    std::string(1000, 'x'),
};

TEST(PeopleOnDisk, AwkwardNamesSurviveTheFileAndAreThereWithoutShuttingDown) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath(QStringLiteral("Tidewell.ini"));
  QtSettingsStore writerStore(file);
  PeopleStore writer(writerStore);
  for (int n = 1; n <= static_cast<int>(std::size(kNames)); ++n) {
    writer.peoplename[n] = kNames[n - 1];
    writer.peopledate[n] = fromYmd(1950, 3, 1) + n;
  }
  writer.peopledate[40] = 0;  // a deleted slot
  writer.SavePeople();

  // The writer is still alive, as a killed program would be: the file must have it all already.
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_TRUE(raw.readAll().contains("30/12/1899"));

  QtSettingsStore readerStore(file);
  PeopleStore reader(readerStore);
  reader.LoadPeople();
  for (int n = 1; n <= static_cast<int>(std::size(kNames)); ++n) {
    EXPECT_EQ(reader.peoplename[n], kNames[n - 1]);
    EXPECT_EQ(reader.peopledate[n], fromYmd(1950, 3, 1) + n);
    EXPECT_EQ(reader.FindPerson(reader.listLine(n)), n);
  }
  EXPECT_EQ(reader.peoplename[14], "");
  EXPECT_EQ(reader.peopledate[40], 0);
}

}  // namespace
}  // namespace tw::platform
