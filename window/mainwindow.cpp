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

    // One edit block around all lines, so that the document is laid out once per run.
    QTextCursor run(view->document());
    run.beginEditBlock();
    const QStringList tokens = splitValues(form->lineEdit->text());
    for (const QString &token : tokens)
        appendConstant(token);
    run.endEditBlock();

    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->selectAll();
    view->copy();
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
