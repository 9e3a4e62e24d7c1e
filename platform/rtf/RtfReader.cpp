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

namespace {
// Readies the document for a read and returns the page size it had.
QSizeF prepare(QTextDocument& doc)
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
    return pageSize;
}

// Qt's layout leaves out the space above a document's first paragraph;
// word processors keep it (a title set lower on its page).
void keepLeadingSpace(QTextDocument& doc)
{
    const qreal lead = doc.begin().blockFormat().topMargin();
    if (lead <= 0) return;
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    if (root.topMargin() == doc.documentMargin() + lead) return;
    root.setTopMargin(doc.documentMargin() + lead);
    doc.rootFrame()->setFrameFormat(root);
}

// Registering creates the layout; done before reading, every edit would be
// laid out as it happens (and a whole table again for each cell).
void makeShowable(QTextDocument& doc, QSizeF pageSize)
{
    keepLeadingSpace(doc);
    RegisterPlaceholderHandler(doc);
    if (pageSize.width() > 0) doc.setPageSize(pageSize);
}
} // namespace

RtfContent ReadRtf(QByteArrayView bytes, QTextDocument& doc, const RtfReadOptions& options)
{
    const QSizeF pageSize = prepare(doc);
    RtfParser parser(doc, options);
    RtfContent content = parser.run(bytes);
    makeShowable(doc, pageSize);
    return content;
}

bool ReadableInParts(QByteArrayView bytes)
{
    if (bytes.size() < kPartsFromBytes) return false;
    // Tables are laid out whole again for each part added to them, and links,
    // marks and objects are only known once the whole page is read.
    for (const char* tied : {"\\trowd", "\\intbl", "\\cell", "\\field", "\\bkmkstart", "\\qmobject"})
        if (bytes.indexOf(QByteArrayView(tied)) >= 0) return false;
    return true;
}

PartReader::PartReader(QByteArray bytes, QTextDocument& doc, const RtfReadOptions& options)
    : bytes_(std::move(bytes)), doc_(doc), pageSize_(prepare(doc)), parser_(std::make_unique<RtfParser>(doc, options))
{
    parser_->begin(bytes_);
}

PartReader::~PartReader() = default;

bool PartReader::readFor(qint64 milliseconds)
{
    if (done_) return true;
    done_ = parser_->readFor(milliseconds * 1000000);
    if (!showable_) {
        showable_ = true;
        makeShowable(doc_, pageSize_);
    }
    return done_;
}

RtfContent PartReader::finish()
{
    while (!readFor(1000)) {}
    RtfContent content = parser_->finishParts();
    keepLeadingSpace(doc_);
    return content;
}

} // namespace qm::rtf
