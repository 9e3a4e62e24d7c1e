#pragma once
#include <QColor>
#include <QImage>
#include <QSize>

// The look shared by every skin: the blue family of the dialogs (their caption
// labels are #6666FF normally and #CCCCFF when highlighted, so the button faces
// use exactly those colours and a label laid on top blends in) and a grey for
// anything disabled.
namespace skin {

enum class State { Off, On, Dis };

struct Palette {
    QColor face;   // the flat face, matching the caption label's back colour
    QColor light;  // bevel highlight (top and left edges)
    QColor dark;   // bevel shadow and outline (bottom and right edges)
    QColor symbol; // arrows, crosses, bars drawn on the face
};

Palette PaletteFor(State state);

// Window backgrounds.
inline const QColor kPanel{0xF4, 0xF5, 0xFC};      // page and dialog area
inline const QColor kBand{0x2E, 0x2E, 0x94};       // title and bottom bars
inline const QColor kBandLight{0x44, 0x44, 0xB8};
inline const QColor kAccent{0x66, 0x66, 0xFF};

// A blank image of the size filled with the face of the state, with a bevel.
QImage BevelFace(QSize size, State state, int bevel = 2);

} // namespace skin
