#include "platform/rtf/RtfFontSize.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QScreen>
#include <QTextCharFormat>
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
} // namespace

void SetTextSize(QTextCharFormat& f, qreal points)
{
    f.setFontPointSize(points);
    const qreal exact = points * FontDpi() / 72.0;
    const int drawn = qMax(1, qRound(exact));
    if (qAbs(exact - drawn) < 0.01) return;
    f.setFontLetterSpacingType(QFont::PercentageSpacing);
    f.setFontLetterSpacing(100.0 * exact / drawn);
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
