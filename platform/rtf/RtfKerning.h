#pragma once
#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <vector>

class QFont;
class QTextCursor;
class QTextCharFormat;

namespace qm::rtf {

// A font's pair kerning, read from its own kerning table, for the characters
// running text is made of. Text set without the shaper (the cheap layout a
// long page needs) is not kerned by Qt; the reader kerns it instead, giving
// the first letter of each kerned pair the spacing that takes its advance to
// the kerned one. Lines then take the width the word processor gives them,
// and break after the same words.
class PairKerning {
public:
    // The kerning of the font's family, weight and slant; nullptr where the
    // font has no table this reads. Read once per face.
    static const PairKerning* of(const QFont& font);
    // The same, for the face named; font() gives it the first time.
    static const PairKerning* of(const QString& family, int weight, bool italic, const std::function<QFont()>& font);

    // Whether any face read so far kerns a pair in the text: most runs of
    // text hold none, and are set as they are without looking further.
    static bool anyPairIn(QStringView text);

    // Whether the letter is the first of any pair the table kerns.
    bool leads(QChar c) const
    {
        const int a = slot(c.unicode());
        return a >= 0 && leads_[size_t(a)];
    }

    // How far, in the font's units, the pair's second letter moves left or
    // right; 0 for pairs the table does not hold.
    int at(QChar first, QChar second) const
    {
        const int a = slot(first.unicode()), b = slot(second.unicode());
        return a < 0 || b < 0 ? 0 : pairs_[size_t(a) * kSlots + size_t(b)];
    }
    // The letter's advance, in the font's units.
    int advance(QChar c) const
    {
        const int a = slot(c.unicode());
        return a < 0 ? 0 : advances_[size_t(a)];
    }

private:
    static constexpr int kSlots = 256;
    // Latin-1, and the typographic quotes, dashes and ellipsis in the
    // slots of control characters, which text never holds.
    static int slot(char16_t c)
    {
        if (c < 0x100) return c < 0x20 ? -1 : c;
        switch (c) {
        case 0x2018: return 0x10;
        case 0x2019: return 0x11;
        case 0x201C: return 0x12;
        case 0x201D: return 0x13;
        case 0x2013: return 0x14;
        case 0x2014: return 0x15;
        case 0x2026: return 0x16;
        default: return -1;
        }
    }
    bool read(const QFont& font);
    static std::vector<bool>& pairsOfAll(); // by pair of slots, for every face read

    std::vector<qint16> pairs_;
    std::array<int, kSlots> advances_{};
    std::array<bool, kSlots> leads_{};
};

// The number of the face (family, weight, slant, size) text in the format is
// drawn in; 0 where its letters are not its own (capitals drawn for small
// letters). A reader that keeps it beside the format saves InsertKerned
// looking the face up again for every run. Each face met for the first time
// costs a font of its own and takes one of *newFacesLeft, where given; with
// none left the number is 0 (the text is then set as it is).
int FaceNumber(const QTextCharFormat& format, const QFont& base, int* newFacesLeft = nullptr);

// Inserts text at the cursor in the format, kerned where the format's font is
// set without the shaper and its table kerns a pair, with a joiner between a
// word and its space where the word's last letter overhangs (see
// RtfOverhang.h). face is the format's FaceNumber; -1 when not known.
void InsertKerned(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, const QFont& base,
                  int face = -1);

// The paragraph ends at the cursor. Where it is right after text that ends
// in a letter that overhangs, a joiner goes after the letter: Qt would count
// the overhang against the paragraph's last word too.
void EndKernedParagraph(QTextCursor& cursor);

} // namespace qm::rtf
