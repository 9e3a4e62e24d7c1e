#pragma once
#include <QString>
#include <QTextCharFormat>

// Character rules shared by the reader's source files.
namespace qm::rtf::chars {

constexpr qsizetype kMaxNoteText = 1 << 16; // per note

// Characters that must not reach the document as they are: controls, and the
// ones QTextDocument uses for its own structure.
inline bool dropped(char16_t c) { return (c < 0x20 && c != '\t') || c == 0xFFFC || c == 0xFEFF; }
inline char16_t structural(char16_t c)
{
    if (c == 0x2029 || c == 0xFDD0 || c == 0xFDD1) return u' ';
    return c;
}

// Text in a font set without the shaper still gets it where the text needs
// it to read right: joining scripts, marks placed on their letters,
// reordered clusters, and anything outside the plain ranges below.
inline bool needsShaping(QStringView text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const bool plain = c < 0x0300 || (c >= 0x0370 && c < 0x0483) || (c >= 0x048A && c < 0x0530)
            || (c >= 0x1E00 && c < 0x200B) || (c >= 0x2010 && c < 0x20D0) || (c >= 0x2100 && c < 0x2C00)
            || (c >= 0x3000 && c < 0xA000) || (c >= 0xAC00 && c < 0xD7A4) || (c >= 0xE000 && c < 0xFB00)
            || (c >= 0xFF00 && c < 0xFFF0);
        if (!plain) return true;
    }
    return false;
}
inline void shapeIfNeeded(QTextCharFormat& f, QStringView text)
{
    if (needsShaping(text)) f.setFontStyleStrategy(QFont::PreferDefault);
}

inline void appendCapped(QString& to, const QString& s, qsizetype cap)
{
    if (to.size() < cap) to += s.left(cap - to.size());
}

// A lone half of a surrogate pair is shown as the replacement character.
inline void fixSurrogates(QString& s)
{
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < n && s[i + 1].isLowSurrogate()) { ++i; continue; }
        if (c.isSurrogate()) s[i] = QChar(0xFFFD);
    }
}

} // namespace qm::rtf::chars
