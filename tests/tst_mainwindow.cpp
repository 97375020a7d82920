#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form_data();
    void form();
    void generate_data();
    void generate();
};

// What the form fixes, one row each, named after the object and its property.
void MainWindowTest::form_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("MainWindow windowTitle") << QVariant(QStringLiteral("MainWindow"));
    QTest::newRow("MainWindow size") << QVariant(QSize(800, 600));
    QTest::newRow("pushButton text") << QVariant(QStringLiteral("生成"));
    QTest::newRow("pushButton shortcut") << QVariant(QKeySequence(Qt::Key_Return));
    QTest::newRow("lineEdit minimumSize") << QVariant(QSize(0, 30));
    QTest::newRow("horizontalSpacer sizeHint") << QVariant(QSize(40, 20));
    for (const char *name : {"centralwidget", "gridLayout", "textBrowser", "statusbar"})
        QTest::addRow("%s objectName", name) << QVariant(QString::fromLatin1(name));
}

void MainWindowTest::form()
{
    QFETCH(QVariant, value);
    const QStringList tag = QString::fromLatin1(QTest::currentDataTag()).split(QLatin1Char(' '));
    MainWindow window;
    if (tag[0] ==
        QLatin1String("horizontalSpacer")) { // no object: the grid's item beside the button
        const auto *grid = window.findChild<QGridLayout *>();
        QCOMPARE(QVariant(grid->itemAtPosition(2, 0)->sizeHint()), value);
        return;
    }
    QObject *object = tag[0] == window.objectName() ? &window : window.findChild<QObject *>(tag[0]);
    QVERIFY(object);
    QCOMPARE(object->property(tag[1].toLatin1().constData()), value);
}

// QLineEdit cuts text at 32,767 characters unless told otherwise.
void MainWindowTest::generate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("beyond 32,767 characters")
        << QStringLiteral("1000,").repeated(8000) + QStringLiteral("7553")
        << QStringLiteral("private static final int NUM_1000 = 1000;\n").repeated(8000) +
               QStringLiteral("private static final int NUM_7553 = 7553;");
}

// The input is pasted into the field, which has the focus until the button is clicked.
void MainWindowTest::generate()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
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
