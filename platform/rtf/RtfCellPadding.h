#pragma once
#include "platform/rtf/RtfTableBuilder.h"

namespace qm::rtf {

// The room, in pixels, between a table cell's edges and its text.
struct CellPadding {
    qreal left = 0, right = 0, top = 0, bottom = 0;
};

// A cell's own paddings, else the row's, else the cell gap (\trgaph) on
// the left and right and nothing above and below.
CellPadding PaddingOf(const RowDef& def, int column);

// How far left of the row's left position (\trleft) its first cell's edge
// stands. A row with a cell gap places its first cell's text there, the
// padding standing out to the left of it; a row that gives its cells'
// paddings and no gap, as some word processors write every table, places
// the cell's edge there, and every cell's text its padding inside its edges.
qreal PaddingLeftOfRow(const RowDef& def);

} // namespace qm::rtf
