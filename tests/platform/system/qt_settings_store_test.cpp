// The settings file on disk: in the form it has always had, and the owner's alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <iostream>
#include <optional>
#include <sstream>

#include "people/people_store.h"
#include "platform/app_root.h"
#include "platform/qt_app.h"
#include "platform/system/qt_settings_store.h"

namespace tw::platform {
namespace {

std::optional<unsigned> modeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

// With no umask every file and folder the platform makes would be world-readable: the worst
// case. A file keeps its mode; one others may write is neither read nor written.
TEST(SettingsPermissions, NobodyElseGainsAccess) {
  test::qtApp();
  QTemporaryDir dir;
  const mode_t keptMask = ::umask(0);
  const struct {
    const char* what;
    std::optional<unsigned> oldMode;
    bool used;
  } cases[] = {{"new file", {}, true}, {"0644 file", 0644, true}, {"0666 file", 0666, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath(QString::fromUtf8(c.what) + "/Kestrelmoor/Tidewell.ini");
    const QString folder = QFileInfo(path).path();
    if (c.oldMode) {
      QDir().mkpath(folder);
      for (const QString& f : {folder, QFileInfo(folder).path()})
        ::chmod(QFile::encodeName(f).constData(), 0755);
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.errorString().toStdString();
      f.write("[Tidewell]\nBirthday1=31/1/1990\n");
      f.close();
      ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), *c.oldMode), 0);
    }
    {
      QtSettingsStore store(path);
      EXPECT_EQ(store.read("Birthday1", ""), c.oldMode && c.used ? "31/1/1990" : "");
      EXPECT_EQ(QFileInfo::exists(folder), c.oldMode.has_value()) << "reading made the folder";
      store.write("Birthday2", "4/12/2026");
      store.sync();
    }
    EXPECT_EQ(modeOf(path), c.oldMode.value_or(0600));
    ::chmod(QFile::encodeName(path).constData(), 0600);
    QtSettingsStore again(path);
    EXPECT_EQ(again.read("Birthday2", ""), c.used ? "4/12/2026" : "");
  }
  // Every folder made, not just the last.
  EXPECT_EQ(modeOf(dir.filePath("new file")), 0700u);
  EXPECT_EQ(modeOf(dir.filePath("new file/Kestrelmoor")), 0700u);
  ::umask(keptMask);
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Every file earlier versions wrote went through QSettings: it reads the same, and a new file
// is byte for byte what QSettings writes.
TEST(SettingsOnDisk, FilesAreWhatTheyHaveAlwaysBeen) {
  test::qtApp();
  QTemporaryDir dir;
  const std::vector<std::pair<std::string, std::string>> values = {
      {"Chart type", " 1"},
      {"Background colour", "-2147483633"},
      {"PeopleName 1", "Smith, John"},
      {"PeopleName 2", "; not a comment"},
      {"PeopleName 3", "a=b [Tidewell]"},
      {"PeopleName 10", "back\\slash \"Q\""},
      {"PeopleName 4", "  padded  "},
      {"PeopleName 5", "Ωμέγα Дарья 李 🎂"},
      {"PeopleName 6",
       "first\nsecond\t\x01"
       "1"},
      {"PeopleName 7", "@home"},
      {"PeopleName 8", "#hash"},
      {"PeopleName 9", ""},
      {"Birthday1", "31/1/1990"}};
  const QString theirs = dir.filePath("qsettings.ini"), ours = dir.filePath("ours.ini");
  {
    QSettings q(theirs, QSettings::IniFormat);
    for (const auto& [k, v] : values)
      q.setValue("Tidewell/" + QString::fromStdString(k), QString::fromStdString(v));
  }
  {
    QtSettingsStore store(ours);
    for (const auto& [k, v] : values) store.write(k, v);
  }
  EXPECT_EQ(bytesOf(ours).toStdString(), bytesOf(theirs).toStdString());
  QtSettingsStore reread(theirs);
  for (const auto& [k, v] : values) EXPECT_EQ(reread.read(k, "absent"), v) << k;
}

// Closes each message box as it shows, keeping its title and text.
struct MessageBoxes {
  MessageBoxes() {
    QObject::connect(&poll, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen.push_back((box->windowTitle() + ": " + box->text()).toStdString());
        box->accept();
      }
    });
    poll.start(10);
  }
  QTimer poll;
  std::vector<std::string> seen;
};

TEST(SettingsOnDisk, AFailedSaveIsToldOnceThenRetried) {
  test::qtApp();
  QTemporaryDir dir;
  QFile blocker(
      dir.filePath("config"));  // a file where the settings folder belongs: even root fails
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << blocker.errorString().toStdString();
  blocker.close();
  const QString path = dir.filePath("config/Kestrelmoor/Tidewell.ini");
  MessageBoxes boxes;
  {
    AppRoot root(path);
    root.start();
    PeopleStore people(root.store());
    people.load();
    people.names[1] = "Frank";
    people.save();
    people.names[2] = "Gina";
    people.save();
    EXPECT_EQ(boxes.seen, std::vector<std::string>{
                              "Tidewell: Tidewell could not save its settings to\n" +
                              path.toStdString() + ":\n" + dir.filePath("config").toStdString() +
                              ": Not a directory.\n\nUntil it can, "
                              "your changes are kept only while Tidewell runs. It tries "
                              "again at every change and when it closes."});
    EXPECT_EQ(root.store().read("PeopleName 1", ""), "Frank");
    ASSERT_TRUE(blocker.remove()) << blocker.errorString().toStdString();
    root.mainWindow().saveAndClose();
  }
  EXPECT_EQ(boxes.seen.size(), 1u);
  QtSettingsStore again(path);
  EXPECT_EQ(again.read("PeopleName 1", "") + again.read("PeopleName 2", ""), "FrankGina");
}

// Logout and shutdown wait for nobody: a save that fails then is one line on standard error and
// the exit status, never a box.
TEST(SettingsOnDisk, AQuitOnRequestSaysAFailedSaveOnStandardError) {
  test::qtApp();
  QTemporaryDir dir;
  const QString path = dir.filePath("Tidewell.ini");
  MessageBoxes boxes;
  std::ostringstream err;
  std::streambuf* const kept = std::cerr.rdbuf(err.rdbuf());
  int status = -1;
  {
    AppRoot root(path);
    root.start();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);  // no file can go there now
    QTimer::singleShot(0, [&root] { root.quitOnRequest(); });
    status = QApplication::exec();
  }
  std::cerr.rdbuf(kept);
  EXPECT_EQ(boxes.seen, std::vector<std::string>{});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err.str(), "tidewell: could not save the settings to " + path.toStdString() +
                           ": It is a named pipe, not a file\n");
  EXPECT_FALSE(QFileInfo(path).isFile()) << "a file took the named pipe's place";
}

}  // namespace
}  // namespace tw::platform
