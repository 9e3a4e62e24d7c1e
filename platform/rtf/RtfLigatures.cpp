#include "platform/rtf/RtfLigatures.h"
#include "platform/rtf/RtfFontSize.h"

#include <QFont>

namespace qm::rtf {
namespace {
constexpr int kLarge = 2048; // where a 64th of a pixel no longer counts
} // namespace

Ligatures::Ligatures(const QFont& font)
{
    // The face alone: any letter spacing, even none, would leave the ligatures out.
    font_.setFamilies(font.families());
    font_.setWeight(font.weight());
    font_.setItalic(font.italic());
    font_.setPixelSize(kLarge);
    font_.setKerning(true);
    // Any spacing at all turns the ligatures off.
    spaced_ = font_;
    spaced_.setLetterSpacing(QFont::PercentageSpacing, 100.0001);
}

int Ligatures::at(QStringView text, qsizetype i, qreal* factor)
{
    const qsizetype size = text.size();
    if (!leads(text[i]) || i + 1 >= size || !text[i + 1].isLetter()) return 0;
    const int n = i + 2 < size && leads(text[i + 1]) && text[i + 2].isLetter() ? 3 : 2;
    quint64 key = 0;
    for (int k = 0; k < n; ++k) key = key << 16 | text[i + k].unicode();
    auto it = known_.constFind(key);
    if (it == known_.cend()) it = known_.insert(key, measure(text.sliced(i, n)));
    if (*it == 0) return 0;
    *factor = *it;
    return n;
}

qreal Ligatures::measure(QStringView letters) const
{
    const qreal joined = AdvanceWidth(letters, font_), apart = AdvanceWidth(letters, spaced_);
    if (qAbs(joined - apart) < 1) return 0; // of 2048
    const qreal first = AdvanceWidth(letters.first(1), font_);
    const qreal rest = AdvanceWidth(letters.sliced(1), spaced_);
    return first > 0 && joined > rest ? (joined - rest) / first : 0;
}

} // namespace qm::rtf
