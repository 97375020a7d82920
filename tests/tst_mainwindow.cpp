#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

// Connect-by-name reports a slot that matches no signal only as a warning, so any message of
// warning level or above fails the test that caused it.
static QStringList warnings;
static QtMessageHandler previousHandler = nullptr;

static void recordWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // The offscreen platform has no window manager to pass the window's size hints to.
    if (text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings.append(text);
    previousHandler(type, context, text);
}

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void form_data();
    void form();
    void texts();
    void tabChain();
    void generate_data();
    void generate();
    void largestInput();
    void focusLeavingFieldDoesNotGenerate_data();
    void focusLeavingFieldDoesNotGenerate();

private:
    template <typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromUtf8(name));
    }
    QLineEdit *field() const { return child<QLineEdit>("lineEdit"); }
    QTextBrowser *view() const { return child<QTextBrowser>("textBrowser"); }
    QPushButton *button() const { return child<QPushButton>("pushButton"); }
    void typeInField(const QString &text);

    MainWindow *window = nullptr;
};

void MainWindowTest::initTestCase()
{
    previousHandler = qInstallMessageHandler(recordWarning);
}

void MainWindowTest::init()
{
    warnings.clear();
    QGuiApplication::clipboard()->clear();
    window = new MainWindow;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void MainWindowTest::cleanup()
{
    delete window;
    window = nullptr;
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void MainWindowTest::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("columnSpan");

    QTest::newRow("input field") << "lineEdit"
                                 << "QLineEdit" << 0 << 0 << 2;
    QTest::newRow("output view") << "textBrowser"
                                 << "QTextBrowser" << 1 << 0 << 2;
    QTest::newRow("button") << "pushButton"
                            << "QPushButton" << 2 << 1 << 1;
}

void MainWindowTest::form()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, columnSpan);

    auto *central = window->centralWidget();
    QCOMPARE(central->objectName(), QStringLiteral("centralwidget"));
    auto *grid = qobject_cast<QGridLayout *>(central->layout());
    QVERIFY(grid);
    QCOMPARE(grid->objectName(), QStringLiteral("gridLayout"));
    QCOMPARE(grid->count(), 4);

    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget(), central);
    int r = -1, c = -1, rowSpan = -1, colSpan = -1;
    grid->getItemPosition(grid->indexOf(widget), &r, &c, &rowSpan, &colSpan);
    QCOMPARE(QList<int>({r, c, rowSpan, colSpan}), QList<int>({row, column, 1, columnSpan}));
}

void MainWindowTest::texts()
{
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(window->size(), QSize(800, 600));
    QCOMPARE(button()->text(), QString::fromUtf8("生成"));
    QCOMPARE(button()->shortcut(), QKeySequence(Qt::Key_Return));
    QCOMPARE(field()->minimumSize(), QSize(0, 30));
    QVERIFY(field()->text().isEmpty());
    QVERIFY(view()->isReadOnly());
    QCOMPARE(window->statusBar()->objectName(), QStringLiteral("statusbar"));
    QVERIFY(!window->findChild<QMenuBar *>());

    auto *grid = qobject_cast<QGridLayout *>(window->centralWidget()->layout());
    QSpacerItem *spacer = grid->itemAtPosition(2, 0)->spacerItem();
    QVERIFY(spacer);
    QCOMPARE(spacer->sizeHint(), QSize(40, 20));
    QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
}

void MainWindowTest::tabChain()
{
    const QList<QWidget *> chain = {view(), button(), field(), view()};
    QCOMPARE(QApplication::focusWidget(), chain.first());
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chain.at(i));
    }
}

void MainWindowTest::typeInField(const QString &text)
{
    field()->setFocus();
    QTRY_VERIFY(field()->hasFocus());
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, field(), Qt::Key_unknown, QString(character), {});
}

enum class Trigger { Click, ReturnInField, ReturnInView, ReturnOnButton, KeypadEnterInField };
Q_DECLARE_METATYPE(Trigger)

