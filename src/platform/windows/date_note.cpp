#include "platform/windows/date_note.h"

#include <QLabel>
#include <algorithm>

namespace tw::platform {

void showDateNote(QPointer<QLabel>& note, QWidget* field, const QString& text) {
  if (text.isEmpty()) {
    if (note) note->hide();
    return;
  }
  QWidget* over = field->window();
  if (!note || note->parentWidget() != over) {
    delete note;
    note = new QLabel(over);
    note->setObjectName(QStringLiteral("dateNote"));
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setFocusPolicy(Qt::NoFocus);
    note->setWordWrap(true);
    note->setFrameShape(QFrame::Box);
    note->setMargin(2);
    note->setForegroundRole(QPalette::ToolTipText);
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setAutoFillBackground(true);
    note->setFont(field->font());
  }
  note->setText(text);
  note->setAccessibleName(text);
  // One line where the window is wide enough, else wrapped within it.
  const int margins = 2 * (note->margin() + note->frameWidth()) + 2;
  const int width =
      std::min(over->width() - 4, note->fontMetrics().horizontalAdvance(text) + margins);
  note->setFixedWidth(width);
  note->setFixedHeight(note->heightForWidth(width));
  // Under the field, or over it where the window ends too soon.
  const QPoint below = field->mapTo(over, QPoint(0, field->height() + 1));
  const int x = std::clamp(below.x(), 2, std::max(2, over->width() - width - 2));
  const int y = below.y() + note->height() <= over->height()
                    ? below.y()
                    : field->mapTo(over, QPoint(0, 0)).y() - note->height() - 1;
  note->move(x, std::max(0, y));
  note->raise();
  note->show();
}

}  // namespace tw::platform
