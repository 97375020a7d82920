#include "declarations.h"

#include <QtTest>

class DeclarationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constantDeclaration_data() { addRows("declarations.tsv"); }
    void constantDeclaration();
    void splitValues_data() { addRows("split.tsv"); }
    void splitValues();

private:
    static void addRows(const char *table);
};

static QString unescape(QString field)
{
    field.replace(QLatin1String("\\t"), QLatin1String("\t"));
    const QLatin1String unit("\\u");
    for (auto at = field.indexOf(unit); at >= 0; at = field.indexOf(unit, at + 1))
        field.replace(at, 6, QChar(field.mid(at + 2, 4).toUShort(nullptr, 16)));
    return field;
}

// A table in data/ has a row per line: a name, an input and the expected result, between tabs.
void DeclarationsTest::addRows(const char *table)
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QFile file(QFINDTESTDATA("data/") + QLatin1String(table));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.size() == 3 && !fields.first().startsWith(QLatin1Char('#')))
            QTest::newRow(fields.first().toUtf8().constData())
                << unescape(fields.at(1)) << unescape(fields.at(2));
    }
}

void DeclarationsTest::constantDeclaration()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(::constantDeclaration(input), QLatin1String("private static final ") + expected);
}

void DeclarationsTest::splitValues()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(::splitValues(input), expected.split(QLatin1Char('|')));
}

QTEST_APPLESS_MAIN(DeclarationsTest)
#include "tst_declarations.moc"
