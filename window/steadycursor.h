#ifndef NUMCONST_STEADYCURSOR_H
#define NUMCONST_STEADYCURSOR_H

#include <QObject>

class QLineEdit;

// Keeps the field's text cursor from blinking while the field holds a long text.
class SteadyCursorForLongText : public QObject
{
    Q_OBJECT

public:
    explicit SteadyCursorForLongText(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
