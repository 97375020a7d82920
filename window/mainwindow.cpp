#include "mainwindow.h"

#include "declarations.h"
#include "mainwindowform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {

// While the view copies: whether Qt reported that the window system refused the copy, which it
// does only in a message: X11's clipboard in a category of its own, Windows' with the
// OleSetClipboard call that failed.
bool copyRefused = false;
QtMessageHandler otherMessages = nullptr;

void noteRefusedCopy(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtWarningMsg && qstrcmp(context.category, "qt.qpa.clipboard") == 0) ||
        (type == QtCriticalMsg && message.startsWith(QLatin1String("OleSetClipboard"))))
        copyRefused = true;
    else
        otherMessages(type, context, message);
}

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
        otherMessages = qInstallMessageHandler(noteRefusedCopy);
        view->copy();
        qInstallMessageHandler(otherMessages);
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
    QTextBrowser *view = form->textBrowser;
    view->clear();
    const QStringList tokens = splitValues(form->lineEdit->text());

    // The view lays its lines out once per edit block. A first block of one screenful lets it
    // show its scroll bar, which narrows the text; the rest is then laid out once, at that width.
    const auto appendInOneEditBlock = [this, view](QStringList::const_iterator token,
                                                   QStringList::const_iterator end) {
        QTextCursor edit(view->document());
        edit.beginEditBlock();
        for (; token != end; ++token)
            appendConstant(*token);
        edit.endEditBlock();
    };
    const int screenful = view->viewport()->height() / view->fontMetrics().lineSpacing() + 1;
    const auto rest = tokens.size() > screenful ? tokens.cbegin() + screenful : tokens.cend();
    appendInOneEditBlock(tokens.cbegin(), rest);
    appendInOneEditBlock(rest, tokens.cend());

    view->selectAll();
    copyToClipboard(view);
    // Like QTextEdit::append into a freshly cleared view: the view ends at its last line.
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

// Plain text, never markup: a token holding tags or entities is shown and copied as typed.
void MainWindow::appendConstant(QString token)
{
    QTextDocument *document = form->textBrowser->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        end.insertBlock();
    end.insertText(constantDeclaration(std::move(token)));
}
