#include "platform/rtf/RtfFontSize.h"
#include "platform/rtf/RtfKerning.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QScreen>
#include <QTextCharFormat>
#include <QTextLayout>
#include <cmath>

namespace qm::rtf {
namespace {
// The resolution Qt sizes fonts for: the screen's, or 96 where there is none.
qreal FontDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

// Ordinary running text: what a page's lines hold.
const QString& SampleText()
{
    static const QString text = QStringLiteral(
        "Every member of staff who handles personal data must keep it safe, use it only for the purpose for which it "
        "was collected, and report any loss at once to the officer, who will decide whether the regulator must be "
        "told. Before you start work on a new site, walk round it with the supervisor; note where the exits, the "
        "first aid kit and the fire alarm points are, and sign the visitor book. Wear gloves and goggles when you "
        "handle cleaning products, and never mix two of them. Report spills, even small ones, to the Health and "
        "Safety Officer (extension 4417) before the end of your shift. Your Manager will review the Training Record "
        "with you every year, in January or February, and agree which Modules you take next.");
    return text;
}

qreal LineWidth(const QFont& font) { return AdvanceWidth(SampleText(), font); }

struct Spacing {
    qreal percent = 100; // of each letter's advance
    qreal wordPx = 0;    // added to each space
};

// The spacing at which running text in the font drawn at its whole pixel
// size takes the width it has at the exact size, kerned as word processors
// set text. The size's own share is most of it, given as a percentage of
// each letter's advance. Qt cuts each advance, and each letter's share, to a
// 64th of a pixel, so the percentage alone moves a line in steps of up to a
// tenth of a percent: the difference between two lines breaking alike or
// not. Of the percentages near the right one, the one whose remainder is
// best taken up by the spaces, in 64ths of a pixel each, is kept.
Spacing ExactSpacing(const QFont& font, qreal exactPx, int drawnPx, int& measuresLeft)
{
    static QHash<QString, Spacing> known;
    const QString key = font.family() + QChar(font.weight()) + QChar(font.italic() ? 'i' : 'n')
        + QChar(font.styleStrategy() & QFont::PreferNoShaping ? 's' : 'k') + QString::number(exactPx, 'f', 3)
        + QChar(' ') + QString::number(drawnPx);
    if (const auto it = known.constFind(key); it != known.cend()) return *it;
    // Past its share a page's sizes are spaced by their size alone: a line
    // is then within a few tenths of a percent.
    if (measuresLeft <= 0) return Spacing{qBound(50.0, 100.0 * exactPx / drawnPx, 200.0), 0};
    --measuresLeft;
    constexpr int kLarge = 2048; // where a 64th of a pixel no longer counts
    QFont large(font);
    large.setPixelSize(kLarge);
    large.setLetterSpacing(QFont::PercentageSpacing, 100);
    large.setWordSpacing(0);
    large.setStyleStrategy(QFont::PreferDefault);
    // Text set without the shaper is kerned pair by pair as it is read, where
    // the font's table allows; the spacing then brings only the letters
    // themselves to their exact width.
    large.setKerning(!(font.styleStrategy() & QFont::PreferNoShaping && PairKerning::of(font)));
    const qreal wanted = LineWidth(large) * exactPx / kLarge;
    QFont drawn(font);
    drawn.setPixelSize(drawnPx);
    drawn.setWordSpacing(0);
    Spacing best{100.0 * exactPx / drawnPx, 0};
    // The width grows with the spacing almost in proportion: a few steps settle it.
    for (int i = 0; i < 3; ++i) {
        drawn.setLetterSpacing(QFont::PercentageSpacing, best.percent);
        const qreal width = LineWidth(drawn);
        if (width <= 0 || wanted <= 0) break;
        best.percent *= wanted / width;
    }
    const qreal spaces = SampleText().count(QChar(' '));
    qreal bestMiss = -1;
    const qreal around = best.percent;
    for (int step = -6; step <= 6 && wanted > 0; ++step) {
        const qreal percent = around + step / 64.0;
        drawn.setLetterSpacing(QFont::PercentageSpacing, percent);
        const qreal width = LineWidth(drawn);
        const qreal wordPx = std::round((wanted - width) / spaces * 64) / 64;
        const qreal miss = qAbs(width + wordPx * spaces - wanted);
        if (bestMiss < 0 || miss < bestMiss - 1e-6) {
            bestMiss = miss;
            best = Spacing{percent, wordPx};
        }
    }
    best.percent = qBound(50.0, best.percent, 200.0);
    best.wordPx = qBound(-0.5 * exactPx, best.wordPx, 0.5 * exactPx);
    known.insert(key, best);
    return best;
}
} // namespace

qreal AdvanceWidth(QStringView text, const QFont& font)
{
    const QString s = text.toString();
    QTextLayout layout(s, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    return line.cursorToX(int(s.size())); // the advances alone, without the last letter's overhang
}

void SetTextSize(QTextCharFormat& f, qreal points, const QFont& base, int& measuresLeft)
{
    f.setFontPointSize(points);
    const qreal exact = points * FontDpi() / 72.0;
    const int drawn = qMax(1, qRound(exact));
    const Spacing spacing = ExactSpacing(f.font().resolve(base), exact, drawn, measuresLeft);
    if (spacing.wordPx != 0) f.setFontWordSpacing(spacing.wordPx);
    if (qAbs(spacing.percent - 100) < 1e-3) return;
    f.setFontLetterSpacingType(QFont::PercentageSpacing);
    f.setFontLetterSpacing(spacing.percent);
}

bool KerningMatters(const QFont& font)
{
    static QHash<QString, bool> known;
    const QString key = font.family() + QChar(font.weight()) + QChar(font.italic() ? 'i' : 'n');
    if (const auto it = known.constFind(key); it != known.cend()) return *it;
    QFont sample(font);
    sample.setPointSize(100);
    sample.setLetterSpacing(QFont::PercentageSpacing, 100);
    // Ordinary running text: what a page's lines hold.
    const QString text = QStringLiteral("Every member of staff who handles personal data must keep it safe, use it "
                                        "only for the purpose for which it was collected, and report any loss at once "
                                        "to the officer, who will decide whether the regulator must be told.");
    sample.setStyleStrategy(QFont::PreferNoShaping);
    const qreal plain = QFontMetricsF(sample).horizontalAdvance(text);
    sample.setStyleStrategy(QFont::PreferDefault);
    sample.setKerning(true);
    const qreal kerned = QFontMetricsF(sample).horizontalAdvance(text);
    const bool matters = plain > 0 && qAbs(kerned - plain) / plain > 0.002;
    known.insert(key, matters);
    return matters;
}

qreal SingleLinePercent(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray hhea = raw.fontTable("hhea");
    const qreal em = raw.unitsPerEm();
    if (hhea.size() < 10 || em <= 0) return 100;
    const auto s16 = [&hhea](int at) { return qint16(quint16(uchar(hhea[at]) << 8 | uchar(hhea[at + 1]))); };
    const int units = s16(4) - s16(6) + qMax<int>(0, s16(8)); // ascender, descender (negative), line gap
    if (units <= 0) return 100;
    const QFontMetricsF metrics(font);
    const qreal drawn = std::ceil(metrics.ascent() + metrics.descent() + metrics.leading());
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / FontDpi();
    if (drawn <= 0 || points <= 0) return 100;
    return qBound(50.0, 100.0 * units / em * points * FontDpi() / 72.0 / drawn, 200.0);
}

} // namespace qm::rtf
