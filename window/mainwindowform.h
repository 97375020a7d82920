#ifndef NUMCONST_MAINWINDOWFORM_H
#define NUMCONST_MAINWINDOWFORM_H

class QGridLayout;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QSpacerItem;
class QStatusBar;
class QWidget;

class OutputView;

// Pointers to the window's widgets; Qt's parent-child tree owns them, not this record.
struct MainWindowForm
{
    QWidget *centralwidget = nullptr;
    QGridLayout *gridLayout = nullptr;
    OutputView *textBrowser = nullptr;
    QPushButton *pushButton = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QLineEdit *lineEdit = nullptr;
    QStatusBar *statusbar = nullptr;

    void setupForm(QMainWindow *window);
    void retranslateForm(QMainWindow *window);
};

#endif
