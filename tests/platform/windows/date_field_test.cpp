// Dates typed, pasted and stepped in a date field under four locales: each text gives its date
// or is refused, and the field's change runs once for each date it takes.
#include "platform/windows/qt_date_field.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFocusEvent>
#include <QWheelEvent>

#include "platform/qt_app.h"

namespace tw::platform {
namespace {

constexpr Date kStart = 36526;  // 1/1/2000, the field's date before each row

struct Typing {
  Date before;          // after the keys, before the field is left
  Date after;           // after leaving it
  int changes;          // dateTaken signals
  std::string shown;    // the text once left
  std::string refusal;  // what the field says of it
  bool markedBeforeLeaving;
};

// Types `keys` over the whole text ("\r" is Return), then leaves the field.
Typing type(const char* locale, const QString& keys) {
  test::qtApp();
  QtDateField field(nullptr, QLocale(QString::fromLatin1(locale)));
  field.setDate(kStart);
  int changes = 0;
  QObject::connect(&field, &QtDateField::dateTaken, [&] { ++changes; });
  field.selectAll();
  test::typeInto(&field, keys);
  Typing t{field.date(), 0, 0, {}, {}, field.showsNoDate()};
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(&field, &out);
  t.after = field.date();
  t.changes = changes;
  t.shown = field.text().toStdString();
  t.refusal = field.refusal().toStdString();
  return t;
}

TEST(DateField, TypedDatesInFourLocales) {
  const Date d1988 = fromYmd(1988, 6, 15);
  const struct {
    const char* name;
    const char* locale;
    const char* keys;
    Date date;          // kStart when refused
    bool atOnce;        // taken as typed (or on Return), before the field is left
    const char* shown;  // a refused text stays as typed
  } rows[] = {
      {"the user's form", "en_GB", "15/06/1988", d1988, true, "15/06/1988"},
      {"one-digit day and month", "en_GB", "5/6/1988", fromYmd(1988, 6, 5), true, "05/06/1988"},
      {"two-digit year on Return", "en_GB", "15/06/88\r", d1988, true, "15/06/1988"},
      {"six digits", "en_GB", "150688", d1988, false, "15/06/1988"},
      {"letters are not typed", "en_GB", "15 June 1988", kStart, false, "15  1988"},
      {"half typed", "en_GB", "15/06", kStart, false, "15/06"},
      {"month first", "en_US", "6/15/1988", d1988, true, "6/15/1988"},
      {"day first is no US date", "en_US", "15/06/1988", kStart, false, "15/06/1988"},
      {"German dots", "de_DE", "15.06.1988", d1988, true, "15.06.1988"},
      {"C shows ISO", "C", "1988-06-15", d1988, true, "1988-06-15"},
      {"C reads a trailing year day first", "C", "15/06/1988", d1988, true, "1988-06-15"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Typing t = type(row.locale, QString::fromLatin1(row.keys));
    EXPECT_EQ(t.before, row.atOnce ? row.date : kStart);
    EXPECT_EQ(t.after, row.date);
    EXPECT_EQ(t.changes, row.date == kStart ? 0 : 1);
    EXPECT_EQ(t.shown, row.shown);
    EXPECT_EQ(t.markedBeforeLeaving, row.date == kStart);
    // Why, in the core's words, starting with the text refused.
    EXPECT_EQ(t.refusal.substr(0, t.shown.size()), row.date == kStart ? t.shown : "") << t.refusal;
  }
}

TEST(DateField, PastedAndSteppedDates) {
  test::qtApp();
  QtDateField field(nullptr, QLocale(QStringLiteral("en_GB")));
  field.setDate(kStart);
  int changes = 0;
  QObject::connect(&field, &QtDateField::dateTaken, [&] { ++changes; });
  QGuiApplication::clipboard()->setText(QStringLiteral("31/01/2024"));
  field.selectAll();
  field.paste();
  EXPECT_EQ(field.date(), fromYmd(2024, 1, 31));
  const auto press = [&](int cursor, Qt::Key key) {
    field.setCursorPosition(cursor);
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&field, &e);
    return field.text();
  };
  EXPECT_EQ(press(4, Qt::Key_Up), "29/02/2024");     // the month, kept in February
  EXPECT_EQ(press(0, Qt::Key_Up), "01/03/2024");     // the day, into March
  EXPECT_EQ(press(10, Qt::Key_Down), "01/03/2023");  // the year
  field.show();
  QApplication::setActiveWindow(&field);
  field.setFocus();
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  field.setCursorPosition(1);
  QCoreApplication::sendEvent(&field, &wheel);
  EXPECT_EQ(field.text(), "02/03/2023");
  EXPECT_EQ(changes, 5);
  field.setDate(kStart);  // from the program: no change
  EXPECT_EQ(changes, 5);
}

}  // namespace
}  // namespace tw::platform
