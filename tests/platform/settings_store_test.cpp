#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/text_forms.h"
#include "platform/qt_settings_store.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    ASSERT_TRUE(dir.isValid());
    path = dir.filePath("Kestrelmoor/Tidewell.ini");
  }
  QTemporaryDir dir;
  QString path;
};

TEST_F(SettingsStoreTest, TextsComeBackExactlyFromTheFile) {
  const std::pair<std::string, std::string> values[] = {
      {"Chart type", " 1"},                       // blank in the key, leading blank in the value
      {"Background colour", "-2147483633"},
      {"Physical", "-1"},
      {"PeopleName 1", "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m"},  // Zoë Ångström
      {"PeopleName 2", "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E"},  // 王小明
      {"PeopleName 3", "Smith, John"},
      {"Birthname1", "first line\nsecond line"},
      {"Birthname2", ""},
      {"PeopleDate 1", "  4/12/2026  "},
      {"Odd=key;#", "a=b;c#d \"quoted\""},
  };
  {
    QtSettingsStore store(path);
    for (const auto& [k, v] : values) store.write(k, v);
    store.sync();
    ASSERT_TRUE(QFile::exists(path));
  }
  QtSettingsStore again(path);
  for (const auto& [k, v] : values) EXPECT_EQ(again.read(k, "absent"), v) << k;
}

TEST_F(SettingsStoreTest, AbsentKeyGivesTheDefault) {
  QtSettingsStore store(path);
  store.write("Chart X", " 600");
  EXPECT_EQ(store.read("Chart Y", ""), "");
  EXPECT_EQ(store.read("Physical colour", "255"), "255");
  EXPECT_EQ(store.read("Chart X", "0"), " 600");
}

TEST_F(SettingsStoreTest, KeysLiveInTheTidewellSection) {
  {
    QtSettingsStore store(path);
    store.write("Chart type", " 1");
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.startsWith("[Tidewell]")) << text.constData();
}

// A file written by hand, the way one would type it.
TEST_F(SettingsStoreTest, HandWrittenFileReads) {
  QDir().mkpath(dir.filePath("Kestrelmoor"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Tidewell]\nChart type= 1\nPhysical=0\nBirthday1=31/1/2001\n"
             "Birthname1=Smith, John\nAverage colour=&HFF\n");
  file.close();
  QtSettingsStore store(path);
  EXPECT_EQ(readSmallInt(store.read("Chart type", "0")), 1);
  EXPECT_FALSE(readBool(store.read("Physical", "-1")));
  EXPECT_EQ(readDate(store.read("Birthday1", "")), fromYmd(2001, 1, 31));
  EXPECT_EQ(store.read("Birthname1", ""), "Smith, John");
  EXPECT_EQ(readColour(store.read("Average colour", "")), 255);
}

}  // namespace
}  // namespace tw::platform
