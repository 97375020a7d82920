#include "mainwindow.h"

#include "declarations.h"
#include "mainwindowform.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

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
    view->copy();
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
