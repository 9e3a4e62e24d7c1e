#include "platform/rtf/RtfKerning.h"
#include "platform/VisibleText.h"
#include "platform/rtf/RtfLigatures.h"
#include "platform/rtf/RtfOverhang.h"

#include <QFont>
#include <QHash>
#include <QMultiHash>
#include <QRawFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QStringList>
#include <algorithm>
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

namespace {
// A page's runs take turns among a few formats: each is looked at once, and
// the formats of its kerned letters made once.
struct Run {
    QTextCharFormat format;
    QFont base;
    const PairKerning* kerning = nullptr;
    Overhangs* overhangs = nullptr;
    Ligatures* ligatures = nullptr; // where Qt leaves them out
    QTextCharFormat joinerFormat; // for a joiner the font lacks: drawn from no other font
    qreal spacing = 100;
    QHash<int, QTextCharFormat> kerned; // by letter and kerning
    QHash<qint64, QTextCharFormat> ligated; // by share of the letter's advance
    const std::array<bool, 256>* stops = nullptr; // Latin-1 letters that may need a look
};

// A joiner on its own, made once.
const QString& TextOf(QChar joiner)
{
    static const QString word{QChar(kWordJoiner)}, space{QChar(kZeroWidthSpace)};
    return joiner == word.front() ? word : space;
}

// What a run's text needs from its face, looked up once per face: a page
// has a few of them.
struct Face {
    QString family;
    int weight = 0;
    bool italic = false;
    qreal points = 0;
    std::unique_ptr<Overhangs> overhangs;
    std::unique_ptr<Ligatures> ligatures; // shaped and spaced faces only
    const PairKerning* kerning = nullptr;
    bool kerningRead = false;
    // Spaces, and the first letters of kerned pairs (where kerned) and of
    // ligatures (where left out).
    std::array<std::array<bool, 256>, 4> stops{};
    std::array<bool, 4> stopsMade{};
};

// Whether Qt sets text in the format without the ligatures its shaper
// would form: it leaves them out of text with letter spacing.
bool LigaturesLeftOut(const QTextCharFormat& format)
{
    return !(format.fontStyleStrategy() & QFont::PreferNoShaping) && format.hasProperty(QTextFormat::FontLetterSpacing)
        && format.fontLetterSpacingType() == QFont::PercentageSpacing && format.fontLetterSpacing() != 100;
}

bool AnyLeadIn(QStringView text)
{
    for (const QChar c : text)
        if (Ligatures::leads(c)) return true;
    return false;
}

std::vector<std::unique_ptr<Face>> faces; // pages are read on one thread
// Each face's number, by what names it: a page may use many sizes.
QHash<QString, int> faceNumbers;

// The text inserted last, where it ended in a letter that overhangs.
thread_local struct {
    bool overhung = false;
    const QTextDocument* doc = nullptr; // where it went, and (joiner known) where a paragraph may end after it
    int position = -1;
    QChar joiner;
} last;
} // namespace

int FaceNumber(const QTextCharFormat& format, const QFont& base, int* newFacesLeft)
{
    if (format.fontCapitalization() != QFont::MixedCase) return 0;
    // Named from the format's own properties: a font is made only the first
    // time a face is met.
    const QStringList families = format.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? base.family() : families.front();
    const int weight = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : base.weight();
    const bool italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : base.italic();
    const qreal points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                         : base.pointSizeF() > 0                      ? base.pointSizeF()
                                                                       : -base.pixelSize();
    const QString key =
        family + QChar(0) + QString::number(weight) + QChar(italic ? 'i' : 'r') + QString::number(points, 'g', 10);
    if (const int known = faceNumbers.value(key)) return known;
    if (newFacesLeft && (*newFacesLeft)-- <= 0) return 0;
    auto face = std::make_unique<Face>();
    const QFont font = format.font().resolve(base);
    *face = Face{family, weight, italic, points, std::make_unique<Overhangs>(font),
                 LigaturesLeftOut(format) ? std::make_unique<Ligatures>(font) : nullptr, nullptr, false};
    faces.push_back(std::move(face));
    faceNumbers.insert(key, int(faces.size()));
    return int(faces.size());
}

