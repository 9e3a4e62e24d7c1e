#include "platform/rtf/RtfParser.h"
#include "platform/rtf/RtfFontSize.h"
#include "platform/rtf/RtfKerning.h"

#include <algorithm>

namespace qm::rtf {
namespace {
constexpr int kMaxTabs = 64;
// Paragraph measures are twips; the page is laid out at 15 twips a pixel.
inline qreal px(int twips) { return qBound(-2000.0, twips / 15.0, 2000.0); }
inline bool on(const Token& t) { return !t.hasParam || t.param != 0; }
} // namespace

bool RtfParser::characterWord(Kw kw, const Token& t)
{
    CharState& c = cur().chr;
    switch (kw) {
    case Kw::Plain: {
        const int link = c.link;
        c = CharState{};
        c.halfPoints = stack_.front().chr.halfPoints;
        c.link = link; // a field's result stays a link through \plain
        return true;
    }
    case Kw::Bold: c.bold = on(t); return true;
    case Kw::Italic: c.italic = on(t); return true;
    case Kw::Underline: c.underline = on(t); return true;
    case Kw::UnderlineNone: c.underline = false; return true;
    case Kw::Strike: c.strike = on(t); return true;
    case Kw::Hidden: c.hidden = on(t); return true;
    case Kw::Caps: c.caps = on(t); return true;
    case Kw::Super: c.vertical = on(t) ? 1 : 0; return true;
    case Kw::Sub: c.vertical = on(t) ? -1 : 0; return true;
    case Kw::NoSuperSub: c.vertical = 0; return true;
    case Kw::FontSize:
        if (t.hasParam && t.param > 0) c.halfPoints = qBound(2, t.param, 2000);
        return true;
    case Kw::Font: c.font = t.hasParam ? t.param : 0; return true;
    case Kw::ForeColor: c.foreColor = t.param; return true;
    case Kw::BackColor:
    case Kw::Highlight:
    case Kw::CharShading:
        c.backColor = t.param;
        return true;
    default:
        return false;
    }
}

bool RtfParser::paragraphWord(Kw kw, const Token& t)
{
    ParaState& p = cur().para;
    switch (kw) {
    case Kw::Pard:
        p = ParaState{};
        rowDef_.inBorder = false; // what follows borders paragraphs
        return true;
    case Kw::Par:
    case Kw::Sect:
        endParagraph();
        return true;
    case Kw::Page:
        endParagraph();
        pageBreakBefore_ = true;
        return true;
    case Kw::Line: putChar(0x2028); return true;
    case Kw::Tab: putChar('\t'); return true;
    case Kw::AlignLeft: p.align = 0; return true;
    case Kw::AlignCenter: p.align = 1; return true;
    case Kw::AlignRight: p.align = 2; return true;
    case Kw::AlignJustify: p.align = 3; return true;
    case Kw::LeftIndent: p.leftTwips = t.twips(); return true;
    case Kw::RightIndent: p.rightTwips = t.twips(); return true;
    case Kw::FirstIndent: p.firstTwips = t.twips(); return true;
    case Kw::SpaceBefore: p.beforeTwips = t.twips(); return true;
    case Kw::SpaceAfter: p.afterTwips = t.twips(); return true;
    case Kw::LineSpacing: p.lineSpacing = t.twips(); return true;
    case Kw::LineMultiple: p.lineMultiple = on(t); return true;
    case Kw::TabRight: p.nextTabType = QTextOption::RightTab; return true;
    case Kw::TabCenter: p.nextTabType = QTextOption::CenterTab; return true;
    case Kw::TabDecimal: p.nextTabType = QTextOption::DelimiterTab; return true;
    case Kw::TabStop:
        if (p.tabs.size() < kMaxTabs)
            p.tabs.append(QTextOption::Tab(qMax<qreal>(0, px(t.twips())), p.nextTabType,
                                           p.nextTabType == QTextOption::DelimiterTab ? QChar('.') : QChar()));
        p.nextTabType = QTextOption::LeftTab;
        return true;
    case Kw::InTable: p.inTable = true; return true;
    case Kw::NestLevel: p.inTable = t.param > 0; return true;
    default:
        return false;
    }
}

bool RtfParser::tableWord(Kw kw, const Token& t)
{
    // A note is plain text: its cell and row ends end paragraphs, and its
    // row definitions leave the page's own table alone.
    if (cur().dest == Destination::Note) {
        if (kw == Kw::Cell || kw == Kw::Row || kw == Kw::NestCell) endParagraph();
        return true;
    }
    // A nested table's own row definition must not replace the outer row's;
    // its cells are shown as paragraphs of the outer cell.
    if (cur().nestProps && kw != Kw::Cell && kw != Kw::Row && kw != Kw::NestCell) return true;
    switch (kw) {
    case Kw::RowDefaults:
        rowDef_.reset();
        rowPending_ = cur().dest == Destination::Text;
        return true;
    case Kw::CellRight: rowDef_.addCell(t.twips()); return true;
    case Kw::CellShading: rowDef_.pending.shading = t.param; return true;
    case Kw::CellVMergeFirst: rowDef_.pending.vMergeFirst = true; return true;
    case Kw::CellVMerge: rowDef_.pending.vMerged = true; return true;
    case Kw::CellHMergeFirst: rowDef_.pending.hMergeFirst = true; return true;
    case Kw::CellHMerge: rowDef_.pending.hMerged = true; return true;
    case Kw::CellBorder:
        rowDef_.bordered = rowDef_.inBorder = true;
        return true;
    case Kw::BorderWidth:
        if (rowDef_.inBorder) rowDef_.borderTwips = qMax(rowDef_.borderTwips, qBound(0, t.param, 255));
        return true;
    case Kw::RowGap:
        rowDef_.gapTwips = t.twips();
        rowDef_.gapGiven = true;
        return true;
    case Kw::RowLeft: rowDef_.leftTwips = t.twips(); return true;
    case Kw::RowAlignLeft: rowDef_.align = 0; return true;
    case Kw::RowAlignCenter: rowDef_.align = 1; return true;
    case Kw::RowAlignRight: rowDef_.align = 2; return true;
    case Kw::RowPadLeft: rowDef_.padLeftTwips = qMax(0, t.twips()); return true;
    case Kw::RowPadRight: rowDef_.padRightTwips = qMax(0, t.twips()); return true;
    case Kw::RowPadTop: rowDef_.padTopTwips = qMax(0, t.twips()); return true;
    case Kw::RowPadBottom: rowDef_.padBottomTwips = qMax(0, t.twips()); return true;
    case Kw::CellPadLeft: rowDef_.pending.padLeftTwips = qMax(0, t.twips()); return true;
    case Kw::CellPadRight: rowDef_.pending.padRightTwips = qMax(0, t.twips()); return true;
    case Kw::CellPadTop: rowDef_.pending.padTopTwips = qMax(0, t.twips()); return true;
    case Kw::CellPadBottom: rowDef_.pending.padBottomTwips = qMax(0, t.twips()); return true;
    case Kw::Cell:
        if (cur().dest != Destination::Text) return true;
        // A cell mark makes its paragraph a table paragraph even without \intbl.
        if (table_.needsPrepare()) {
            flushText();
            table_.prepare(cursor_, rowDef_, colors_);
            ++flow_;
        }
        flushText();
        EndKernedParagraph(cursor_);
        cursor_.setBlockFormat(blockFormat(cur().para, paragraphLinePercent()));
        paraChrSet_ = paraPicture_ = false;
        table_.endCell();
        return true;
    case Kw::Row:
        if (cur().dest != Destination::Text) return true;
        rowPending_ = false;
        flushText();
        table_.endRow(rowDef_);
        return true;
    case Kw::NestCell:
        // Tables inside cells are shown flattened: one paragraph per inner cell.
        endParagraph();
        return true;
    case Kw::NestRow:
        return true;
    default:
        return false;
    }
}

bool RtfParser::pictureWord(Kw kw, const Token& t)
{
    switch (kw) {
    case Kw::PngBlip: picture_.setKind(PictureData::Kind::Png); return true;
    case Kw::JpegBlip: picture_.setKind(PictureData::Kind::Jpeg); return true;
    case Kw::OtherBlip: picture_.setKind(PictureData::Kind::Other); return true;
    case Kw::PicGoalWidth: picture_.setGoalWidth(t.twips()); return true;
    case Kw::PicGoalHeight: picture_.setGoalHeight(t.twips()); return true;
    case Kw::PicScaleX: picture_.setScaleX(t.param); return true;
    case Kw::PicScaleY: picture_.setScaleY(t.param); return true;
    default: return false;
    }
}

const QTextCharFormat& RtfParser::charFormat(const CharState& c, int* face)
{
    for (const CachedFormat& k : formats_)
        if (k.valid && k.chr == c) {
            if (face) *face = k.face;
            return k.format;
        }
    if (c.link >= 0) return linkFormat(c, face);
    QTextCharFormat f;
    const int font = c.font >= 0 ? c.font : defaultFont_;
    const QString family = fonts_.family(font);
    // Symbol fonts' characters are read as the Unicode characters they show,
    // which this system's fonts of those names may draw blank.
    if (!family.isEmpty() && SymbolFontOf(family, fonts_.charset(font)) == SymbolFont::None)
        f.setFontFamilies(QStringList{family});
    f.setFontPointSize(c.halfPoints / 2.0);
    if (c.bold) f.setFontWeight(QFont::Bold);
    if (c.italic) f.setFontItalic(true);
    // Letter pairs are kerned, as word processors set them: without it
    // some fonts' lines come out half a percent wider and break a word early.
    // Qt kerns only with the shaper, which makes laying out a long page
    // markedly dearer; fonts whose kerning hardly changes a line are set
    // without it, and kerned from their own pair table as they are read.
    if (!KerningMatters(f.font().resolve(doc_.defaultFont()))) f.setFontStyleStrategy(QFont::PreferNoShaping);
    SetTextSize(f, c.halfPoints / 2.0, doc_.defaultFont(), sizeMeasuresLeft_);
    if (c.underline) f.setFontUnderline(true);
    if (c.strike) f.setFontStrikeOut(true);
    if (c.caps) f.setFontCapitalization(QFont::AllUppercase);
    if (c.vertical > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (c.vertical < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const QColor fore = c.foreColor > 0 ? colors_.color(c.foreColor) : QColor();
    if (fore.isValid()) f.setForeground(fore);
    const QColor back = c.backColor > 0 ? colors_.color(c.backColor) : QColor();
    if (back.isValid()) f.setBackground(back);
    workOutHash(f);
    CachedFormat& slot = formats_[nextFormat_];
    nextFormat_ = (nextFormat_ + 1) % formats_.size();
    slot = CachedFormat{c, f, true, FaceNumber(f, doc_.defaultFont(), &newFacesLeft_)};
    if (face) *face = slot.face;
    return slot.format;
}

// Every link has a format of its own: it is its text's format with the
// link added, so the text's part is made once for all of them. It is kept
// apart from the others, which a page of many links would otherwise push out.
const QTextCharFormat& RtfParser::linkFormat(const CharState& c, int* face)
{
    if (linkFormat_.valid && linkFormat_.chr == c) {
        if (face) *face = linkFormat_.face;
        return linkFormat_.format;
    }
    CharState text = c;
    text.link = -1;
    int textFace = 0;
    QTextCharFormat f = charFormat(text, &textFace);
    if (size_t(c.link) < content_.links.size()) {
        f.setAnchor(true);
        f.setAnchorHref(QString::fromLatin1(kLinkScheme) + QString::number(c.link + 1));
        const QString& tip = content_.links[size_t(c.link)].toolTip;
        if (!tip.isEmpty()) f.setToolTip(tip);
    }
    workOutHash(f);
    linkFormat_ = CachedFormat{c, f, true, textFace};
    if (face) *face = textFace;
    return linkFormat_.format;
}

// Comparing a format works out its hash, which its copies keep: the
// document looks every inserted run's format up by it.
void RtfParser::workOutHash(const QTextCharFormat& f)
{
    static const QTextCharFormat other = [] {
        QTextCharFormat o;
        o.setFontFixedPitch(true);
        return o;
    }();
    (void)(f == other);
}

// Word processors leave a paragraph's space before below the space after the
// paragraph above it. Qt's layout keeps only the larger of the two, so the
// space above holds both.
qreal RtfParser::spaceAbove(const ParaState& p) const
{
    const qreal before = qMax<qreal>(0, px(p.beforeTwips));
    return above_.flow == flow_ ? before + qMax<qreal>(0, px(above_.afterTwips)) : before;
}

qreal RtfParser::singleLinePercent(const CharState& c)
{
    const quint64 key = quint64(quint32(c.font)) << 32 | quint64(c.halfPoints) << 2 | (c.bold ? 2 : 0) | (c.italic ? 1 : 0);
    const auto it = linePercents_.constFind(key);
    if (it != linePercents_.cend()) return *it;
    const qreal percent = SingleLinePercent(charFormat(c).font().resolve(doc_.defaultFont()));
    linePercents_.insert(key, percent);
    return percent;
}

// A picture's line is as tall as the picture, as word processors set it.
qreal RtfParser::paragraphLinePercent()
{
    return paraPicture_ ? 100 : singleLinePercent(paraChrSet_ ? paraChr_ : cur().chr);
}

QTextBlockFormat RtfParser::blockFormat(const ParaState& p, qreal single)
{
    // Every cell of a long table asks for the same format again.
    const qreal top = spaceAbove(p);
    if (madeBlock_.single == single && madeBlock_.top == top && madeBlock_.para == p) return madeBlock_.format;
    QTextBlockFormat f;
    switch (p.align) {
    case 1: f.setAlignment(Qt::AlignHCenter); break;
    case 2: f.setAlignment(Qt::AlignRight); break;
    case 3: f.setAlignment(Qt::AlignJustify); break;
    default: f.setAlignment(Qt::AlignLeft); break;
    }
    if (p.leftTwips) f.setLeftMargin(qMax<qreal>(0, px(p.leftTwips)));
    if (p.rightTwips) f.setRightMargin(qMax<qreal>(0, px(p.rightTwips)));
    if (p.firstTwips) f.setTextIndent(px(p.firstTwips));
    if (top > 0) f.setTopMargin(top);
    if (p.afterTwips) f.setBottomMargin(qMax<qreal>(0, px(p.afterTwips)));
    // Lines stand as far apart as the word processor sets them; a multiple
    // is of that single line.
    if (p.lineSpacing > 0 && p.lineMultiple)
        f.setLineHeight(qBound(10.0, single * p.lineSpacing / 240.0, 1000.0), QTextBlockFormat::ProportionalHeight);
    else if (p.lineSpacing == 0 && single != 100)
        f.setLineHeight(single, QTextBlockFormat::ProportionalHeight);
    else if (p.lineSpacing > 0)
        f.setLineHeight(px(p.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (p.lineSpacing < 0)
        f.setLineHeight(px(-p.lineSpacing), QTextBlockFormat::FixedHeight);
    // Tab stops are measured from the page margin; the layout measures them
    // from where the first line starts. A hanging indent is a stop itself.
    const qreal lineStart = (p.leftTwips ? qMax<qreal>(0, px(p.leftTwips)) : 0) + (p.firstTwips ? px(p.firstTwips) : 0);
    QList<QTextOption::Tab> tabs;
    for (QTextOption::Tab tab : p.tabs) {
        tab.position -= lineStart;
        if (tab.position > 0) tabs.append(tab);
    }
    if (p.firstTwips < 0 && p.leftTwips > 0) {
        const qreal hanging = qMax<qreal>(0, px(p.leftTwips)) - lineStart;
        if (hanging > 0) tabs.append(QTextOption::Tab(hanging, QTextOption::LeftTab));
    }
    std::stable_sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.position < b.position; });
    if (!tabs.isEmpty()) f.setTabPositions(tabs);
    madeBlock_ = {p, single, top, f};
    return f;
}

} // namespace qm::rtf
