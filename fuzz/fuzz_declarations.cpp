// Feeds arbitrary UTF-16, lone surrogates included, through the splitting and the declaration
// rule, and checks what must hold for every input.
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

bool isSeparator(QChar character)
{
    return character == QLatin1Char(',') || character == fullWidthComma;
}

QString expectedLine(const QString &token)
{
    const QString value = token.toUpper();
    const QChar last = value.isEmpty() ? QChar() : value.back();
    const QLatin1String type = last == QLatin1Char('D')   ? QLatin1String(" double")
                               : last == QLatin1Char('L') ? QLatin1String(" long")
                                                          : QLatin1String(" int");
    const QString body =
        value.startsWith(QLatin1Char('-')) ? QLatin1String("NE_") + value.mid(1) : value;
    return QLatin1String("private static final") + type + QLatin1String(" NUM_") + body +
           QLatin1String(" = ") + value + QLatin1Char(';');
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
        require(constantDeclaration(token) == expectedLine(token));
    return 0;
}
