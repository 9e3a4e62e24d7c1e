#pragma once
#include <QString>

namespace qm::rtf {

// Other: a symbol font whose bytes have no table here (OpenSymbol, Webdings).
enum class SymbolFont : unsigned char { None, Symbol, Wingdings, Other };

// Which symbol font a font table entry names: by its family whatever
// character set the entry gives it (word processors write symbol fonts with
// the document's), or by the symbol character set (\fcharset2) for any
// other family.
SymbolFont SymbolFontOf(const QString& family, int charset);

// The Unicode character that a byte of a symbol font shows, for the signs
// authors put before list items; 0 when there is none to give.
char16_t SymbolFontCharacter(SymbolFont font, unsigned char byte);

} // namespace qm::rtf