void MainWindowTest::generate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("output");

    const QString three = QStringLiteral("private static final int NUM_1 = 1;\n"
                                         "private static final int NUM_NE_2 = -2;\n"
                                         "private static final long NUM_3L = 3L;");
    const QString mixed = QString::fromUtf8("1,-2，3l");
    QTest::newRow("click") << mixed << Trigger::Click << 1 << three;
    QTest::newRow("return in field") << mixed << Trigger::ReturnInField << 1 << three;
    QTest::newRow("return in view") << mixed << Trigger::ReturnInView << 1 << three;
    QTest::newRow("return on button") << mixed << Trigger::ReturnOnButton << 1 << three;
    QTest::newRow("keypad enter runs twice") << mixed << Trigger::KeypadEnterInField << 2 << three;
    QTest::newRow("empty input") << QString() << Trigger::Click << 1
                                 << QStringLiteral("private static final int NUM_ = ;");
    QTest::newRow("blanks and empty tokens")
        << QStringLiteral("1, 2,,3l ") << Trigger::Click << 1
        << QStringLiteral("private static final int NUM_1 = 1;\n"
                          "private static final int NUM_ 2 =  2;\n"
                          "private static final int NUM_ = ;\n"
                          "private static final int NUM_3L  = 3L ;");
    const QString sevens = QStringLiteral("7,").repeated(199) + QStringLiteral("7");
    const QString sevenLine = QStringLiteral("private static final int NUM_7 = 7;");
    QTest::newRow("more lines than fit")
        << sevens << Trigger::Click << 1
        << QString(sevenLine + QLatin1Char('\n')).repeated(199) + sevenLine;
    QTest::newRow("markup stays text")
        << QStringLiteral("<b>x</b>,a&amp;b,<img src=x>") << Trigger::Click << 1
        << QStringLiteral("private static final int NUM_<B>X</B> = <B>X</B>;\n"
                          "private static final int NUM_A&AMP;B = A&AMP;B;\n"
                          "private static final int NUM_<IMG SRC=X> = <IMG SRC=X>;");
}

void MainWindowTest::generate()
{
    QFETCH(QString, input);
    QFETCH(Trigger, trigger);
    QFETCH(int, runs);
    QFETCH(QString, output);

    view()->setPlainText(QStringLiteral("left over from an earlier run"));
    typeInField(input);
    QSignalSpy clipboardChanges(QGuiApplication::clipboard(), &QClipboard::dataChanged);

    switch (trigger) {
    case Trigger::Click:
        QTest::mouseClick(button(), Qt::LeftButton);
        break;
    case Trigger::ReturnInField:
        QTest::keyClick(field(), Qt::Key_Return);
        break;
    case Trigger::ReturnInView:
    case Trigger::ReturnOnButton: {
        QWidget *target = trigger == Trigger::ReturnInView ? static_cast<QWidget *>(view())
                                                           : static_cast<QWidget *>(button());
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key_Return);
        break;
    }
    case Trigger::KeypadEnterInField:
        QTest::keyClick(field(), Qt::Key_Enter, Qt::KeypadModifier);
        break;
    }

    QTRY_COMPARE(clipboardChanges.count(), runs);
    QTest::qWait(200); // the button's animated click would show up late if the shortcut fired twice
    QCOMPARE(clipboardChanges.count(), runs);
    QCOMPARE(QGuiApplication::clipboard()->text(), output);
    QCOMPARE(view()->toPlainText(), output);
    QCOMPARE(view()->document()->blockCount(), output.count(QLatin1Char('\n')) + 1);
    QCOMPARE(view()->textCursor().selectedText().size(), output.size());
    QCOMPARE(field()->text(), input);
    QScrollBar *scrollBar = view()->verticalScrollBar();
    QCOMPARE(scrollBar->value(), scrollBar->maximum());

    QTest::mouseClick(button(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), output);
    QCOMPARE(view()->toPlainText(), output);
}

void MainWindowTest::largestInput()
{
    // The field's default limit of 32,767 characters holds 16,384 one-character tokens.
    const QString input = QStringLiteral("1,").repeated(16383) + QStringLiteral("d");
    field()->setText(input);
    QCOMPARE(field()->text(), input);
    QTest::mouseClick(button(), Qt::LeftButton);

    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(view()->toPlainText(), copied);
    const QStringList lines = copied.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 16384);
    QCOMPARE(lines.count(QStringLiteral("private static final int NUM_1 = 1;")), 16383);
    QCOMPARE(lines.last(), QStringLiteral("private static final double NUM_D = D;"));
}

void MainWindowTest::focusLeavingFieldDoesNotGenerate_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::newRow("tab") << true;
    QTest::newRow("click into view") << false;
}

void MainWindowTest::focusLeavingFieldDoesNotGenerate()
{
    QFETCH(bool, byTab);

    typeInField(QStringLiteral("1,2"));
    QSignalSpy clipboardChanges(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    if (byTab)
        QTest::keyClick(field(), Qt::Key_Tab);
    else
        QTest::mouseClick(view()->viewport(), Qt::LeftButton);
    QTRY_VERIFY(!field()->hasFocus());
    QTest::qWait(50);
    QCOMPARE(clipboardChanges.count(), 0);
    QVERIFY(view()->toPlainText().isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
