#include "SkinStyle.h"

#include <QPainter>

namespace skin {

Palette PaletteFor(State state)
{
    switch (state) {
    case State::On: return {QColor(0xCC, 0xCC, 0xFF), QColor(0xF2, 0xF2, 0xFF), QColor(0x55, 0x55, 0xCC), QColor(0x1C, 0x1C, 0x70)};
    case State::Dis: return {QColor(0xC4, 0xC4, 0xC4), QColor(0xE2, 0xE2, 0xE2), QColor(0x8A, 0x8A, 0x8A), QColor(0x80, 0x80, 0x80)};
    case State::Off: break;
    }
    return {QColor(0x66, 0x66, 0xFF), QColor(0x9A, 0x9A, 0xFF), QColor(0x2E, 0x2E, 0x94), QColor(0xFF, 0xFF, 0xFF)};
}

QImage BevelFace(QSize size, State state, int bevel)
{
    const Palette pal = PaletteFor(state);
    QImage img(size, QImage::Format_RGB32);
    img.fill(pal.face);
    QPainter p(&img);
    const int w = size.width(), h = size.height();
    for (int i = 0; i < bevel; ++i) {
        p.setPen(pal.light);
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(pal.dark);
        p.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
    }
    return img;
}

} // namespace skin
