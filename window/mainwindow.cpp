#include "mainwindow.h"

#include "declarations.h"
#include "mainwindowform.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {

// While the view copies: whether Qt reported that the display server refused the copy.
bool copyRefused = false;
QtMessageHandler otherMessages = nullptr;

void noteRefusedCopy(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "qt.qpa.clipboard") == 0)
        copyRefused = true;
    else
        otherMessages(type, context, message);
}

// Qt stamps a copy with the time of the last event it handled. On X11 a copy stamped before
// another program took the clipboard, while the lines were being built, is refused, and Qt only
// warns. The events that arrived meanwhile bring that time up to date; the copy is then made once
// more, and only Qt's own report of a second refusal is shown.
void copyToClipboard(QTextBrowser *view)
{
    copyRefused = false;
    otherMessages = qInstallMessageHandler(noteRefusedCopy);
    view->copy();
    qInstallMessageHandler(otherMessages);
    if (copyRefused) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        view->copy();
    }
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
