#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form_data();
    void form();
    void longListPasted();
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

// Longer than the 32,767 characters that QLineEdit takes by default, pasted into the field, which
// has the focus until the button is clicked. The view ends at its last line.
void MainWindowTest::longListPasted()
{
    const QString input = QStringLiteral("1000,").repeated(8000) + QStringLiteral("7553");
    const QString output =
        QStringLiteral("private static final int NUM_1000 = 1000;\n").repeated(8000) +
        QStringLiteral("private static final int NUM_7553 = 7553;");
    MainWindow window;
    auto *view = window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setFocus();
    QSignalSpy copies(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QGuiApplication::clipboard()->setText(input);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton);
    // The pasted text, then one run's copy. Windows reports them later, through the event loop.
    QTRY_COMPARE(copies.count(), 2);
    QCOMPARE(view->toPlainText(), output);
    QCOMPARE(QGuiApplication::clipboard()->text(), output);
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
