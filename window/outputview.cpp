#include "outputview.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextLayout>

namespace {

// The formats of Qt's own copy of a text view's selection, in its order.
const QStringList &copiedFormats()
{
    static const QStringList formats = {
        QStringLiteral("text/plain"),
        QStringLiteral("text/html"),
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QStringLiteral("text/markdown"),
#endif
        QStringLiteral("application/vnd.oasis.opendocument.text")
    };
    return formats;
}

// A copy of the view's selection whose formats are those of Qt's own, byte for byte, each made
// only when it is asked for: HTML, OpenDocument and Markdown take long for a long list, and most
// programs ask for plain text alone.
class SelectionMimeData : public QMimeData
{
public:
    explicit SelectionMimeData(const QTextDocumentFragment &copied)
        : selection(copied)
    {
    }

    QStringList formats() const override { return copiedFormats(); }

protected:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QVariant retrieveData(const QString &format, QMetaType type) const override
#else
    QVariant retrieveData(const QString &format, QVariant::Type type) const override
#endif
    {
        if (copiedFormats().contains(format) && !QMimeData::formats().contains(format))
            const_cast<SelectionMimeData *>(this)->make(format);
        return QMimeData::retrieveData(format, type);
    }

private:
    // Stores the format, which QMimeData's own formats() then lists.
    void make(const QString &format)
    {
        if (format == QLatin1String("text/plain")) {
            setText(selection.toPlainText());
        } else if (format == QLatin1String("text/html")) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            setData(format, selection.toHtml().toUtf8());
        } else if (format == QLatin1String("text/markdown")) {
            setData(format, selection.toMarkdown().toUtf8());
#else
            setData(format, selection.toHtml("utf-8").toUtf8());
#endif
        } else {
            QBuffer buffer;
            QTextDocumentWriter(&buffer, "ODF").write(selection);
            setData(format, buffer.data());
        }
        // Like Qt's own copy, it lets go of the selection once every format is made.
        if (QMimeData::formats().size() == copiedFormats().size())
            selection = QTextDocumentFragment();
    }

    QTextDocumentFragment selection;
};

} // namespace

OutputView::OutputView(QWidget *parent)
    : QTextBrowser(parent)
{
    // Connected after QTextEdit's own handler, which sets the scroll bars to the new size.
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &OutputView::sizeReported);
}

// Plain text, never markup: a line holding tags or entities is shown and copied as it is.
void OutputView::appendLine(const QString &line)
{
    if (!appended.isEmpty())
        appended.append(QLatin1Char('\n'));
    appended.append(line);
}

// The view's content becomes the lines appended since, whole and selected. Inserted in one edit
// block that starts from an empty document, they are laid out in Qt's own steps, between events
// and after the copy, not all at once before it; selecting to the end lays nothing out either
// while the block lasts.
void OutputView::showAppendedLinesSelected()
{
    QTextCursor edit(document());
    edit.beginEditBlock();
    document()->clear();
    edit.insertText(appended);
    selectAll();
    edit.endEditBlock();
    appended.clear();
}

// Qt lays out a document filled at once in steps, between events, reporting its size as it grows
// and once more when the last line is laid out. Scrolling to its end before then would lay out all
// of it at once.
void OutputView::showLastLineOnceLaidOut()
{
    lastLinePending = true;
    if (wholeSizeReported)
        showLastLine();
}

QMimeData *OutputView::createMimeDataFromSelection() const
{
    return new SelectionMimeData(QTextDocumentFragment(textCursor()));
}

void OutputView::sizeReported()
{
    wholeSizeReported = document()->lastBlock().layout()->lineCount() > 0;
    if (lastLinePending && wholeSizeReported)
        showLastLine();
}

void OutputView::showLastLine()
{
    lastLinePending = false;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
