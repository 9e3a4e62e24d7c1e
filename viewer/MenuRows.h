#pragma once
#include <QRect>
#include <QString>

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

} // namespace qm
