#include "platform/rtf/RtfField.h"
#include "platform/rtf/RtfObjectPlaceholder.h"
#include "platform/rtf/RtfParser.h"

#include <QTextDocument>
#include <QUrl>

// Groups whose content is not running text: tables of fonts and colours,
// fields, pictures, text marks, object placeholders and notes.
namespace qm::rtf {
namespace {
constexpr QSize kDefaultObjectSize(320, 240);
} // namespace

bool RtfParser::startDestination(Kw kw)
{
    GroupState& g = cur();
    const auto open = [&g](Destination d) {
        g.dest = d;
        g.opensDestination = true;
    };
    switch (kw) {
    case Kw::FontTable: open(Destination::FontTable); return true;
    case Kw::ColorTable: open(Destination::ColorTable); return true;
    case Kw::StyleSheet:
    case Kw::SkippedDestination:
    case Kw::BookmarkEnd:
    case Kw::NonShapePict:
        g.dest = Destination::Skip;
        return true;
    case Kw::Pict:
        if (g.dest != Destination::Text) { g.dest = Destination::Skip; return true; }
        picture_.reset();
        open(Destination::Picture);
        return true;
    case Kw::Field:
        if (g.dest == Destination::FieldInst) {
            g.nestedField = true;
        } else if (g.dest == Destination::Text) {
            fields_.push_back(Field{});
            g.field = int(fields_.size()) - 1;
            g.nestedField = false;
        }
        return true;
    case Kw::FieldInst:
        if (g.field < 0 || g.nestedField || g.dest != Destination::Text) g.dest = Destination::Skip;
        else open(Destination::FieldInst);
        return true;
    case Kw::FieldResult: {
        if (g.nestedField || g.field < 0 || g.dest != Destination::Text) return true;
        Field& f = fields_[size_t(g.field)];
        if (!f.resultSeen) {
            f.resultSeen = true;
            if (const auto link = ParseHyperlinkInstruction(f.instruction)) {
                content_.links.push_back(RtfLink{link->kind, link->target, QString(), link->toolTip});
                f.link = int(content_.links.size()) - 1;
            }
        }
        g.chr.link = f.link;
        return true;
    }
    case Kw::BookmarkStart:
        if (g.dest != Destination::Text) { g.dest = Destination::Skip; return true; }
        destText_.clear();
        open(Destination::Bookmark);
        return true;
    case Kw::QmObject:
        if (g.dest != Destination::Text) { g.dest = Destination::Skip; return true; }
        destText_.clear();
        objectSize_ = kDefaultObjectSize;
        open(Destination::Object);
        return true;
    case Kw::Footnote:
        if (g.dest != Destination::Text || g.chr.hidden) { g.dest = Destination::Skip; return true; }
        // The note belongs to the reference mark just before it.
        notes_.emplace_back();
        if (noteMarks_ > 0) notes_.back().mark = QString::number(noteMarks_);
        g.note = int(notes_.size()) - 1;
        g.dest = Destination::Note;
        return true;
    case Kw::NestTableProps:
        g.nestProps = true;
        return true;
    case Kw::ListText:
        g.listText = true;
        return true;
    case Kw::ShapePict:
    case Kw::Rtf:
        return true;
    default:
        return false;
    }
}

void RtfParser::finishDestination(const GroupState& ended)
{
    if (cur().dest != Destination::Text) return;
    switch (ended.dest) {
    case Destination::Picture: insertPicture(ended.chr); break;
    case Destination::Bookmark: addMark(); break;
    case Destination::Object: insertObject(); break;
    default: break;
    }
}

void RtfParser::insertPicture(const CharState& chr)
{
    const QImage image = picture_.decode();
    const QSize size = picture_.displaySize(image);
    picture_.reset();
    if (chr.hidden || image.isNull()) return;
    ensureContext();
    flushText();
    const QString name = QStringLiteral("qmimg:%1").arg(++imageCount_);
    doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat f;
    f.merge(charFormat(chr));
    f.setName(name);
    f.setWidth(size.width());
    f.setHeight(size.height());
    tagPendingMarks(f);
    cursor_.insertImage(f);
    paraPicture_ = true;
}

void RtfParser::insertObject()
{
    const QString data = destText_.trimmed();
    destText_.clear();
    if (data.isEmpty()) return;
    ensureContext();
    flushText();
    const int number = int(content_.objects.size()) + 1;
    QTextCharFormat f = PlaceholderFormat(number, objectSize_);
    tagPendingMarks(f);
    cursor_.insertText(QString(QChar::ObjectReplacementCharacter), f);
    paraPicture_ = true;
    content_.objects.push_back(RtfObject{data, objectSize_, 0});
}

void RtfParser::addMark()
{
    const QString name = destText_.trimmed().left(256);
    destText_.clear();
    if (name.isEmpty()) return;
    for (const RtfMark& m : content_.marks)
        if (m.name == name) return; // the first of two equal names wins
    ensureContext();
    flushText();
    pendingMarks_.push_back(int(content_.marks.size()));
    markGroup_.push_back(0);
    content_.marks.push_back(RtfMark{name, 0});
}

void RtfParser::tagPendingMarks(QTextFormat& f)
{
    if (pendingMarks_.empty()) return;
    f.setProperty(kMarkGroup, ++markGroups_);
    for (const int m : pendingMarks_) markGroup_[size_t(m)] = markGroups_;
    pendingMarks_.clear();
}

} // namespace qm::rtf
