#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfObjectPlaceholder.h"
#include "platform/rtf/RtfParser.h"

#include <QTextDocument>
#include <QTextFrame>

namespace qm::rtf {

bool LooksLikeRtf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

RtfContent ReadRtf(QByteArrayView bytes, QTextDocument& doc, const RtfReadOptions& options)
{
    doc.clear();
    // Pages are shown, not edited: no undo history is kept for them.
    doc.setUndoRedoEnabled(false);
    // A word is broken only when it is wider than its line: in a table
    // column the column widens for it instead.
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(option);
    // Laying out is the view's work, at its own width. A document without a
    // width would be laid out in full, unwrapped, as soon as its layout
    // exists; with no page size it waits until it is given one.
    const QSizeF pageSize = doc.pageSize();
    doc.setPageSize(QSizeF(0, 0));
    RtfParser parser(doc, options);
    RtfContent content = parser.run(bytes);
    // Qt's layout leaves out the space above a document's first paragraph;
    // word processors keep it (a title set lower on its page).
    if (const qreal lead = doc.begin().blockFormat().topMargin(); lead > 0) {
        QTextFrameFormat root = doc.rootFrame()->frameFormat();
        root.setTopMargin(doc.documentMargin() + lead);
        doc.rootFrame()->setFrameFormat(root);
    }
    // Registering creates the layout; done before reading, every edit would
    // be laid out as it happens (and a whole table again for each cell).
    RegisterPlaceholderHandler(doc);
    if (pageSize.width() > 0) doc.setPageSize(pageSize);
    return content;
}

} // namespace qm::rtf
