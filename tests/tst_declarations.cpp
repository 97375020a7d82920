#include "declarations.h"

#include <QtTest>

class DeclarationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constantDeclaration_data();
    void constantDeclaration();
    void splitValues_data();
    void splitValues();
};

static QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

void DeclarationsTest::constantDeclaration_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("line");

    const auto row = [](const char *name, const char *token, const char *line) {
        QTest::newRow(name) << u8(token) << u8(line);
    };
    row("int", "1", "private static final int NUM_1 = 1;");
    row("negative int", "-2", "private static final int NUM_NE_2 = -2;");
    row("long lower-case", "3l", "private static final long NUM_3L = 3L;");
    row("long upper-case", "3L", "private static final long NUM_3L = 3L;");
    row("negative long", "-7L", "private static final long NUM_NE_7L = -7L;");
    row("double lower-case", "4.5d", "private static final double NUM_4.5D = 4.5D;");
    row("double upper-case", "4.5D", "private static final double NUM_4.5D = 4.5D;");
    row("hex ending in d", "0x1d", "private static final double NUM_0X1D = 0X1D;");
    row("hex ending in other digit", "0xff", "private static final int NUM_0XFF = 0XFF;");
    row("float suffix", "1.5f", "private static final int NUM_1.5F = 1.5F;");
    row("exponent", "1e5", "private static final int NUM_1E5 = 1E5;");
    row("decimal point only", "2.5", "private static final int NUM_2.5 = 2.5;");
    row("underscores", "1_000l", "private static final long NUM_1_000L = 1_000L;");
    row("word", "abc", "private static final int NUM_ABC = ABC;");
    row("word ending in d", "hold", "private static final double NUM_HOLD = HOLD;");
    row("word ending in l", "all", "private static final long NUM_ALL = ALL;");
    row("letter d alone", "d", "private static final double NUM_D = D;");
    row("letter l alone", "l", "private static final long NUM_L = L;");
    row("d before l", "dl", "private static final long NUM_DL = DL;");
    row("l before d", "ld", "private static final double NUM_LD = LD;");
    row("empty", "", "private static final int NUM_ = ;");
    row("minus alone", "-", "private static final int NUM_NE_ = -;");
    row("two minus signs", "--1", "private static final int NUM_NE_-1 = --1;");
    row("inner minus", "1-2", "private static final int NUM_1-2 = 1-2;");
    row("exponent minus", "-1e-5d", "private static final double NUM_NE_1E-5D = -1E-5D;");
    row("plus sign", "+5", "private static final int NUM_+5 = +5;");
    row("leading blank", " 2", "private static final int NUM_ 2 =  2;");
    row("blank before minus", " -2", "private static final int NUM_ -2 =  -2;");
    row("blank after suffix", "3l ", "private static final int NUM_3L  = 3L ;");
    row("blanks inside", "1  2", "private static final int NUM_1  2 = 1  2;");
    row("tab after suffix", "4d\t", "private static final int NUM_4D\t = 4D\t;");
    row("semicolon", "1;2", "private static final int NUM_1;2 = 1;2;");
    row("bold tag", "<b>1</b>", "private static final int NUM_<B>1</B> = <B>1</B>;");
    row("entity", "&amp;", "private static final int NUM_&AMP; = &AMP;;");
    row("sharp s", "straße", "private static final int NUM_STRASSE = STRASSE;");
    row("sharp s last", "ß", "private static final int NUM_SS = SS;");
    row("ligature fi", "ﬁ", "private static final int NUM_FI = FI;");
    row("ligature ending in l", "ﬄ", "private static final long NUM_FFL = FFL;");
    row("i without locale rules", "i", "private static final int NUM_I = I;");
    row("greek final sigma", "ς", "private static final int NUM_Σ = Σ;");
    row("full-width l is not L", "1ｌ", "private static final int NUM_1Ｌ = 1Ｌ;");
    row("full-width minus is not minus", "－1", "private static final int NUM_－1 = －1;");
    row("deseret beyond BMP", "𐐨", "private static final int NUM_𐐀 = 𐐀;");
    row("chinese", "生", "private static final int NUM_生 = 生;");

    const QString lone(QChar(0xD800));
    QTest::newRow("lone surrogate")
        << lone << u8("private static final int NUM_") + lone + u8(" = ") + lone + u8(";");
    QTest::newRow("lone surrogate after sharp s")
        << u8("ß") + lone
        << u8("private static final int NUM_SS") + lone + u8(" = SS") + lone + u8(";");
}

void DeclarationsTest::constantDeclaration()
{
    QFETCH(QString, token);
    QFETCH(QString, line);
    QCOMPARE(::constantDeclaration(token), line);
}

void DeclarationsTest::splitValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tokens");

    const auto row = [](const char *name, const char *text,
                        std::initializer_list<const char *> tokens) {
        QStringList list;
        for (const char *token : tokens)
            list.append(u8(token));
        QTest::newRow(name) << u8(text) << list;
    };
    row("empty", "", {""});
    row("one token", "42", {"42"});
    row("blank only", " ", {" "});
    row("ascii commas", "1,-2,3l,4.5d", {"1", "-2", "3l", "4.5d"});
    row("full-width commas", "1，2，3", {"1", "2", "3"});
    row("mixed commas", "1,-2，3l", {"1", "-2", "3l"});
    row("trailing comma", "1,", {"1", ""});
    row("leading comma", ",1", {"", "1"});
    row("double comma", "1,,2", {"1", "", "2"});
    row("comma only", ",", {"", ""});
    row("full-width comma only", "，", {"", ""});
    row("both commas adjacent", ",，", {"", "", ""});
    row("blanks kept", " 1 , 2 ", {" 1 ", " 2 "});
    row("other separators kept", "1;2\t3 4", {"1;2\t3 4"});
    row("ideographic comma kept", "1、2", {"1、2"});
    row("small comma kept", "1﹐2", {"1﹐2"});
    row("case kept", "a,B", {"a", "B"});
    row("newline kept", "1\n2,3", {"1\n2", "3"});
}

void DeclarationsTest::splitValues()
{
    QFETCH(QString, text);
    QFETCH(QStringList, tokens);
    QCOMPARE(::splitValues(text), tokens);
}

QTEST_APPLESS_MAIN(DeclarationsTest)
#include "tst_declarations.moc"
