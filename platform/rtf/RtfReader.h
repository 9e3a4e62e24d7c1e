#pragma once
#include "platform/rtf/RtfContent.h"

#include <QByteArrayView>

class QTextDocument;

namespace qm::rtf {

struct RtfReadOptions {
    // Size of text whose size the file does not give (RTF's own default is 12).
    qreal defaultPointSize = 12;
};

// True when the bytes start (after blanks or a UTF-8 BOM) like an RTF file.
bool LooksLikeRtf(QByteArrayView bytes);

// Replaces the document's content with the RTF document in bytes and returns
// its links, text marks and object placeholders. Never fails: unreadable parts
// are skipped, and truncated or malformed input gives what could be read.
// Reading is fastest into a document that has not been laid out yet. A
// document that had no width is left unsized: set a text width (as a view
// does) to lay it out.
RtfContent ReadRtf(QByteArrayView bytes, QTextDocument& doc, const RtfReadOptions& options = {});

} // namespace qm::rtf
