#include "mainwindowform.h"

#include "outputview.h"
#include "steadycursor.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>

#include <limits>

void MainWindowForm::setupForm(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(800, 600);

    centralwidget = new QWidget(window);
    centralwidget->setObjectName(QStringLiteral("centralwidget"));
    gridLayout = new QGridLayout(centralwidget);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));

    textBrowser = new OutputView(centralwidget);
    textBrowser->setObjectName(QStringLiteral("textBrowser"));
    gridLayout->addWidget(textBrowser, 1, 0, 1, 2);

    pushButton = new QPushButton(centralwidget);
    pushButton->setObjectName(QStringLiteral("pushButton"));
    gridLayout->addWidget(pushButton, 2, 1, 1, 1);

    horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    gridLayout->addItem(horizontalSpacer, 2, 0, 1, 1);

    lineEdit = new QLineEdit(centralwidget);
    lineEdit->setObjectName(QStringLiteral("lineEdit"));
    lineEdit->setMinimumSize(QSize(0, 30));
    // QLineEdit's default of 32,767 characters would silently cut a long pasted list.
    lineEdit->setMaxLength(std::numeric_limits<int>::max());
    new SteadyCursorForLongText(lineEdit);
    gridLayout->addWidget(lineEdit, 0, 0, 1, 2);

    window->setCentralWidget(centralwidget);

    statusbar = new QStatusBar(window);
    statusbar->setObjectName(QStringLiteral("statusbar"));
    window->setStatusBar(statusbar);

    retranslateForm(window);

    QMetaObject::connectSlotsByName(window);
}

void MainWindowForm::retranslateForm(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "MainWindow", nullptr));
    pushButton->setText(QCoreApplication::translate("MainWindow", "生成", nullptr));
    pushButton->setShortcut(QKeySequence(
        QCoreApplication::translate("MainWindow", "Return", nullptr), QKeySequence::NativeText));
}
