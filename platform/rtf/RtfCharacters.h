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
