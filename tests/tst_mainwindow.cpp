#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generate_data();
    void generate();
};

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
    QGuiApplication::clipboard()->setText(input);
    QTest::keySequence(field, QKeySequence::Paste);
    QSignalSpy copies(QGuiApplication::clipboard(), &QClipboard::dataChanged);

    if (keypadEnter)
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")),
                          Qt::LeftButton);
    // Keypad Enter also finishes editing, with the focus still in the field.
    QCOMPARE(copies.count(), keypadEnter ? 2 : 1);
    QCOMPARE(view->toPlainText(), output);
    QCOMPARE(QGuiApplication::clipboard()->text(), output);
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
