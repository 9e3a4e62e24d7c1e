#pragma once
#include <QStringView>
#include <QtGlobal>

class QFont;
class QTextCharFormat;

namespace qm::rtf {

// Sets a text size in points so that words take the width the author's word
// processor gave them: the font's exact advances at that size, kerned. Qt
// draws a font at a whole number of pixels (10 pt is 13.33 pixels on a
// 96 dpi screen, drawn at 13), which would make a line of 10 pt text 2.5%
// narrower and break it after other words, and cuts each advance to a 64th
// of a pixel; the letters and spaces are spaced by the difference instead,
// measured on running text in the format's font (resolved against base).
// Measuring a font and size takes a few milliseconds and is done once; each
// measure takes one of measuresLeft, and with none left the spacing follows
// from the size alone, so that a page of thousands of sizes stays quick.
void SetTextSize(QTextCharFormat& f, qreal points, const QFont& base, int& measuresLeft);
inline constexpr int kMeasuredSizesPerPage = 64;

// How tall, in percent of the line Qt gives the font, a single-spaced line
// of it stands in the word processor: the font's own ascent, descent and
// line gap at its exact size. Qt rounds each up at a whole pixel size and
// counts the gap of another table, which makes some fonts' lines a fifth
// taller.
qreal SingleLinePercent(const QFont& font);

// Whether kerning changes the width of a line of running text in the font
// by more than 0.2% (Carlito and Caladea by about half a percent, the
// Liberation fonts by far less). Measured once per family, weight and slant.
bool KerningMatters(const QFont& font);

// The width of the text in the font on one line: its letters' advances
// (with the font's spacing and kerning), without the last letter's overhang.
qreal AdvanceWidth(QStringView text, const QFont& font);

} // namespace qm::rtf
