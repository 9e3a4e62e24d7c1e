#pragma once

class QLabel;

namespace qm {

// Windows whose content grows with its text (the test window, the review
// list) are designed in twips at 15 twips a pixel; their spacing is kept in
// twips and converted here.
constexpr int DesignPixels(int twips) { return (twips * 2 + 15) / 30; }

// Makes a word-wrapping label as tall as its text needs at its current width,
// and never less than minHeight. Returns the new height.
int FitLabelHeight(QLabel* label, int minHeight = 0);

} // namespace qm