namespace {
// The face by its number, or the format's when the number is not known (-1).
Face* FaceOf(const QTextCharFormat& format, const QFont& base, int number = -1)
{
    if (number < 0 || size_t(number) > faces.size()) number = FaceNumber(format, base);
    return number > 0 ? faces[size_t(number - 1)].get() : nullptr;
}

Run& RunOf(const QTextCharFormat& format, const QFont& base, int number)
{
    // Looked for from the one used last: most runs take turns among a few,
    // though a page's headings, lists, tables and links make a dozen.
    thread_local std::array<Run, 16> runs;
    thread_local std::array<quint8, 16> recent = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const auto toFront = [](size_t n) {
        std::rotate(recent.begin(), recent.begin() + qsizetype(n), recent.begin() + qsizetype(n) + 1);
        return recent.front();
    };
    for (size_t n = 0; n < recent.size(); ++n) {
        Run& r = runs[recent[n]];
        if (r.format.propertyCount() > 0 && r.format == format && r.base == base) {
            toFront(n);
            r.format = format; // an equal copy: next time the same one, found at a glance
            return r;
        }
    }
    const bool unshaped = format.fontStyleStrategy() & QFont::PreferNoShaping;
    const bool spaced = format.hasProperty(QTextFormat::FontLetterSpacing);
    const bool percent = !spaced || format.fontLetterSpacingType() == QFont::PercentageSpacing;
    Run& run = runs[toFront(recent.size() - 1)];
    run = Run{format, base, nullptr, nullptr, nullptr, {}, spaced ? format.fontLetterSpacing() : 100.0, {}, {}, nullptr};
    Face* const face = FaceOf(format, base, number);
    if (!face) return run;
    run.overhangs = face->overhangs.get();
    if (LigaturesLeftOut(format)) run.ligatures = face->ligatures.get();
    if (run.overhangs->joinerApart()) {
        run.joinerFormat = format;
        run.joinerFormat.setFontStyleStrategy(QFont::StyleStrategy(format.fontStyleStrategy() | QFont::NoFontMerging));
    }
    if (unshaped && percent) {
        if (!face->kerningRead)
            face->kerning = PairKerning::of(face->family, face->weight, face->italic,
                                            [&] { return format.font().resolve(base); });
        face->kerningRead = true;
        run.kerning = face->kerning;
    }
    const size_t kind = (run.kerning ? 1 : 0) | (run.ligatures ? 2 : 0);
    std::array<bool, 256>& stops = face->stops[kind];
    if (!face->stopsMade[kind]) {
        for (char16_t u = 0; u < stops.size(); ++u)
            stops[u] = u == u' ' || (run.kerning && run.kerning->leads(QChar(u)))
                || (run.ligatures && Ligatures::leads(QChar(u)));
        face->stopsMade[kind] = true;
    }
    run.stops = &stops;
    return run;
}

// Text in pieces: kerned letters, and the first letters of ligatures Qt
// leaves out, in the formats that space them to their kerned advances or
// ligatures' widths, joiners the font lacks in their own format, the rest in
// the run's format.
void InsertPieces(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, Run& run, bool kern,
                  bool leading)
{
    thread_local QString joined;
    Overhangs* const overhangs = run.overhangs;
    const QChar joiner = overhangs ? overhangs->joiner() : QChar();
    const bool apart = overhangs && overhangs->joinerApart();
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    joined.resize(0);
    const auto flush = [&] {
        if (!joined.isEmpty()) cursor.insertText(joined, format);
        joined.resize(0);
    };
    qsizetype from = 0; // the first letter not yet in the document or in joined
    qsizetype joinedUntil = 0; // letters before it are in a ligature met already
    const PairKerning* const kerning = kern ? run.kerning : nullptr;
    Ligatures* const ligatures = run.ligatures;
    static const std::array<bool, 256> spaces = [] {
        std::array<bool, 256> s{};
        s[u' '] = true;
        return s;
    }();
    const bool* const stops = (run.stops ? *run.stops : spaces).data();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = chars[i];
        // Most letters need nothing: passed over at a glance.
        if (c.unicode() < 256 ? !stops[c.unicode()] : !(kerning && kerning->leads(c))) continue;
        const int units = kerning && i + 1 < size ? kerning->at(c, chars[i + 1]) : 0;
        const int advance = units != 0 ? kerning->advance(c) : 0;
        qreal share = 0;
        const int ligature = ligatures && i >= joinedUntil ? ligatures->at(text, i, &share) : 0;
        if (ligature > 0) joinedUntil = i + ligature;
        const bool kerned = (units != 0 && advance > 0) || ligature > 0;
        const bool join = overhangs && c == u' '
            && (i > 0 ? chars[i - 1] != u' ' && overhangs->at(chars[i - 1]) : leading);
        if (!kerned && !join) continue;
        joined.append(chars + from, i - from);
        from = i;
        if (join && apart) {
            flush();
            cursor.insertText(TextOf(joiner), run.joinerFormat);
        } else if (join) {
            joined.append(joiner);
        }
        if (kerned) {
            flush();
            // Qt spaces each letter by a share of its own advance: this
            // letter's share takes its advance to the kerned one, or its
            // ligature's letters to the ligature's width.
            if (ligature > 0) share *= run.spacing;
            else share = run.spacing * (advance + units) / advance;
            QTextCharFormat& f = ligature > 0 ? run.ligated[qRound64(share * 1e6)]
                                              : run.kerned[int(chars[i].unicode()) << 16 | quint16(units)];
            if (f.propertyCount() == 0) {
                f = format;
                f.setFontLetterSpacingType(QFont::PercentageSpacing);
                f.setFontLetterSpacing(share);
            }
            // The document copies what it is given: the letter needs no copy of its own.
            cursor.insertText(QString::fromRawData(chars + i, 1), f);
            from = i + 1;
        }
    }
    if (from == 0 && joined.isEmpty()) {
        cursor.insertText(text, format);
        return;
    }
    joined.append(chars + from, size - from);
    flush();
}
} // namespace

