#include "declarations.h"

#include <QtTest>

#include <initializer_list>

// Each row splits a text and turns every token into its line, as the window does.
class DeclarationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Upper-casing must not follow the user's locale, where i may become a dotted capital I.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish)); }
    void declarations_data();
    void declarations();
};

// The lines are given without their opening "private static final ".
static void row(const char *name, const char16_t *text,
                std::initializer_list<const char16_t *> lines)
{
    QStringList expected;
    for (const char16_t *line : lines)
        expected << QLatin1String("private static final ") + QString::fromUtf16(line);
    QTest::newRow(name) << QString::fromUtf16(text) << expected;
}

void DeclarationsTest::declarations_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    row("empty", u"", {u"int NUM_ = ;"});
    row("empty parts kept", u",,", {u"int NUM_ = ;", u"int NUM_ = ;", u"int NUM_ = ;"});
    row("full-width comma", u"1，2", {u"int NUM_1 = 1;", u"int NUM_2 = 2;"});
    row("blanks kept, so the minus is no longer leading", u" 1, -2",
        {u"int NUM_ 1 =  1;", u"int NUM_ -2 =  -2;"});
    row("no other separator", u"1;2\t3、4\n5", {u"int NUM_1;2\t3、4\n5 = 1;2\t3、4\n5;"});
    row("float suffix is no type", u"1.5f", {u"int NUM_1.5F = 1.5F;"});
    row("blank after suffix", u"3l ", {u"int NUM_3L  = 3L ;"});
    row("last character decides", u"ld,dl", {u"double NUM_LD = LD;", u"long NUM_DL = DL;"});
    row("no locale rules", u"i", {u"int NUM_I = I;"});
    row("lone surrogate after sharp s", u"ß\xD800", {u"int NUM_SS\xD800 = SS\xD800;"});
}

void DeclarationsTest::declarations()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QStringList lines;
    const QStringList tokens = splitValues(text);
    for (const QString &token : tokens)
        lines << constantDeclaration(token);
    QCOMPARE(lines, expected);
}

QTEST_APPLESS_MAIN(DeclarationsTest)
#include "tst_declarations.moc"
