#include "platform/rtf/RtfKeywords.h"

#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_map>

namespace qm::rtf {
namespace {

const std::unordered_map<std::string_view, Kw>& table()
{
    static const std::unordered_map<std::string_view, Kw> t = {
        {"rtf", Kw::Rtf}, {"fonttbl", Kw::FontTable}, {"colortbl", Kw::ColorTable},
        {"stylesheet", Kw::StyleSheet}, {"pict", Kw::Pict}, {"field", Kw::Field},
        {"fldinst", Kw::FieldInst}, {"fldrslt", Kw::FieldResult}, {"bkmkstart", Kw::BookmarkStart},
        {"bkmkend", Kw::BookmarkEnd}, {"qmobject", Kw::QmObject}, {"shppict", Kw::ShapePict},
        {"nonshppict", Kw::NonShapePict},
        // Destinations whose content is never page text.
        {"info", Kw::SkippedDestination}, {"header", Kw::SkippedDestination},
        {"headerl", Kw::SkippedDestination}, {"headerr", Kw::SkippedDestination},
        {"headerf", Kw::SkippedDestination}, {"footer", Kw::SkippedDestination},
        {"footerl", Kw::SkippedDestination}, {"footerr", Kw::SkippedDestination},
        {"footerf", Kw::SkippedDestination}, {"footnote", Kw::Footnote},
        {"nesttableprops", Kw::NestTableProps}, {"listtext", Kw::ListText}, {"pntext", Kw::ListText},
        {"annotation", Kw::SkippedDestination}, {"xe", Kw::SkippedDestination},
        {"tc", Kw::SkippedDestination}, {"txe", Kw::SkippedDestination},
        {"rxe", Kw::SkippedDestination}, {"objdata", Kw::SkippedDestination},
        {"objclass", Kw::SkippedDestination}, {"objname", Kw::SkippedDestination},
        {"nonesttables", Kw::SkippedDestination}, {"listtable", Kw::SkippedDestination},
        // List definitions, even when written outside their table.
        {"list", Kw::SkippedDestination}, {"listlevel", Kw::SkippedDestination},
        {"leveltext", Kw::SkippedDestination}, {"levelnumbers", Kw::SkippedDestination},
        {"listname", Kw::SkippedDestination}, {"listoverride", Kw::SkippedDestination},
        {"listoverridetable", Kw::SkippedDestination}, {"revtbl", Kw::SkippedDestination},
        {"rsidtbl", Kw::SkippedDestination}, {"filetbl", Kw::SkippedDestination},
        {"template", Kw::SkippedDestination}, {"pntxta", Kw::SkippedDestination},
        {"pntxtb", Kw::SkippedDestination}, {"ftnsep", Kw::SkippedDestination},
        {"ftnsepc", Kw::SkippedDestination}, {"ftncn", Kw::SkippedDestination},
        {"aftnsep", Kw::SkippedDestination}, {"aftnsepc", Kw::SkippedDestination},
        {"aftncn", Kw::SkippedDestination}, {"private", Kw::SkippedDestination},
        {"deff", Kw::DefaultFont}, {"deftab", Kw::DefaultTab}, {"ansicpg", Kw::AnsiCodePage}, {"ansi", Kw::CharsetAnsi},
        {"mac", Kw::CharsetMac}, {"pc", Kw::CharsetPc}, {"pca", Kw::CharsetPca}, {"cpg", Kw::FontCodePage},
        {"chftn", Kw::NoteMark}, {"ftnalt", Kw::Endnote},
        {"plain", Kw::Plain}, {"b", Kw::Bold}, {"i", Kw::Italic}, {"ul", Kw::Underline},
        {"ulnone", Kw::UnderlineNone}, {"strike", Kw::Strike}, {"striked", Kw::Strike},
        {"v", Kw::Hidden}, {"caps", Kw::Caps}, {"scaps", Kw::Caps}, {"super", Kw::Super},
        {"sub", Kw::Sub}, {"nosupersub", Kw::NoSuperSub}, {"fs", Kw::FontSize}, {"f", Kw::Font},
        {"cf", Kw::ForeColor}, {"cb", Kw::BackColor}, {"highlight", Kw::Highlight},
        {"chcbpat", Kw::CharShading},
        {"fcharset", Kw::FontCharset}, {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
        {"pard", Kw::Pard}, {"par", Kw::Par}, {"sect", Kw::Sect}, {"page", Kw::Page},
        {"line", Kw::Line}, {"tab", Kw::Tab}, {"ql", Kw::AlignLeft}, {"qc", Kw::AlignCenter},
        {"qr", Kw::AlignRight}, {"qj", Kw::AlignJustify}, {"qd", Kw::AlignJustify},
        {"li", Kw::LeftIndent}, {"lin", Kw::LeftIndent}, {"ri", Kw::RightIndent},
        {"rin", Kw::RightIndent}, {"fi", Kw::FirstIndent}, {"sb", Kw::SpaceBefore},
        {"sa", Kw::SpaceAfter}, {"sl", Kw::LineSpacing}, {"slmult", Kw::LineMultiple},
        {"tx", Kw::TabStop}, {"tqr", Kw::TabRight}, {"tqc", Kw::TabCenter},
        {"tqdec", Kw::TabDecimal}, {"intbl", Kw::InTable}, {"itap", Kw::NestLevel},
        {"u", Kw::Unicode}, {"uc", Kw::UnicodeSkip}, {"emdash", Kw::EmDash},
        {"endash", Kw::EnDash}, {"lquote", Kw::LeftQuote}, {"rquote", Kw::RightQuote},
        {"ldblquote", Kw::LeftDoubleQuote}, {"rdblquote", Kw::RightDoubleQuote},
        {"bullet", Kw::Bullet}, {"emspace", Kw::EmSpace}, {"enspace", Kw::EnSpace},
        {"qmspace", Kw::QuarterEmSpace},
        {"trowd", Kw::RowDefaults}, {"cellx", Kw::CellRight}, {"cell", Kw::Cell},
        {"row", Kw::Row}, {"nestcell", Kw::NestCell}, {"nestrow", Kw::NestRow},
        {"clcbpat", Kw::CellShading}, {"clvmgf", Kw::CellVMergeFirst}, {"clvmrg", Kw::CellVMerge},
        {"clmgf", Kw::CellHMergeFirst}, {"clmrg", Kw::CellHMerge}, {"trgaph", Kw::RowGap},
        {"trleft", Kw::RowLeft}, {"trql", Kw::RowAlignLeft}, {"trqc", Kw::RowAlignCenter},
        {"trqr", Kw::RowAlignRight}, {"trpaddl", Kw::RowPadLeft}, {"trpaddr", Kw::RowPadRight},
        {"trpaddt", Kw::RowPadTop}, {"trpaddb", Kw::RowPadBottom},
        // Word processors read \clpadl as the top padding and \clpadt as the left one.
        {"clpadl", Kw::CellPadTop}, {"clpadt", Kw::CellPadLeft}, {"clpadb", Kw::CellPadBottom},
        {"clpadr", Kw::CellPadRight}, {"brdrw", Kw::BorderWidth},
        {"pngblip", Kw::PngBlip}, {"jpegblip", Kw::JpegBlip}, {"wmetafile", Kw::OtherBlip},
        {"emfblip", Kw::OtherBlip}, {"dibitmap", Kw::OtherBlip}, {"wbitmap", Kw::OtherBlip},
        {"macpict", Kw::OtherBlip}, {"pmmetafile", Kw::OtherBlip}, {"picw", Kw::PicWidth},
        {"pich", Kw::PicHeight}, {"picwgoal", Kw::PicGoalWidth}, {"pichgoal", Kw::PicGoalHeight},
        {"picscalex", Kw::PicScaleX}, {"picscaley", Kw::PicScaleY},
        {"objw", Kw::ObjectWidth}, {"objh", Kw::ObjectHeight},
    };
    return t;
}

} // namespace

Kw LookupKeyword(QByteArrayView word)
{
    const auto& t = table();
    const auto it = t.find(std::string_view(word.data(), size_t(word.size())));
    if (it != t.end()) return it->second;
    // The underline family (\uld, \uldb, \ulw, \ulwave ...) all underline;
    // \ulc only colours the line.
    if (word.startsWith("clbrdr") || word.startsWith("trbrdr")) return Kw::CellBorder;
    if (word.size() > 2 && word.startsWith("ul") && word != "ulc") return Kw::Underline;
    return Kw::Unknown;
}

Kw KeywordMemo::operator()(QByteArrayView word)
{
    const qsizetype n = word.size();
    if (n == 0 || n > kLongest) return LookupKeyword(word);
    const auto first = static_cast<unsigned char>(word.front()), last = static_cast<unsigned char>(word.back());
    Entry& e = entries_[(size_t(n) * 7 + first * 3 + last) % std::size(entries_)];
    if (e.size == n && std::memcmp(e.word, word.data(), size_t(n)) == 0) return e.kw;
    e.kw = LookupKeyword(word);
    e.size = static_cast<unsigned char>(n);
    std::memcpy(e.word, word.data(), size_t(n));
    return e.kw;
}

bool IsHandledDestination(Kw kw)
{
    switch (kw) {
    case Kw::FieldInst:
    case Kw::BookmarkStart:
    case Kw::BookmarkEnd:
    case Kw::QmObject:
    case Kw::ShapePict:
    case Kw::Pict:
    case Kw::Footnote:
    case Kw::NestTableProps:
        return true;
    default:
        return false;
    }
}

} // namespace qm::rtf
