// Feeds arbitrary UTF-16, lone surrogates included, through the splitting and the declaration
// rule, and checks properties that hold for every input.
#include "declarations.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

const QChar fullWidthComma(0xFF0C);
const QLatin1String opening("private static final");

bool isSeparator(QChar character)
{
    return character == QLatin1Char(',') || character == fullWidthComma;
}

// The type word and the blank after it, or an empty string when the line has none of them.
QString typeWord(const QString &line)
{
    for (const char *type : {" double ", " long ", " int "})
        if (QStringView(line).mid(opening.size()).startsWith(QLatin1String(type)))
            return QLatin1String(type);
    return QString();
}

void checkDeclaration(const QString &token)
{
    const QString line = constantDeclaration(token);
    const QString value = token.toUpper();
    const QString ending = QLatin1String(" = ") + value + QLatin1Char(';');
    require(line.startsWith(opening) && line.endsWith(ending));

    // Only the last character of the upper-cased value counts. (Qt leaves the letter after a
    // lone high surrogate as it is, so that is not always the token's last character upper-cased.)
    const QString type = typeWord(line);
    const QChar last = value.isEmpty() ? QChar() : value.back();
    require(type == QLatin1String(last == QLatin1Char('D')   ? " double "
                                  : last == QLatin1Char('L') ? " long "
                                                             : " int "));

    const int nameAt = opening.size() + type.size();
    const QString name = line.mid(nameAt, line.size() - nameAt - ending.size());
    const bool negative = value.startsWith(QLatin1Char('-'));
    require(name ==
            QLatin1String("NUM_") + (negative ? QLatin1String("NE_") + value.mid(1) : value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString text;
    text.resize(static_cast<int>(size / 2));
    std::memcpy(text.data(), data, size / 2 * 2);

    const QStringList tokens = splitValues(text);
    require(tokens.size() == std::count_if(text.cbegin(), text.cend(), isSeparator) + 1);
    require(tokens.join(QLatin1Char(',')) ==
            QString(text).replace(fullWidthComma, QLatin1Char(',')));

    for (const QString &token : tokens)
        checkDeclaration(token);
    return 0;
}
