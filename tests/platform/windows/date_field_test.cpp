// Dates pasted and stepped in a date field: the field's change runs once for each date it takes.
// What typing gives is the date entry's and the typed dates' to say.
#include "platform/windows/qt_date_field.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QWheelEvent>

#include "platform/qt_app.h"

namespace tw::platform {
namespace {

constexpr Date kStart = 36526;  // 1/1/2000

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
