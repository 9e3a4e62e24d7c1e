#include "platform/rtf/RtfKerning.h"

#include <QFont>
#include <QHash>
#include <QMultiHash>
#include <QRawFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QStringList>
#include <array>
#include <memory>

namespace qm::rtf {
namespace {
quint16 U16(const QByteArray& t, qsizetype at) { return quint16(uchar(t[at]) << 8 | uchar(t[at + 1])); }

char16_t CharOfSlot(int slot)
{
    static constexpr char16_t kExtra[] = {0x2018, 0x2019, 0x201C, 0x201D, 0x2013, 0x2014, 0x2026};
    if (slot >= 0x20) return char16_t(slot);
    if (slot >= 0x10 && slot < 0x10 + int(std::size(kExtra))) return kExtra[slot - 0x10];
    return 0;
}
} // namespace

const PairKerning* PairKerning::of(const QFont& font)
{
    return of(font.family(), font.weight(), font.italic(), [&font] { return font; });
}

const PairKerning* PairKerning::of(const QString& family, int weight, bool italic,
                                   const std::function<QFont()>& font)
{
    static QHash<QString, std::shared_ptr<PairKerning>> known; // pages are read on one thread
    const QString key = family + QChar(weight) + QChar(italic ? 'i' : 'n');
    if (const auto it = known.constFind(key); it != known.cend()) return it->get();
    auto k = std::make_shared<PairKerning>();
    if (!k->read(font())) k.reset();
    if (k) {
        std::vector<bool>& all = pairsOfAll();
        for (size_t i = 0; i < k->pairs_.size(); ++i)
            if (k->pairs_[i] != 0) all[i] = true;
    }
    known.insert(key, k);
    return k.get();
}

std::vector<bool>& PairKerning::pairsOfAll()
{
    static std::vector<bool> all(size_t(kSlots) * kSlots, false);
    return all;
}

bool PairKerning::anyPairIn(QStringView text)
{
    const std::vector<bool>& all = pairsOfAll();
    int a = text.isEmpty() ? -1 : slot(text.front().unicode());
    for (qsizetype i = 1; i < text.size(); ++i) {
        const int b = slot(text[i].unicode());
        if (a >= 0 && b >= 0 && all[size_t(a) * kSlots + size_t(b)]) return true;
        a = b;
    }
    return false;
}

// The horizontal pairs of the table's first subtable of the common kind
// (a sorted list of glyph pairs). Fonts that keep their kerning only with
// the shaper's other tables have none here and are set with the shaper.
bool PairKerning::read(const QFont& font)
{
    QRawFont raw = QRawFont::fromFont(font);
    const QByteArray t = raw.fontTable("kern");
    const int em = qRound(raw.unitsPerEm());
    if (t.size() < 4 || U16(t, 0) != 0 || em <= 0) return false;
    raw.setPixelSize(em);
    QString chars;
    QList<int> slotList;
    for (int s = 0; s < kSlots; ++s)
        if (const char16_t c = CharOfSlot(s)) {
            chars += QChar(c);
            slotList += s;
        }
    const QList<quint32> glyphs = raw.glyphIndexesForString(chars);
    if (glyphs.size() != slotList.size()) return false;
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    QMultiHash<quint32, int> slotsOf;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] == 0) continue;
        slotsOf.insert(glyphs[i], slotList[i]);
        advances_[size_t(slotList[i])] = qRound(advances.value(i).x());
    }
    const int tables = U16(t, 2);
    for (qsizetype at = 4, n = 0; n < tables && at + 14 <= t.size(); ++n) {
        const quint16 length = U16(t, at + 2), coverage = U16(t, at + 4);
        const bool plainPairs = (coverage >> 8) == 0 && (coverage & 0x0F) == 0x01; // horizontal, not minimum or cross
        if (!plainPairs || length < 14) {
            at += length > 0 ? length : t.size();
            continue;
        }
        const quint16 count = U16(t, at + 6);
        pairs_.assign(size_t(kSlots) * kSlots, 0);
        for (qsizetype p = at + 14, i = 0; i < count && p + 6 <= t.size(); ++i, p += 6) {
            const auto value = qint16(U16(t, p + 4));
            if (value == 0) continue;
            const auto lefts = slotsOf.values(U16(t, p)), rights = slotsOf.values(U16(t, p + 2));
            for (const int a : lefts)
                for (const int b : rights) pairs_[size_t(a) * kSlots + size_t(b)] = value;
            for (const int a : lefts) leads_[size_t(a)] = !rights.isEmpty() || leads_[size_t(a)];
        }
        return true;
    }
    return false;
}

