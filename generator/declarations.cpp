#include "declarations.h"

QStringList splitValues(const QString &text)
{
    static const QString fullWidthComma = QString::fromUtf8("，");
    QString commaSeparated = text;
    commaSeparated.replace(fullWidthComma, QStringLiteral(","), Qt::CaseSensitive);
    return commaSeparated.split(QLatin1Char(','));
}

QString constantDeclaration(QString token)
{
    // Not std::move(token).toUpper(): Qt's in-place variant corrupts a trailing lone surrogate
    // when upper-casing lengthens the string (as a sharp s does).
    const QString value = token.toUpper();
    const QString nameBody =
        value.startsWith(QLatin1Char('-')) ? QLatin1String("NE_") + value.mid(1) : value;
    const QLatin1String typeWord = value.endsWith(QLatin1Char('D'))   ? QLatin1String(" double")
                                   : value.endsWith(QLatin1Char('L')) ? QLatin1String(" long")
                                                                      : QLatin1String(" int");
    return QLatin1String("private static final") + typeWord + QLatin1String(" NUM_") + nameBody +
           QLatin1String(" = ") + value + QLatin1Char(';');
}
