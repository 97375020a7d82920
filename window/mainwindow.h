#ifndef NUMCONST_MAINWINDOW_H
#define NUMCONST_MAINWINDOW_H

#include <QMainWindow>

struct MainWindowForm;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private Q_SLOTS:
    void on_lineEdit_returnPressed();
    void on_lineEdit_editingFinished();
    void on_pushButton_clicked();

private:
    void generate();
    void appendConstant(QString token);

    MainWindowForm *form;
};

#endif