void InsertKerned(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, const QFont& base)
{
    // Faces are read as their sizes are set, before any of their text comes.
    if (!PairKerning::anyPairIn(text)) {
        cursor.insertText(text, format);
        return;
    }
    // A page's runs take turns among a few formats: each is looked at once,
    // and the formats of its kerned letters made once.
    struct Run {
        QTextCharFormat format;
        QFont base;
        const PairKerning* kerning = nullptr;
        qreal spacing = 100;
        QHash<int, QTextCharFormat> kerned; // by letter and kerning
    };
    thread_local std::array<Run, 8> runs;
    thread_local size_t next = 0, last = 0;
    Run* found = nullptr;
    for (size_t n = 0; n < runs.size() && !found; ++n) {
        Run& r = runs[(last + n) % runs.size()];
        if (r.format.propertyCount() > 0 && r.format == format && r.base == base) {
            found = &r;
            last = (last + n) % runs.size();
            r.format = format; // an equal copy: next time the same one, found at a glance
        }
    }
    if (!found) {
        const bool unshaped = format.fontStyleStrategy() & QFont::PreferNoShaping;
        const bool spaced = format.hasProperty(QTextFormat::FontLetterSpacing);
        const bool percent = !spaced || format.fontLetterSpacingType() == QFont::PercentageSpacing;
        last = next;
        found = &runs[next];
        next = (next + 1) % runs.size();
        *found = Run{format, base, nullptr, spaced ? format.fontLetterSpacing() : 100.0, {}};
        if (unshaped && percent && format.fontCapitalization() == QFont::MixedCase) {
            // Named from the format's own properties: a font is made only
            // the first time a face is met.
            const QStringList families = format.fontFamilies().toStringList();
            const QString family = families.isEmpty() ? base.family() : families.front();
            const int weight = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : base.weight();
            const bool italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : base.italic();
            found->kerning = PairKerning::of(family, weight, italic, [&] { return format.font().resolve(base); });
        }
    }
    Run& run = *found;
    if (!run.kerning) {
        cursor.insertText(text, format);
        return;
    }
    qsizetype from = 0;
    const QChar* chars = text.constData();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (!run.kerning->leads(chars[i])) continue;
        const int units = run.kerning->at(chars[i], chars[i + 1]);
        const int advance = run.kerning->advance(chars[i]);
        if (units == 0 || advance <= 0) continue;
        // The document copies what it is given: pieces of the text need no copies of their own.
        if (i > from) cursor.insertText(QString::fromRawData(chars + from, i - from), format);
        QTextCharFormat& kerned = run.kerned[int(text[i].unicode()) << 16 | quint16(units)];
        if (kerned.propertyCount() == 0) {
            // Qt spaces each letter by a share of its own advance: this
            // letter's share takes its advance to the kerned one.
            kerned = format;
            kerned.setFontLetterSpacingType(QFont::PercentageSpacing);
            kerned.setFontLetterSpacing(run.spacing * (advance + units) / advance);
        }
        cursor.insertText(QString::fromRawData(chars + i, 1), kerned);
        from = i + 1;
    }
    cursor.insertText(from == 0 ? text : QString::fromRawData(chars + from, text.size() - from), format);
}

} // namespace qm::rtf
