#include "platform/TextControl.h"
#include "platform/VisibleText.h"
#include "ui/VbColor.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

// The view's text and selection, as a learner sees them: positions count the
// visible text, without the joiners the reader puts in for line breaking.
// The glossary's document is built through them.
namespace qm {

QString TextControl::text() const
{
    completeRead();
    return VisibleText(document()->toPlainText());
}

int TextControl::textLength() const { return int(text().size()); }

void TextControl::setSelection(int start, int length)
{
    completeRead();
    const QString all = document()->toPlainText();
    const int end = VisiblePosition(all, int(all.size()));
    start = qBound(0, start, end);
    const int stop = qBound(start, int(qMin<qint64>(qint64(start) + qMax(0, length), end)), end);
    QTextCursor c(document());
    c.setPosition(DocumentPosition(all, start));
    c.setPosition(DocumentPosition(all, stop), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int TextControl::selectionStart() const
{
    return VisiblePosition(document()->toPlainText(), textCursor().selectionStart());
}

int TextControl::selectionLength() const
{
    const QTextCursor c = textCursor();
    const QString all = document()->toPlainText();
    return VisiblePosition(all, c.selectionEnd()) - VisiblePosition(all, c.selectionStart());
}

QString TextControl::selectedText() const { return VisibleText(textCursor().selectedText()); }

QMimeData* TextControl::createMimeDataFromSelection() const
{
    const QTextDocumentFragment selection(textCursor());
    auto* data = new QMimeData;
    data->setText(VisibleText(selection.toPlainText()));
    data->setHtml(VisibleText(selection.toHtml()));
    return data;
}

void TextControl::replaceSelection(const QString& text)
{
    completeRead();
    QTextCursor c = textCursor();
    c.beginEditBlock();
    c.removeSelectedText();
    const QTextCharFormat plain;
    QString run;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (ch != '\r' && ch != '\n') {
            run.append(ch);
            continue;
        }
        // One break for each CR LF or LF CR pair and for each lone CR or LF.
        if (i + 1 < n && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != ch) ++i;
        c.insertText(run, plain);
        run.clear();
        c.insertBlock(QTextBlockFormat(), plain);
    }
    c.insertText(run, plain);
    c.endEditBlock();
    setTextCursor(c);
}

void TextControl::setSelectionBold(bool bold)
{
    completeRead();
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    textCursor().mergeCharFormat(f);
}

void TextControl::setSelectionFontSize(qreal points)
{
    completeRead();
    if (points <= 0) return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    textCursor().mergeCharFormat(f);
}

void TextControl::setSelectionColor(quint32 bgr)
{
    completeRead();
    QTextCharFormat f;
    f.setForeground(VbColor(bgr));
    textCursor().mergeCharFormat(f);
}

} // namespace qm
