#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { desktopFlashTime = QApplication::cursorFlashTime(); }
    void form_data();
    void form();
    void viewEndsAtLastLine();
    void cursorBlinksWhileTextIsShort();
    void clipboardFormats_data();
    void clipboardFormats();

private:
    int desktopFlashTime = 0; // before any field is painted
};

// What the form fixes and no run from the keyboard shows, one row each: the value read from a
// fresh window, and the one expected.
void MainWindowTest::form_data()
{
    QTest::addColumn<QVariant>("actual");
    QTest::addColumn<QVariant>("expected");
    MainWindow window;
    const auto read = [&window](const char *object, const char *property) {
        const QObject *found = window.findChild<QObject *>(QString::fromLatin1(object));
        return found ? found->property(property) : QVariant();
    };
    QTest::newRow("starting size") << QVariant(window.size()) << QVariant(QSize(800, 600));
    QTest::newRow("button label") << read("pushButton", "text") << QVariant(QStringLiteral("生成"));
    QTest::newRow("field height") << read("lineEdit", "minimumSize") << QVariant(QSize(0, 30));
    QTest::newRow("spacer size")
        << QVariant(window.findChild<QGridLayout *>()->itemAtPosition(2, 0)->sizeHint())
        << QVariant(QSize(40, 20));
    for (const char *name : {"centralwidget", "gridLayout", "textBrowser", "statusbar"})
        QTest::newRow(name) << read(name, "objectName") << QVariant(QString::fromLatin1(name));
}

void MainWindowTest::form()
{
    QFETCH(QVariant, actual);
    QFETCH(QVariant, expected);
    QCOMPARE(actual, expected);
}

// Like QTextEdit::append into a freshly cleared view, a run leaves the view at its last line, once
// it is laid out.
void MainWindowTest::viewEndsAtLastLine()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>(QStringLiteral("lineEdit"))
        ->setText(QStringLiteral(",").repeated(99));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton);
    const QScrollBar *bar =
        window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0 && bar->value() == bar->maximum());
}

// The field's cursor stops blinking while the field holds a long text, and blinks again at the
// desktop's rate once the text is short.
void MainWindowTest::cursorBlinksWhileTextIsShort()
{
    QVERIFY(desktopFlashTime > 0);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    field->setText(QStringLiteral("1,").repeated(3000));
    QTRY_COMPARE(QApplication::cursorFlashTime(), 0);
    field->setText(QStringLiteral("1"));
    QTRY_COMPARE(QApplication::cursorFlashTime(), desktopFlashTime);
}

// OpenDocument is a ZIP whose entries carry the time they were written at, in two-second steps.
static QByteArray withoutZipTimes(QByteArray data)
{
    for (const auto &[header, at] : {std::pair{"PK\x03\x04", 10}, {"PK\x01\x02", 12}})
        for (auto i = data.indexOf(header); i >= 0; i = data.indexOf(header, i + 1))
            data.replace(i + at, 4, QByteArray(4, '\0'));
    return data;
}

// Each format of the run's copy is the one that Qt's own copy of the same view gives.
void MainWindowTest::clipboardFormats_data()
{
    QTest::addColumn<QString>("format");
    QTextEdit view(QStringLiteral("x"));
    view.selectAll();
    view.copy();
    const QStringList formats = QGuiApplication::clipboard()->mimeData()->formats();
    for (const QString &format : formats)
        QTest::newRow(qPrintable(format)) << format;
}

void MainWindowTest::clipboardFormats()
{
    QFETCH(QString, format);
    MainWindow window;
    window.findChild<QLineEdit *>(QStringLiteral("lineEdit"))
        ->setText(QString::fromUtf16(u"<b>&amp;</b>,a\u00A0b\u2028c，,"));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton);
    const QByteArray ours = withoutZipTimes(QGuiApplication::clipboard()->mimeData()->data(format));
    QTextBrowser qts;
    qts.setDocument(
        window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->document()->clone(&qts));
    qts.selectAll();
    qts.copy();
    QCOMPARE(ours, withoutZipTimes(QGuiApplication::clipboard()->mimeData()->data(format)));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
