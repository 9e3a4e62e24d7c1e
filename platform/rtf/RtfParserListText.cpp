#include "platform/rtf/RtfParser.h"

// The bullet or number that word processors write before a list item's text,
// {\listtext\pard\plain \u8226\'95\tab}, for readers that do not number
// lists themselves. It is shown as written, but it is not the paragraph's
// own: it resets none of the paragraph's formats, its size is the text's
// unless it gives one, and it sets no line height, so a list item's lines
// stand as far apart as the same paragraph's without its bullet.
namespace qm::rtf {

bool RtfParser::listTextWord(Kw kw) const
{
    return stack_.back().listText && (kw == Kw::Pard || kw == Kw::Plain);
}

bool RtfParser::setsLineHeight(const GroupState& g) const
{
    return !g.listText;
}

} // namespace qm::rtf
