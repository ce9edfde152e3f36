#pragma once
// What a date field says of a text it cannot read: a note laid over its window under the
// field, as a tooltip is, so it moves no control and takes no focus or click.
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace tw::platform {

// Shows `text` in `note` (made on first use) under `field`; an empty text hides it.
void showDateNote(QPointer<QLabel>& note, QWidget* field, const QString& text);

}  // namespace tw::platform
