#ifndef NUMCONST_OUTPUTVIEW_H
#define NUMCONST_OUTPUTVIEW_H

#include <QTextBrowser>

// The output view: a text browser that takes a run's lines as plain text, all at once, whose copy
// makes each clipboard format only once a program asks for it, and which shows its last line once
// Qt has laid out the lines.
class OutputView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit OutputView(QWidget *parent = nullptr);

    void appendLine(const QString &line);
    void showAppendedLinesSelected();
    void showLastLineOnceLaidOut();

protected:
    QMimeData *createMimeDataFromSelection() const override;

private:
    void sizeReported();
    void showLastLine();

    QString appended;
    bool wholeSizeReported = true;
    bool lastLinePending = false;
};

#endif
