#pragma once
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <array>

class QFont;

namespace qm::rtf {

// Qt's line breaker, deciding whether a word fits, adds the part of its last
// letter that reaches past the letter's advance (f, r, t, y in some fonts,
// most italic letters), rounded to whole pixels; word processors count the
// advance alone. Such a word would go to the next line when it ends within a
// pixel of the margin. A joiner between the letter and the space after it
// (in the space's format where the word ends a run) has no width and no
// overhang and leaves the break where it was, so the word stays exactly
// when its advance fits. The joiner is never part of the text a learner
// sees or copies (see VisibleText.h).
class Overhangs {
public:
    // The letters of the font as drawn (family, weight, slant and size).
    explicit Overhangs(const QFont& font);

    // The joiner for the font: a word joiner, or else a zero width space
    // (before a space, it keeps the breaks as they were). A joiner the font
    // lacks would be drawn from another font, whose height can make the
    // line taller: such a joiner goes in apart, in a format that draws it
    // from this font alone (as nothing).
    QChar joiner() const { return joiner_; }
    bool joinerApart() const { return apart_; }

    // Whether the letter's drawn glyph reaches past its advance.
    bool at(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < latin_.size() && latin_[u] >= 0) return latin_[u] != 0;
        return measured(c);
    }

private:
    bool measured(QChar c);
    bool measure(QChar c) const;

    QFontMetricsF metrics_;
    QChar joiner_;
    bool apart_ = false;
    std::array<qint8, 256> latin_; // -1 until measured
    QHash<char16_t, bool> others_;
};

// Copies text to out with the joiner before each space that follows a letter
// that overhangs, and before a space it starts with when leading (the text
// before it ended in such a letter). False when no
// space needs one, out then left as it was.
bool JoinOverhangs(QStringView text, Overhangs& overhangs, bool leading, QString& out);

} // namespace qm::rtf
