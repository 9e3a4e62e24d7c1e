#include "platform/rtf/RtfParser.h"
#include "platform/rtf/RtfCharacters.h"
#include "platform/rtf/RtfKerning.h"

#include <QTextBlock>
#include <QTextDocument>
#include <array>

namespace qm::rtf {
using namespace chars;
namespace {
// Word processors nest a few dozen groups at most; deeper groups are skipped.
constexpr size_t kMaxDepth = 256;
constexpr qsizetype kMaxCollected = 4096; // field instructions, mark names, object data
constexpr qsizetype kMaxLinkText = 1024;
constexpr qsizetype kFlushAt = 1 << 13;
// Laying out a paragraph costs more than its length, and the first screen
// waits for its whole first paragraph: longer ones are split into several.
constexpr int kMaxBlockChars = 1 << 13;
constexpr int kMaxObjectSidePx = 4096;

} // namespace

RtfParser::RtfParser(QTextDocument& doc, const RtfReadOptions& options)
    : doc_(doc), options_(options), cursor_(&doc)
{
    GroupState outside;
    outside.dest = Destination::Skip;
    outside.chr.halfPoints = qBound(2, qRound(options_.defaultPointSize * 2), 2000);
    stack_.push_back(outside);
}

void RtfParser::groupOpen()
{
    if (stack_.size() > kMaxDepth) {
        ++overflow_;
        return;
    }
    if (!started_) {
        started_ = true;
        GroupState root = stack_.front();
        root.dest = Destination::Text;
        stack_.push_back(root);
        return;
    }
    GroupState child = stack_.back();
    child.opensDestination = false;
    stack_.push_back(std::move(child));
    groupFresh_ = true;
}

void RtfParser::groupClose()
{
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (stack_.size() <= 1) return; // a stray brace before the document
    const GroupState ended = std::move(stack_.back());
    stack_.pop_back();
    if (ended.opensDestination) finishDestination(ended);
    if (stack_.size() == 1) done_ = true; // the document's own group has closed
}

void RtfParser::controlWord(const Token& t, bool starred)
{
    if (cur().dest == Destination::Skip) return;
    const Kw kw = keywords_(t.word);
    if (starred && !IsHandledDestination(kw)) {
        cur().dest = Destination::Skip;
        return;
    }
    if (startDestination(kw)) return;

    switch (cur().dest) {
    case Destination::FontTable:
        fontsChanged_ = true;
        if (kw == Kw::Font) fonts_.begin(t.hasParam ? t.param : 0);
        else if (kw == Kw::FontCharset) fonts_.setCharset(t.param);
        else if (kw == Kw::FontCodePage) fonts_.setCodePage(t.param);
        return;
    case Destination::ColorTable:
        if (kw == Kw::Red) colors_.setRed(t.param);
        else if (kw == Kw::Green) colors_.setGreen(t.param);
        else if (kw == Kw::Blue) colors_.setBlue(t.param);
        return;
    case Destination::Picture:
        pictureWord(kw, t);
        return;
    case Destination::Object: {
        const int px = qBound(1, int(qint64(t.param) / 15), kMaxObjectSidePx);
        if (kw == Kw::ObjectWidth && t.hasParam) objectSize_.setWidth(px);
        else if (kw == Kw::ObjectHeight && t.hasParam) objectSize_.setHeight(px);
        break;
    }
    default:
        break;
    }

    switch (kw) {
    case Kw::DefaultFont: defaultFont_ = t.param; formats_ = {}; linkFormat_ = {}; fontsChanged_ = true; return;
    case Kw::DefaultTab:
        if (t.hasParam && t.param > 0) defaultTabTwips_ = qBound(60, t.param, 14400);
        return;
    case Kw::AnsiCodePage:
        if (t.hasParam && t.param > 0) docCodePage_ = t.param;
        return;
    case Kw::CharsetAnsi: docCodePage_ = 1252; return;
    case Kw::CharsetMac: docCodePage_ = 10000; return;
    case Kw::CharsetPc: docCodePage_ = 437; return;
    case Kw::CharsetPca: docCodePage_ = 850; return;
    case Kw::NoteMark: noteMark(); return;
    case Kw::Endnote: return;
    case Kw::Unicode: {
        char16_t u = char16_t(t.param & 0xFFFF);
        // Symbol fonts' characters sit in the private use area at 0xF000.
        if (u >= 0xF020 && u <= 0xF0FF)
            if (const char16_t mapped = SymbolFontCharacter(symbolFontOf(cur().chr.font), u & 0xFF)) u = mapped;
        putChar(u);
        fallbackLeft_ = cur().unicodeSkip;
        return;
    }
    case Kw::UnicodeSkip: cur().unicodeSkip = qBound(0, t.param, 16); return;
    case Kw::EmDash: putChar(0x2014); return;
    case Kw::EnDash: putChar(0x2013); return;
    case Kw::LeftQuote: putChar(0x2018); return;
    case Kw::RightQuote: putChar(0x2019); return;
    case Kw::LeftDoubleQuote: putChar(0x201C); return;
    case Kw::RightDoubleQuote: putChar(0x201D); return;
    case Kw::Bullet: putChar(0x2022); return;
    case Kw::EmSpace: putChar(0x2003); return;
    case Kw::EnSpace: putChar(0x2002); return;
    case Kw::QuarterEmSpace: putChar(0x2005); return;
    default: break;
    }
    if (listTextWord(kw)) return;
    if (characterWord(kw, t)) return;
    if (paragraphWord(kw, t)) return;
    tableWord(kw, t);
}

void RtfParser::controlSymbol(char c, bool firstInGroup)
{
    if (cur().dest == Destination::Skip) return;
    switch (c) {
    case '*':
        // Only the first control of a group marks a destination; elsewhere it means nothing.
        if (firstInGroup) starPending_ = true;
        break;
    case '~': putChar(0x00A0); break;
    case '_': putChar(0x2011); break;
    case '\\':
    case '{':
    case '}': putChar(char16_t(c)); break;
    case '\n': endParagraph(); break;
    default: break; // \- optional hyphen, \| \: index marks, unknown symbols
    }
}

void RtfParser::binary(QByteArrayView bytes)
{
    if (cur().dest == Destination::Picture) picture_.addBinary(bytes.data(), bytes.size());
}

void RtfParser::putChar(char16_t c)
{
    if (dropped(c)) return;
    putText(QString(QChar(structural(c))));
}

void RtfParser::putText(const QString& s)
{
    GroupState& g = cur();
    switch (g.dest) {
    case Destination::Text:
        if (g.chr.hidden) return;
        if (s.size() > kFlushAt) {
            // A long stretch of plain text goes in piece by piece, each
            // ending after a space where there is one.
            for (qsizetype from = 0; from < s.size();) {
                qsizetype to = qMin(from + kFlushAt, s.size());
                if (to < s.size()) {
                    const qsizetype space = s.lastIndexOf(QChar(' '), to - 1);
                    if (space >= from) to = space + 1;
                    else if (s[to - 1].isHighSurrogate()) --to;
                }
                putText(s.mid(from, to - from));
                from = to;
            }
            return;
        }
        ensureContext();
        if (!pending_.isEmpty() && !(pendingChr_ == g.chr)) flushText();
        // Long runs go in piece by piece; a surrogate pair stays together.
        if (pending_.size() + s.size() > kFlushAt && !pending_.isEmpty() && !pending_.back().isHighSurrogate())
            flushText();
        if (pending_.isEmpty()) {
            pendingChr_ = g.chr;
            lastTextPara_ = g.para;
            if (setsLineHeight(g) && (!paraChrSet_ || g.chr.halfPoints > paraChr_.halfPoints)) {
                paraChr_ = g.chr;
                paraChrSet_ = true;
            }
        }
        pending_.append(s.constData(), s.size()); // a copy: the text buffer is used again
        return;
    case Destination::FieldInst:
        appendCapped(fields_[size_t(g.field)].instruction, s, kMaxCollected);
        return;
    case Destination::Bookmark:
    case Destination::Object:
        appendCapped(destText_, s, kMaxCollected);
        return;
    case Destination::FontTable:
        fonts_.addText(s);
        return;
    case Destination::ColorTable:
        for (const QChar c : s)
            if (c == ';') colors_.endEntry();
        return;
    case Destination::Note: {
        if (g.chr.hidden) return;
        Note& n = notes_[size_t(g.note)];
        if (!n.chrSet && !s.trimmed().isEmpty()) {
            n.chr = g.chr;
            n.chrSet = true;
        }
        appendCapped(n.text, s, kMaxNoteText);
        return;
    }
    default:
        return;
    }
}

void RtfParser::flushText()
{
    flushBlanks();
    if (pending_.isEmpty()) return;
    fixSurrogates(pending_);
    int face = 0;
    QTextCharFormat f = charFormat(pendingChr_, &face);
    if (!pendingMarks_.empty()) tagPendingMarks(f);
    shapeIfNeeded(f, pending_);
    InsertKerned(cursor_, pending_, f, doc_.defaultFont(), face);
    if (pendingChr_.link >= 0 && size_t(pendingChr_.link) < content_.links.size())
        appendCapped(content_.links[size_t(pendingChr_.link)].text, pending_, kMaxLinkText);
    // A long paragraph is split after a word; one without spaces anywhere.
    const bool wordEnd = pending_.endsWith(QChar(' '));
    pending_.resize(0); // its room is kept for the next run
    // Finding the cursor's block is a search through the document, dear on
    // a page of short runs: its length is asked for only once the text since
    // the block's start, as last known, could make it too long.
    const int position = cursor_.position();
    if (position >= blockStart_ && position - blockStart_ < kMaxBlockChars) return;
    const QTextBlock block = cursor_.block();
    blockStart_ = block.position();
    const int length = block.length();
    if (length > 2 * kMaxBlockChars || (length > kMaxBlockChars && wordEnd)) {
        cursor_.insertBlock();
        blockStart_ = cursor_.position();
    }
}

// Puts the cursor where the current paragraph's content belongs: in the
// table's current cell for table paragraphs, after the table otherwise.
void RtfParser::ensureContext()
{
    flushBlanks();
    if (cur().para.inTable || rowPending_) {
        if (table_.needsPrepare()) {
            flushText();
            table_.prepare(cursor_, rowDef_, colors_);
            ++flow_;
        }
    } else if (table_.active()) {
        flushText();
        table_.finish(cursor_);
        ++flow_;
    }
}

void RtfParser::endParagraph()
{
    if (cur().dest == Destination::Note) {
        QString& text = notes_[size_t(cur().note)].text;
        if (!text.isEmpty() && !text.endsWith('\n')) appendCapped(text, QStringLiteral("\n"), kMaxNoteText);
        return;
    }
    if (cur().dest != Destination::Text) return;
    if (deferBlankEnd()) return;
    ensureContext();
    flushText();
    EndKernedParagraph(cursor_);
    // A block made by the last paragraph end already has that paragraph's
    // formats; setting equal ones again is most of the cost of a short paragraph.
    const QTextBlock block = cursor_.block();
    const bool inherited = block == inherited_.block;
    const bool pageBreak = pageBreakBefore_;
    pageBreakBefore_ = false;
    const qreal top = spaceAbove(cur().para);
    // The new block gets this block's format and, as its block character
    // format, the format of the character before the cursor. Outside tables
    // both are known here, and handing them over spares the document
    // looking them up again.
    const bool known = !table_.active();
    QTextBlockFormat format = inherited_.format;
    bool formatKnown = known && inherited && inherited_.formatKnown;
    const qreal line = paragraphLinePercent();
    if (!inherited || pageBreak || !(inherited_.para == cur().para) || inherited_.top != top
        || inherited_.line != line) {
        QTextBlockFormat f = blockFormat(cur().para, line);
        if (pageBreak) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor_.setBlockFormat(f);
        format = f;
        formatKnown = known;
    }
    const bool empty = block.length() <= 1;
    QTextCharFormat carried;
    bool carriedKnown = false;
    if (empty && !(inherited && inherited_.emptyChr && inherited_.chr == cur().chr)) {
        carried = charFormat(cur().chr);
        cursor_.setBlockCharFormat(carried);
        carriedKnown = known;
    } else if (empty) {
        carried = inherited_.carried;
        carriedKnown = known && inherited_.carriedKnown;
    } else if (known && formatKnown) {
        carried = cursor_.charFormat(); // the format of the character before the cursor
        carriedKnown = true;
    }
    if (formatKnown && carriedKnown) {
        carried.clearProperty(QTextFormat::ObjectType);
        carried.clearProperty(QTextFormat::ObjectIndex);
        cursor_.insertBlock(format, carried);
    } else {
        cursor_.insertBlock();
    }
    inherited_.block = pageBreak ? QTextBlock() : cursor_.block();
    inherited_.para = cur().para;
    inherited_.top = top;
    inherited_.line = line;
    inherited_.chr = cur().chr;
    inherited_.emptyChr = empty;
    inherited_.format = format;
    inherited_.carried = carried;
    inherited_.formatKnown = formatKnown && carriedKnown;
    inherited_.carriedKnown = formatKnown && carriedKnown;
    noteBlockMade();
    above_ = {flow_, cur().para.afterTwips};
    blankRun_ = empty && !pageBreak && inherited ? blankRun_ + 1 : 0;
    paraChrSet_ = paraPicture_ = false;
}


void RtfParser::applyTabStops()
{
    // Tabs past the paragraph's own stops go to the document's default stops.
    // Setting them lays the whole document out again: only when they change.
    QTextOption option = doc_.defaultTextOption();
    if (option.tabStopDistance() == defaultTabTwips_ / 15.0) return;
    option.setTabStopDistance(defaultTabTwips_ / 15.0);
    doc_.setDefaultTextOption(option);
}

RtfContent RtfParser::finish()
{
    flushText();
    EndKernedParagraph(cursor_);
    // The last paragraph may end without \par; it still gets its formatting.
    if (cursor_.block().length() > 1) cursor_.setBlockFormat(blockFormat(lastTextPara_, paragraphLinePercent()));
    table_.dropSpareRows();
    appendNotes();
    table_.paperGrids();
    applyTabStops();

    // Positions are read back from the finished document, since widening a
    // table moves everything after the inserted cells. Marks with nothing
    // after them stand at the end.
    const int end = doc_.characterCount() - 1;
    std::vector<int> groupPosition(size_t(markGroups_) + 1, end);
    const bool tagged = markGroups_ > 0 || !content_.objects.empty();
    // Most fragments share a few formats: each format is read once.
    struct Tags {
        bool known = false;
        int group = 0;
        int object = 0;
    };
    std::vector<Tags> tags;
    for (QTextBlock b = doc_.begin(); tagged && b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const int index = frag.charFormatIndex();
            if (index < 0) continue;
            if (size_t(index) >= tags.size()) tags.resize(size_t(index) + 1);
            Tags& t = tags[size_t(index)];
            if (!t.known) {
                const QTextCharFormat f = frag.charFormat();
                t.known = true;
                t.group = markGroups_ > 0 ? f.intProperty(kMarkGroup) : 0;
                if (f.objectType() == kPlaceholderObjectType) t.object = f.property(kObjectNumber).toInt();
            }
            if (t.group > 0 && t.group <= markGroups_ && groupPosition[size_t(t.group)] == end)
                groupPosition[size_t(t.group)] = frag.position();
            if (t.object >= 1 && size_t(t.object) <= content_.objects.size())
                content_.objects[size_t(t.object - 1)].position = frag.position();
        }
    }
    for (size_t i = 0; i < content_.marks.size(); ++i)
        content_.marks[i].position = groupPosition[size_t(markGroup_[i])];
    return std::move(content_);
}

} // namespace qm::rtf
