#include "mainwindow.h"

#include "declarations.h"
#include "mainwindowform.h"
#include "outputview.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>

#include <utility>

namespace {

// Qt reports that the window system refused a copy only in a message: X11's clipboard in a
// category of its own, Windows' with the OleSetClipboard call that failed. The handler that notes
// it is installed once, before main and so before any other thread exists, and notes only the
// messages of the thread that copies, while it copies; it passes every other message on.
thread_local bool copying = false;
thread_local bool copyRefused = false;
QtMessageHandler otherMessages = nullptr;

void noteRefusedCopy(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (copying &&
        ((type == QtWarningMsg && qstrcmp(context.category, "qt.qpa.clipboard") == 0) ||
         (type == QtCriticalMsg && message.startsWith(QLatin1String("OleSetClipboard")))))
        copyRefused = true;
    else
        otherMessages(type, context, message);
}

const bool refusedCopiesNoted = (otherMessages = qInstallMessageHandler(noteRefusedCopy));

// The run's copy, made again, for about a second, while the window system refuses it because
// another program has the clipboard just then. On X11, Qt stamps a copy with the time of the last
// event it handled, and one stamped before another program took the clipboard, while the lines
// were being built, is refused. On Windows, a program that holds the clipboard open (clipboard
// history, remote desktop, a clipboard manager) makes the copy fail, and one that took it during
// the run holds it open until this window has handled its messages. The events handled between
// tries bring the time stamp up to date and let those messages through. Only the last refusal
// is reported, in Qt's own words.
void copyToClipboard(QTextBrowser *view)
{
    const QDeadlineTimer deadline(1000);
    do {
        copyRefused = false;
        copying = true;
        view->copy();
        copying = false;
        if (!copyRefused)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } while (!deadline.hasExpired());
    view->copy();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , form(new MainWindowForm)
{
    form->setupForm(this);
}

MainWindow::~MainWindow()
{
    delete form;
}

void MainWindow::on_lineEdit_returnPressed()
{
    generate();
}

// The field also finishes editing when it loses the focus; only a key press inside it generates.
void MainWindow::on_lineEdit_editingFinished()
{
    if (form->lineEdit->hasFocus())
        generate();
}

void MainWindow::on_pushButton_clicked()
{
    generate();
}

void MainWindow::generate()
{
    OutputView *view = form->textBrowser;
    view->clear();
    const QStringList tokens = splitValues(form->lineEdit->text());
    for (const QString &token : tokens)
        appendConstant(token);
    view->showAppendedLinesSelected();
    copyToClipboard(view);
    // Like QTextEdit::append into a freshly cleared view: the view ends at its last line.
    view->showLastLineOnceLaidOut();
}

void MainWindow::appendConstant(QString token)
{
    form->textBrowser->appendLine(constantDeclaration(std::move(token)));
}
