#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form_data();
    void form();
    void viewEndsAtLastLine();
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

// Like QTextEdit::append into a freshly cleared view, a run leaves the view at its last line.
void MainWindowTest::viewEndsAtLastLine()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    field->setText(QStringLiteral(",").repeated(99));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton);
    const QScrollBar *bar =
        window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
