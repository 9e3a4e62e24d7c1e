#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfObjectPlaceholder.h"
#include "platform/rtf/RtfParser.h"

#include <QTextDocument>

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
    RegisterPlaceholderHandler(doc);
    doc.setUndoRedoEnabled(false);
    RtfParser parser(doc, options);
    // Pages are shown, not edited: no undo history is kept for them.
    return parser.run(bytes);
}

} // namespace qm::rtf
