// Every window opened under the pseudo-language, whose texts are longer than English and
// marked with brackets: a text cut by its control, or one that never went through the
// catalogue, is named.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "catalogue/catalogue.h"
#include "platform/app_root.h"
#include "platform/qt_app.h"
#include "platform/windows/qt_controls.h"

namespace tw::platform {
namespace {

QString shown(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(u'&');
  text.replace(u'\x01', u'&');
  return text.trimmed();
}

// Numbers and dates are the locale's, not the catalogue's; the program's name is its own.
bool needsNoCatalogue(const QString& text) {
  static const QRegularExpression numbers(QStringLiteral("^[-\\d\\s/.:,()%+]*$"));
  return text.isEmpty() || numbers.match(text).hasMatch() || text == QStringLiteral("Tidewell");
}

// A message box's standard buttons speak Qt's own translations, which have no pseudo-language.
bool qtsOwn(const QWidget* w, const QString& text) {
  static const QStringList standard{QStringLiteral("OK"),     QStringLiteral("&OK"),
                                    QStringLiteral("&Yes"),   QStringLiteral("&No"),
                                    QStringLiteral("Cancel"), QStringLiteral("&Cancel")};
  return qobject_cast<const QAbstractButton*>(w) && w->parentWidget() &&
         w->parentWidget()->inherits("QDialogButtonBox") && standard.contains(text);
}

bool pseudo(const QString& text) { return text.startsWith(u'[') && text.endsWith(u']'); }

// What is wrong in one window, each line naming the widget and its text.
void inspect(QWidget* window, QStringList& problems, QStringList& inspected) {
  const QString where = window->objectName().isEmpty()
                            ? QString::fromLatin1(window->metaObject()->className())
                            : window->objectName();
  inspected << window->windowTitle();
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    if (w != window && !w->isVisibleTo(window)) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())) continue;
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      text = button->text();
    } else if (w == window) {
      text = w->windowTitle();
    } else {
      continue;
    }
    const QString name =
        where + "/" + (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
    if (w != window && textRoom(w) > w->width())
      problems << QStringLiteral("cut: %1 \"%2\" needs %3 px, has %4")
                      .arg(name, shown(text))
                      .arg(textRoom(w))
                      .arg(w->width());
    if (!needsNoCatalogue(shown(text)) && !qtsOwn(w, text) && !pseudo(shown(text)))
      problems << QStringLiteral("not from the catalogue: %1 \"%2\"").arg(name, shown(text));
  }
  if (auto* bar = window->findChild<QMenuBar*>()) {
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
      for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        if (!pseudo(shown(a->text())))
          problems << QStringLiteral("not from the catalogue: menu \"%1\"").arg(a->text());
        if (a->menu()) walk(a->menu()->actions());
      }
    };
    walk(bar->actions());
  }
}

class PseudoWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LANGUAGE", "qps", 1);
    catalogue::open(TIDEWELL_LOCALE_DIR);
    test::qtApp();
    root = std::make_unique<AppRoot>(dir.filePath("Tidewell.ini"));
    root->start();
    root->view().show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    root.reset();
    setenv("LANGUAGE", "", 1);
    catalogue::open(TIDEWELL_LOCALE_DIR);
  }

  // Runs `open`, inspects each window it brings up besides the main one, and closes it.
  void opening(const std::function<void()>& open) {
    QTimer::singleShot(100, [this] {
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &root->view() && top->isVisible() && !qobject_cast<QMenu*>(top)) {
          inspect(top, problems, inspected);
          top->hide();
        }
    });
    open();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

  QTemporaryDir dir;
  std::unique_ptr<AppRoot> root;
  QStringList problems;
  QStringList inspected;  // the windows' titles
};

TEST_F(PseudoWindows, EveryTextFitsAndComesFromTheCatalogue) {
  for (const char* type : {"biorhythmChart", "comparisonChart"}) {
    root->view().action(type)->trigger();
    QCoreApplication::processEvents();
    inspect(&root->view(), problems, inspected);
  }
  for (const char* action : {"criticalDays", "about", "chartKey", "interpret", "helpContents"})
    opening([&] { root->view().action(action)->trigger(); });
  opening([&] { root->view().findChild<QPushButton*>("birthdayButton")->click(); });
  opening([&] { root->welcomeFirstRun(); });
  // Both charts, Critical days, About, Chart key, the reading, Help, People, the first run.
  EXPECT_GE(inspected.size(), 9) << inspected.join(u'|').toStdString();
  problems.removeDuplicates();
  EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

}  // namespace
}  // namespace tw::platform
