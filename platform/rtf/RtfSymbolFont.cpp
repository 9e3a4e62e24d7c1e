#include "platform/rtf/RtfSymbolFont.h"

namespace qm::rtf {

SymbolFont SymbolFontOf(const QString& family, int charset)
{
    if (family.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive)) return SymbolFont::Wingdings;
    if (family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0) return SymbolFont::Symbol;
    if (family.compare(QLatin1String("OpenSymbol"), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String("Webdings"), Qt::CaseInsensitive) == 0)
        return SymbolFont::Other;
    if (charset == 2) return SymbolFont::Symbol;
    return SymbolFont::None;
}

char16_t SymbolFontCharacter(SymbolFont font, unsigned char byte)
{
    if (font == SymbolFont::Symbol) {
        switch (byte) {
        case 0xB7: return 0x2022; // bullet
        case 0xA8: return 0x2666; // diamond
        case 0xAE: return 0x2192; // arrow
        case 0xD7: return 0x22C5; // dot
        default: return 0;
        }
    }
    if (font == SymbolFont::Wingdings) {
        switch (byte) {
        case 0x6C: return 0x25CF; // black circle
        case 0x6E: return 0x25A0; // black square
        case 0x71: return 0x2751; // shadowed square
        case 0x76: return 0x2756; // diamond of four
        case 0xA7: return 0x25AA; // small square
        case 0xA8: return 0x25FB; // white square
        case 0xD8: return 0x27A2; // arrowhead
        case 0xFC: return 0x2714; // check mark
        default: return 0;
        }
    }
    return 0;
}

} // namespace qm::rtf
