#include "platform/rtf/RtfOverhang.h"
#include "platform/VisibleText.h"

#include <QFont>
#include <QRawFont>
#include <algorithm>

namespace qm::rtf {

Overhangs::Overhangs(const QFont& font) : metrics_(font)
{
    latin_.fill(-1);
    const QRawFont raw = QRawFont::fromFont(font);
    if (raw.supportsCharacter(QChar(kWordJoiner))) {
        joiner_ = QChar(kWordJoiner);
    } else if (raw.supportsCharacter(QChar(kZeroWidthSpace))) {
        joiner_ = QChar(kZeroWidthSpace);
    } else {
        joiner_ = QChar(kWordJoiner);
        apart_ = true;
    }
}

bool Overhangs::measured(QChar c)
{
    const char16_t u = c.unicode();
    if (u < latin_.size()) {
        latin_[u] = measure(c) ? 1 : 0;
        return latin_[u] != 0;
    }
    const auto it = others_.constFind(u);
    if (it != others_.cend()) return *it;
    return *others_.insert(u, measure(c));
}

bool Overhangs::measure(QChar c) const
{
    if (c.isSpace() || c.isSurrogate() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
        return false;
    return metrics_.rightBearing(c) < 0;
}

bool JoinOverhangs(QStringView text, Overhangs& overhangs, bool leading, QString& out)
{
    const QChar* const chars = text.data();
    const qsizetype size = text.size();
    const auto joinsAt = [&](qsizetype i) {
        return chars[i] == u' ' && (i > 0 ? chars[i - 1] != u' ' && overhangs.at(chars[i - 1]) : leading);
    };
    qsizetype joins = 0;
    for (qsizetype i = 0; i < size; ++i) joins += joinsAt(i) ? 1 : 0;
    if (joins == 0) return false;
    out.resize(size + joins);
    QChar* to = out.data();
    qsizetype from = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (!joinsAt(i)) continue;
        to = std::copy(chars + from, chars + i, to);
        *to++ = overhangs.joiner();
        from = i;
    }
    std::copy(chars + from, chars + size, to);
    return true;
}

} // namespace qm::rtf