void InsertKerned(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, const QFont& base,
                  int face)
{
    thread_local QString joined; // the text with its joiners, one buffer for every run
    // Whether the text before ended in a letter that overhangs: a space this
    // text starts with gets its joiner first. Before a space, a joiner is
    // harmless wherever the text before went.
    const bool leading = last.overhung && last.doc == cursor.document();
    Overhangs* overhangs = nullptr;
    // Faces are read as their sizes are set, before any of their text comes.
    const bool pairs = PairKerning::anyPairIn(text);
    const Face* own = pairs ? nullptr : FaceOf(format, base, face);
    if (own && !own->overhangs->joinerApart() && !(own->ligatures && AnyLeadIn(text))) {
        // Most runs: no kerned pair, joiners in the text itself.
        overhangs = own->overhangs.get();
        const bool join = JoinOverhangs(text, *overhangs, leading, joined);
        cursor.insertText(join ? joined : text, format);
    } else {
        Run& run = RunOf(format, base, face);
        overhangs = run.overhangs;
        InsertPieces(cursor, text, format, run, run.kerning && pairs, leading);
    }
    last.overhung = overhangs && !text.isEmpty() && text.back() != u' ' && overhangs->at(text.back());
    if (last.overhung) {
        last.doc = cursor.document();
        last.position = cursor.position();
        last.joiner = overhangs->joinerApart() ? QChar() : overhangs->joiner();
    }
}

void EndKernedParagraph(QTextCursor& cursor)
{
    if (last.overhung && !last.joiner.isNull() && last.doc == cursor.document() && last.position == cursor.position())
        cursor.insertText(TextOf(last.joiner), cursor.charFormat()); // the letter's
    last.overhung = false;
    last.doc = nullptr;
}

} // namespace qm::rtf
