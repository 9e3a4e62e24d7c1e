#include "platform/rtf/RtfCellPadding.h"

namespace qm::rtf {
namespace {
constexpr qreal kMaxPaddingPx = 40;

bool paddedFromEdges(const RowDef& def)
{
    if (def.gapGiven) return false;
    for (const CellDef& c : def.cells)
        if (c.padLeftTwips >= 0 || c.padRightTwips >= 0 || c.padTopTwips >= 0 || c.padBottomTwips >= 0) return true;
    return false;
}
} // namespace

// Rows with a gap keep the whole pixels they have always been given; rows
// with paddings keep them exact, as their top and bottom paddings add up row
// after row.
CellPadding PaddingOf(const RowDef& def, int column)
{
    const bool exact = paddedFromEdges(def);
    const auto px = [exact](int twips, int fallback) {
        const int t = twips >= 0 ? twips : fallback;
        return qBound(0.0, exact ? t / 15.0 : qreal(t / 15), kMaxPaddingPx);
    };
    static const CellDef none;
    const CellDef& d = column >= 0 && size_t(column) < def.cells.size() ? def.cells[size_t(column)] : none;
    const auto side = [](int own, int row) { return own >= 0 ? own : row; };
    CellPadding pad{px(side(d.padLeftTwips, def.padLeftTwips), def.gapTwips),
                    px(side(d.padRightTwips, def.padRightTwips), def.gapTwips),
                    px(side(d.padTopTwips, def.padTopTwips), 0), px(side(d.padBottomTwips, def.padBottomTwips), 0)};
    // A row's height holds its border's line, most often a hairline; a
    // grid's line is a whole pixel. What it takes beyond the border is taken
    // from the padding above, so that a long table's rows do not come out
    // lower and lower.
    if (exact && def.bordered) {
        const qreal line = def.borderTwips >= 0 ? qMin(def.borderTwips / 15.0, 1.0) : 1.0;
        pad.top = qMax<qreal>(0, pad.top - (1 - line));
    }
    return pad;
}

qreal PaddingLeftOfRow(const RowDef& def)
{
    return paddedFromEdges(def) ? 0 : PaddingOf(def, 0).left;
}

} // namespace qm::rtf
