#pragma once
#include <QRect>
#include <QString>

class QTimer;
class QWidget;

namespace qm {

class Form;
class PictureBox;
class TextLabel;

// One row of a slide-out menu: a row picture ("slice") with its caption
// label inside it.
struct MenuRow {
    PictureBox* slice = nullptr;
    TextLabel* caption = nullptr;
};

// Builds row `index` inside the menu's inner frame, named and listed in the
// window's controls like the designed first row.
MenuRow NewMenuRow(Form* form, QWidget* frame, const QString& sliceName, const QString& captionName, int index,
                   const QRect& rect);
// Loads row `index` as a copy of the designed row 0: same frame, names,
// size and caption placement (the caller places it).
MenuRow CopyMenuRow(Form* form, const MenuRow& first, int index);

// The two looks of a row: black on light blue with its On image, or white on
// blue with its Off image.
void ShowRowHighlighted(const MenuRow& row, const QString& onSkin);
void ShowRowNormal(const MenuRow& row, const QString& offSkin);

// The four pixels between menu rows (and between a menu and its arrows).
constexpr int kMenuGap = 4;

// Blocks the interface thread for a menu animation step and repaints.
void AnimationPause(QWidget* menuWindow, int milliseconds);

// Slides a menu window open: from a point at its left edge and `bottom` it
// grows to its current geometry in two steps a row (`steps` rows), pausing
// after each step.
void AnimateMenuOpening(QWidget* menuWindow, int bottom, int steps, int rowWidth, int pitch, int pauseMs);

// One row on in a scrolled menu. Down: while rows are left below (scrollPos
// up to lastRow) the inner frame moves up a row; up: while scrolled past the
// first rowsInView rows it moves down a row. At the end the arrow hides and
// its repeat stops there, as a hidden arrow never sees its release.
void ScrollMenuRowDown(QWidget* frame, int& scrollPos, int lastRow, int pitch, QWidget* downArrow, QTimer* repeat);
void ScrollMenuRowUp(QWidget* frame, int& scrollPos, int rowsInView, int pitch, QWidget* upArrow, QTimer* repeat);

// A press on a scroll arrow, after its first step: the repeat starts after
// half a second unless that step hid the arrow.
void StartArrowRepeat(QWidget* arrow, QTimer* repeat);
// A repeat tick, after its step: the next steps come every intervalMs.
void QuickenArrowRepeat(QTimer* repeat, int intervalMs);

} // namespace qm
