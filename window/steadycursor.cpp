#include "steadycursor.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

SteadyCursorForLongText::SteadyCursorForLongText(QLineEdit *field)
    : QObject(field)
{
    field->installEventFilter(this);
}

// At each blink QLineEdit draws its whole text again, and Qt 6 measures it again too: for a list
// of 65,535 values that is 8 to 20 % of a core for as long as the field has the focus. The length
// is checked as the field paints, which it does after every change. The blink time is this
// application's own (on Windows too, Qt only reads the system's); -1 gives back the desktop's.
bool SteadyCursorForLongText::eventFilter(QObject *watched, QEvent *event)
{
    constexpr int longText = 4096;
    if (event->type() == QEvent::Paint)
        QApplication::setCursorFlashTime(
            static_cast<QLineEdit *>(watched)->text().size() > longText ? 0 : -1);
    return false;
}
