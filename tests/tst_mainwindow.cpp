#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

// Connect-by-name reports a slot that matches no signal only as a warning, so any warning fails.
static QStringList warnings;
static QtMessageHandler qtTestHandler = nullptr;

static void recordWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // The offscreen platform has no window manager to pass size hints to.
    if (text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings.append(text);
    qtTestHandler(type, context, text);
}

class MainWindowTest : public QObject
{
    Q_OBJECT

    MainWindow *window = nullptr;
    QLineEdit *field = nullptr;
    QTextBrowser *view = nullptr;
    QPushButton *button = nullptr;

private Q_SLOTS:
    void initTestCase() { qtTestHandler = qInstallMessageHandler(recordWarning); }
    void init()
    {
        warnings.clear();
        window = new MainWindow;
        field = window->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        view = window->findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
        button = window->findChild<QPushButton *>(QStringLiteral("pushButton"));
        QVERIFY(field && view && button);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup()
    {
        delete window;
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }
    void form();
    void tabChain();
    void generate_data();
    void generate();
};

void MainWindowTest::form()
{
    auto *grid = window->findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid && window->centralWidget()->layout() == grid);
    QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(window->statusBar()->objectName(), QStringLiteral("statusbar"));
    const auto at = [grid](int row, int column) {
        return grid->itemAtPosition(row, column);
    };
    QVERIFY(at(0, 0)->widget() == field && at(0, 1)->widget() == field);
    QVERIFY(at(1, 0)->widget() == view && at(1, 1)->widget() == view);
    QVERIFY(at(2, 0)->spacerItem() && at(2, 1)->widget() == button && grid->rowCount() == 3);
    QCOMPARE(window->windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(window->size(), QSize(800, 600));
    QCOMPARE(field->minimumHeight(), 30);
    QCOMPARE(button->text(), QString::fromUtf8("生成"));
    QCOMPARE(button->shortcut(), QKeySequence(Qt::Key_Return));
}

void MainWindowTest::tabChain()
{
    QCOMPARE(QApplication::focusWidget(), view);
    for (QObject *next : {static_cast<QObject *>(button), static_cast<QObject *>(field),
                          static_cast<QObject *>(view)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void MainWindowTest::generate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("output");

    const QString mixed = QString::fromUtf8("1,-2，3l");
    const QString three = QStringLiteral("private static final int NUM_1 = 1;\n"
                                         "private static final int NUM_NE_2 = -2;\n"
                                         "private static final long NUM_3L = 3L;");
    const QString earlier = QStringLiteral("an earlier run");
    QTest::newRow("click") << mixed << "lineEdit"
                           << "click" << 1 << three;
    QTest::newRow("Return in field") << mixed << "lineEdit"
                                     << "Return" << 1 << three;
    QTest::newRow("Return in view") << mixed << "textBrowser"
                                    << "Return" << 1 << three;
    QTest::newRow("Return on button") << mixed << "pushButton"
                                      << "Return" << 1 << three;
    QTest::newRow("keypad Enter in field") << mixed << "lineEdit"
                                           << "Enter" << 2 << three;
    QTest::newRow("Tab out of field") << mixed << "lineEdit"
                                      << "Tab" << 0 << earlier;
    QTest::newRow("click into view") << mixed << "lineEdit"
                                     << "click view" << 0 << earlier;
    QTest::newRow("empty") << QString() << "lineEdit"
                           << "click" << 1 << QStringLiteral("private static final int NUM_ = ;");
    QTest::newRow("blanks and markup")
        << QStringLiteral("<b>x</b>,a&amp;b  ") << "lineEdit"
        << "click" << 1
        << QStringLiteral("private static final int NUM_<B>X</B> = <B>X</B>;\n"
                          "private static final int NUM_A&AMP;B   = A&AMP;B  ;");
    // The most the field takes: 32,767 characters, 16,384 tokens.
    const QString one = QStringLiteral("private static final int NUM_1 = 1;");
    QTest::newRow("largest input")
        << QStringLiteral("1,").repeated(16383) + QStringLiteral("d") << "lineEdit"
        << "click" << 1
        << QString(one + QLatin1Char('\n')).repeated(16383) +
               QStringLiteral("private static final double NUM_D = D;");
}

void MainWindowTest::generate()
{
    QFETCH(QString, input);
    QFETCH(QString, focus);
    QFETCH(QString, action);
    QFETCH(int, runs);
    QFETCH(QString, output);

    view->setPlainText(QStringLiteral("an earlier run"));
    field->setText(input);
    auto *focused = window->findChild<QWidget *>(focus);
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());
    QSignalSpy copies(QGuiApplication::clipboard(), &QClipboard::dataChanged);

    if (action.startsWith(QLatin1String("click")))
        QTest::mouseClick(action.endsWith(QLatin1String("view")) ? view->viewport() : button,
                          Qt::LeftButton);
    else
        QTest::keySequence(focused, QKeySequence::fromString(action));
    QTest::qWait(300); // the Return shortcut clicks the button after a short delay

    QCOMPARE(copies.count(), runs);
    QCOMPARE(view->toPlainText(), output);
    QCOMPARE(field->text(), input);
    if (runs > 0) {
        QCOMPARE(QGuiApplication::clipboard()->text(), output);
        QCOMPARE(view->textCursor().selectedText().size(), output.size());
        QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
