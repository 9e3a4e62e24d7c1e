#pragma once
#include <QList>
#include <QTextOption>

namespace qm::rtf {

// Where the text of a group goes.
enum class Destination : unsigned char {
    Text,        // the document
    Skip,        // nowhere
    FontTable,
    ColorTable,
    FieldInst,   // a field's instruction
    Picture,     // hex or binary picture data
    Bookmark,    // a text mark's name
    Object,      // an object placeholder's data string
    Note,        // a footnote's or endnote's text, shown at the page's end
};

struct CharState {
    int font = -1;        // index into the font table; -1 = the default font
    int halfPoints = 24;
    int foreColor = 0;    // colour table index; 0 = automatic
    int backColor = 0;
    int link = -1;        // index into the page's links while inside a field result
    signed char vertical = 0; // 1 superscript, -1 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    QList<QTextOption::Tab> tabs;
    int align = 0;          // 0 left, 1 centre, 2 right, 3 justified
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    int lineSpacing = 0;    // \sl
    bool lineMultiple = false;
    bool inTable = false;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    bool operator==(const ParaState&) const = default;
};

struct GroupState {
    CharState chr;
    ParaState para;
    Destination dest = Destination::Text;
    bool opensDestination = false; // this group started dest (finish it when the group ends)
    int unicodeSkip = 1;           // \uc
    int field = -1;                // the field this group belongs to
    bool nestedField = false;      // a field inside another field's instruction
    int note = -1;                 // the note whose text this group holds
    bool nestProps = false;        // a nested table's row definition (the outer one stays)
    bool listText = false;         // a list item's bullet or number
};

} // namespace qm::rtf
