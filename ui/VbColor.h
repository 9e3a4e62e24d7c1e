#pragma once
#include <QColor>

namespace qm {

// Colours are given as 0xBBGGRR values, blue in the high byte.
inline QColor VbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 ToVbColor(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

// The colours of the skinned controls.
constexpr quint32 kHighlightBack = 0xFFCCCC; // focused button caption, focused text field
constexpr quint32 kNormalBack = 0xFF6666;    // every other caption and text field
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kGrey = 0x808080;          // caption of a disabled button

} // namespace qm
