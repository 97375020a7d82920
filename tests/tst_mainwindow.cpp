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

// What the form fixes, one row each: the object of that name, its class and a property.
void MainWindowTest::form_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    const auto row = [](const char *name, const char *object, const char *className,
                        const char *property = nullptr, const QVariant &value = {}) {
        QTest::newRow(name) << QString::fromLatin1(object) << QByteArray(className)
                            << QByteArray(property) << value;
    };
    row("title", "MainWindow", "MainWindow", "windowTitle", QStringLiteral("MainWindow"));
    row("starting size", "MainWindow", "MainWindow", "size", QSize(800, 600));
    row("central widget", "centralwidget", "QWidget");
    row("grid", "gridLayout", "QGridLayout");
    row("view", "textBrowser", "QTextBrowser");
    row("button label", "pushButton", "QPushButton", "text", QStringLiteral("生成"));
    row("button shortcut", "pushButton", "QPushButton", "shortcut", QKeySequence(Qt::Key_Return));
    row("field height", "lineEdit", "QLineEdit", "minimumSize", QSize(0, 30));
    row("status bar", "statusbar", "QStatusBar");
}

void MainWindowTest::form()
{
    QFETCH(QString, object);
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    MainWindow window;
    QObject *found = object == window.objectName() ? &window : window.findChild<QObject *>(object);
    QVERIFY(found);
    QCOMPARE(QByteArray(found->metaObject()->className()), className);
    if (!property.isEmpty())
        QCOMPARE(found->property(property.constData()), value);
}

void MainWindowTest::generate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("keypadEnter");
    QTest::addColumn<QString>("output");
    QTest::newRow("keypad Enter runs twice")
        << QStringLiteral("1,-2") << true
        << QStringLiteral("private static final int NUM_1 = 1;\n"
                          "private static final int NUM_NE_2 = -2;");
    QTest::newRow("empty input") << QString() << false
                                 << QStringLiteral("private static final int NUM_ = ;");
    // QLineEdit cuts text at 32,767 characters unless told otherwise.
    QTest::newRow("beyond 32,767 characters")
        << QStringLiteral("1000,").repeated(8000) + QStringLiteral("7553") << false
        << QStringLiteral("private static final int NUM_1000 = 1000;\n").repeated(8000) +
               QStringLiteral("private static final int NUM_7553 = 7553;");
}

// The input is pasted into the field, which has the focus until the button is clicked.
void MainWindowTest::generate()
{
    QFETCH(QString, input);
    QFETCH(bool, keypadEnter);
    QFETCH(QString, output);
    MainWindow window;
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    auto *view = window.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QSignalSpy copies(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QGuiApplication::clipboard()->setText(input);
    QTest::keySequence(field, QKeySequence::Paste);

    if (keypadEnter)
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")),
                          Qt::LeftButton);
    // The pasted text, then each run's copy: keypad Enter also finishes editing, with the focus
    // still in the field. Windows reports clipboard changes later, through the event loop.
    QTRY_COMPARE(copies.count(), keypadEnter ? 3 : 2);
    QCOMPARE(view->toPlainText(), output);
    QCOMPARE(QGuiApplication::clipboard()->text(), output);
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
