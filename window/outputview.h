#ifndef NUMCONST_OUTPUTVIEW_H
#define NUMCONST_OUTPUTVIEW_H

#include <QTextBrowser>

// The output view: a text browser whose copy makes each clipboard format only once a program asks
// for it, and which shows its last line once Qt has laid out the lines that a run put in.
class OutputView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit OutputView(QWidget *parent = nullptr);

    void showLastLineOnceLaidOut();

protected:
    QMimeData *createMimeDataFromSelection() const override;

private:
    void sizeReported();
    void showLastLine();

    bool wholeSizeReported = true;
    bool lastLinePending = false;
};

#endif
