#ifndef NUMCONST_DECLARATIONS_H
#define NUMCONST_DECLARATIONS_H

#include <QString>
#include <QStringList>

// Splits at every ASCII or full-width comma, keeping empty parts and never trimming.
QStringList splitValues(const QString &text);

// One Java declaration for the token, without a line break.
QString constantDeclaration(QString token);

#endif
