#include "reference/GlossaryLines.h"

namespace qm {

QStringList BreakDefinition(const QString& text, const std::function<double(QChar)>& charWidth, double softLimit,
                            double hardLimit)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        double width = charWidth(text[i++]);
        bool softBreak = false;
        while (!softBreak && width < hardLimit && i < n) {
            width += charWidth(text[i++]);
            softBreak = width > softLimit && i < n && text[i] == QLatin1Char(' ');
        }
        lines.append(text.mid(start, i - start));
        if (softBreak) ++i; // the blank at the break is dropped
    }
    return lines;
}

} // namespace qm
