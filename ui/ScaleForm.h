#pragma once

class QObject;

namespace qm {

class Form;

// Windows are laid out for 15 twips per pixel. On another screen their twips
// are rescaled so that they keep their designed pixel layout; labels grow by 5
// pixels and move up by 3 on such a screen; combo boxes keep their height.
enum class ControlKind { Ordinary, Label, ComboBox, NoExtent };

struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
};

TwipsRect ScaleWindowTwips(const TwipsRect& r, int tppX, int tppY);
TwipsRect ScaleControlTwips(const TwipsRect& r, ControlKind kind, int tppX, int tppY);

// How a control is treated: timers and other controls without extent are
// skipped (a widget may mark itself with the property "noExtent").
ControlKind KindOfControl(const QObject* control);

// Rescales the window and each of its controls (in control order) to the
// screen's twips per pixel. The widgets' pixel geometry is taken as design
// pixels of 15 twips.
void ScaleFormToScreen(Form& form);

} // namespace qm
