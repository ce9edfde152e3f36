// The settings file on disk: in the form it has always had, and the owner's alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>

#include "people/people_store.h"
#include "platform/app_root.h"
#include "platform/qt_app.h"
#include "platform/system/qt_settings_store.h"
#include "settings/text_forms.h"

namespace tw::platform {
namespace {

std::optional<unsigned> modeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

// The settings file is the user's config home's, $XDG_CONFIG_HOME or else ~/.config.
TEST(SettingsPlace, TheFileLivesInTheConfigHome) {
  test::qtApp();
  const QByteArray kept = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", "/tmp/tw-config");
  const std::string set = QtSettingsStore::defaultFilePath().toStdString();
  qunsetenv("XDG_CONFIG_HOME");
  const std::string unset = QtSettingsStore::defaultFilePath().toStdString();
  if (!kept.isNull()) qputenv("XDG_CONFIG_HOME", kept);
  EXPECT_EQ(set, "/tmp/tw-config/Kestrelmoor/Tidewell.ini");
  EXPECT_EQ(unset, (QDir::homePath() + "/.config/Kestrelmoor/Tidewell.ini").toStdString());
}

// With no umask every file and folder the platform makes would be world-readable: the worst
// case. Permissions are only ever taken away, and only by writing; a file others may write is
// neither read nor written.
TEST(SettingsPermissions, NobodyElseGainsAccess) {
  test::qtApp();
  QTemporaryDir dir;
  const mode_t keptMask = ::umask(0);
  const bool root = ::geteuid() == 0;  // root may write a read-only file, and so keeps it read-only
  const struct {
    const char* what;
    std::optional<unsigned> oldMode;
    bool write, sync;
    unsigned mode;
    bool used;
  } cases[] = {
      {"new file, synced", {}, true, true, 0600, true},
      {"new file, written when the store goes", {}, true, false, 0600, true},
      {"0644 file, only read", 0644, false, false, 0644, true},
      {"0444 file, only read", 0444, false, false, 0444, true},
      {"0666 file, written and synced", 0666, true, true, 0666, false},
      {"0400 file, written and synced", 0400, root, true, 0400, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath(QString::fromUtf8(c.what) + "/Kestrelmoor/Tidewell.ini");
    if (c.oldMode) {
      const QString folder = QFileInfo(path).path();
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
      if (c.write) store.write("Birthday2", "4/12/2026");
      if (c.sync) store.sync();
    }
    EXPECT_EQ(modeOf(path), c.mode);
    ::chmod(QFile::encodeName(path).constData(), 0600);
    QtSettingsStore again(path);
    EXPECT_EQ(again.read("Birthday2", ""), c.write && c.used ? "4/12/2026" : "");
  }
  const QString fresh = dir.filePath("fresh/Kestrelmoor/Tidewell.ini");
  EXPECT_EQ(QtSettingsStore(fresh).read("Chart type", " 0"), " 0");
  EXPECT_FALSE(QFile::exists(dir.filePath("fresh"))) << "reading made the folder";
  {
    QtSettingsStore store(fresh);
    store.write("Chart type", " 1");
    store.sync();
  }
  EXPECT_EQ(modeOf(dir.filePath("fresh")), 0700u);  // every folder made, not just the last
  EXPECT_EQ(modeOf(dir.filePath("fresh/Kestrelmoor")), 0700u);
  ::umask(keptMask);
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

TEST(SettingsOnDisk, AHugeFileIsOnlyRead) {
  test::qtApp();
  QTemporaryDir dir;
  QFile file(dir.filePath("Tidewell.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
  file.write("[Other]\nJunk=" + QByteArray(kLargestSettingsFile, ',') +
             "\n[Tidewell]\nChart%20type=\" 1\"\nUnknown=u\n");
  file.write("Birthname1=\"" + QByteArray(3'000'000, 'x') + "\n");  // its quote never closes
  file.write("PeopleName 3=Ann\nPeopleName 3=Anna\nPeopleName 51=Nobody\n");
  // Hand-written commas: a name is one text as it stands, never a list.
  file.write("PeopleName 4=Smith ,  John\nPeopleName 5=\"Smith\",John\n");
  file.close();
  const QByteArray before = bytesOf(file.fileName());
  {
    QtSettingsStore store(file.fileName());
    EXPECT_EQ(
        (std::vector<std::string>{store.read("Chart type", ""), store.read("PeopleName 3", ""),
                                  store.read("PeopleName 4", ""), store.read("PeopleName 5", ""),
                                  store.read("Unknown", "-"), store.read("PeopleName 51", "-"),
                                  std::to_string(readName(store.read("Birthname1", "")).size())}),
        (std::vector<std::string>{" 1", "Anna", "Smith ,  John", "Smith,John", "-", "-",
                                  std::to_string(kLongestName)}));
    EXPECT_EQ(store.leftUntouchedBecause().left(29), "It is larger than any setting");
    store.write("Chart type", " 0");
    store.sync();
  }
  EXPECT_EQ(bytesOf(file.fileName()).size(), before.size());
  EXPECT_TRUE(bytesOf(file.fileName()) == before) << "the huge file was changed";
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

// What stands at the settings file's place but is no plain file of the user's is never
// opened for reading nor written through; a link to the user's own file keeps being a link.
TEST(SettingsOnDisk, ANamedPipeAFolderOrABrokenLinkIsLeftAsItIs) {
  test::qtApp();
  QTemporaryDir dir;
  const QString own = dir.filePath("own.ini");
  QFile(own).open(QIODevice::WriteOnly);
  const struct {
    const char* what;
    std::function<void(const QByteArray&)> make;
    bool untouched;
  } cases[] = {
      {"a named pipe", [](const QByteArray& p) { ::mkfifo(p.constData(), 0600); }, true},
      {"a folder", [](const QByteArray& p) { ::mkdir(p.constData(), 0700); }, true},
      {"a link to nothing",
       [&](const QByteArray& p) {
         ::symlink(QFile::encodeName(dir.filePath("none")).constData(), p.constData());
       },
       true},
      {"a link to a device", [](const QByteArray& p) { ::symlink("/dev/null", p.constData()); },
       true},
      {"a link to the user's own file",
       [&](const QByteArray& p) { ::symlink(QFile::encodeName(own).constData(), p.constData()); },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath(QString::fromUtf8(c.what));
    c.make(QFile::encodeName(path));
    {
      QtSettingsStore store(path);  // a pipe opened for reading would wait here for ever
      EXPECT_FALSE(store.isNew()) << "taken for a first run";
      EXPECT_EQ(store.leftUntouchedBecause().isEmpty(), !c.untouched)
          << store.leftUntouchedBecause().toStdString();
      store.write("Birthname1", "Ann");
      store.sync();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none"))) << "a file was made where the link led";
    EXPECT_EQ(QFileInfo(path).isSymLink(), QByteArray(c.what).startsWith("a link"));
  }
  EXPECT_EQ(bytesOf(own), "[Tidewell]\nBirthname1=Ann\n");
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
