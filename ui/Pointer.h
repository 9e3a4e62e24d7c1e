#pragma once

class QWidget;

namespace qm {

// Mouse pointers by the numbers the windows use.
enum MousePointer : int { vbDefault = 0, vbHourglass = 11, vbCustom = 99 };

// The pointer of a widget; 99 is the window's own pointer (a pointing hand).
void SetWidgetPointer(QWidget* w, int pointer);
// The screen-wide pointer (the hourglass while a course loads).
void SetScreenPointer(int pointer);
int ScreenPointer();

} // namespace qm
