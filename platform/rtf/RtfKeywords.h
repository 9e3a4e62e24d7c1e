#pragma once
#include <QByteArrayView>

namespace qm::rtf {

// The control words the reader acts on. Everything else is skipped.
enum class Kw {
    Unknown,
    // destinations
    Rtf, FontTable, ColorTable, StyleSheet, Pict, Field, FieldInst, FieldResult,
    BookmarkStart, BookmarkEnd, QmObject, ShapePict, NonShapePict, SkippedDestination,
    Footnote, NestTableProps, ListText,
    // document
    DefaultFont, DefaultTab, AnsiCodePage, CharsetAnsi, CharsetMac, CharsetPc, CharsetPca,
    // character formatting
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Caps, Super, Sub, NoSuperSub,
    FontSize, Font, ForeColor, BackColor, Highlight, CharShading,
    // font and colour tables
    FontCharset, FontCodePage, Red, Green, Blue,
    // paragraphs
    Pard, Par, Sect, Page, Line, Tab, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, LineSpacing, LineMultiple,
    TabStop, TabRight, TabCenter, TabDecimal, InTable, NestLevel,
    // special characters
    Unicode, UnicodeSkip, EmDash, EnDash, LeftQuote, RightQuote, LeftDoubleQuote, RightDoubleQuote,
    Bullet, EmSpace, EnSpace, QuarterEmSpace, NoteMark, Endnote,
    // tables
    RowDefaults, CellRight, Cell, Row, NestCell, NestRow, CellShading, CellVMergeFirst, CellVMerge,
    CellHMergeFirst, CellHMerge, CellBorder, RowGap, RowLeft, RowAlignLeft, RowAlignCenter, RowAlignRight,
    RowPadLeft, RowPadRight, RowPadTop, RowPadBottom, CellPadLeft, CellPadRight, CellPadTop, CellPadBottom, BorderWidth,
    // pictures
    PngBlip, JpegBlip, OtherBlip, PicWidth, PicHeight, PicGoalWidth, PicGoalHeight, PicScaleX, PicScaleY,
    // object placeholders
    ObjectWidth, ObjectHeight,
};

Kw LookupKeyword(QByteArrayView word);

// LookupKeyword with the words met before remembered: a page says the same
// few control words again and again (\b, \i, \par, \cell), and looking
// one up in the full table costs more than the rest of its handling.
class KeywordMemo {
public:
    Kw operator()(QByteArrayView word);

private:
    static constexpr qsizetype kLongest = 14;
    struct Entry {
        char word[kLongest];
        unsigned char size = 0; // 0: empty
        Kw kw = Kw::Unknown;
    };
    Entry entries_[64];
};

// Destinations that a "\*" in front of them does not make the reader skip.
bool IsHandledDestination(Kw kw);

} // namespace qm::rtf
