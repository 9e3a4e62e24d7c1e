#include "platform/rtf/RtfFontSize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextCharFormat>

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

} // namespace qm::rtf
