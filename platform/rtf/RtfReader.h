#pragma once
#include "platform/rtf/RtfContent.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSizeF>
#include <memory>

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

// Long pages of running text can be shown before they are all read: a view
// shows the first part at once and reads the rest from its event loop.
inline constexpr qsizetype kPartsFromBytes = qsizetype(1) << 19;
bool ReadableInParts(QByteArrayView bytes);

class RtfParser;

// ReadRtf in parts. The document gets its layout after the first part, so
// that a view can show it; later parts are laid out as they are added.
class PartReader {
public:
    PartReader(QByteArray bytes, QTextDocument& doc, const RtfReadOptions& options = {});
    ~PartReader();
    PartReader(const PartReader&) = delete;
    PartReader& operator=(const PartReader&) = delete;

    // Reads on for about the time given; true once everything is read.
    bool readFor(qint64 milliseconds);
    // Reads what is left and returns what ReadRtf would have.
    RtfContent finish();
    QTextDocument& document() const { return doc_; }

private:
    QByteArray bytes_;
    QTextDocument& doc_;
    QSizeF pageSize_;
    std::unique_ptr<RtfParser> parser_;
    bool done_ = false;
    bool showable_ = false;
};

} // namespace qm::rtf
