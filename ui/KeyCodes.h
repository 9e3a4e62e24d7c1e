#pragma once

class QKeyEvent;

namespace qm {

// Key codes and shift flags as the windows' key handlers test them.
enum VbKey : int {
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
};
enum VbShift : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// The key code of a Qt key event: letters and digits by their upper-case
// character, the keys above by their codes; 0 for keys the program ignores.
int VbKeyCode(const QKeyEvent* e);
int VbShiftState(const QKeyEvent* e);

} // namespace qm
