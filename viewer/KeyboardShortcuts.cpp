#include "viewer/KeyboardShortcuts.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"
#include "viewer/ToolCommands.h"

#include <QPointer>

namespace qm {

void KeyboardShortcuts::keyUp(int keyCode, int shift)
{
    if (!f_.isActiveWindow()) return;
    if (shift & vbAltMask) altKey(keyCode);
    else if (shift & vbShiftMask) {
        if (keyCode == vbKeyLeft) returnKey();
    } else {
        plainKey(keyCode);
    }
}

void KeyboardShortcuts::altKey(int keyCode)
{
    switch (keyCode) {
    case 'G':
        f_.CloseAllMenus();
        f_.repaint();
        GlossaryCommand();
        break;
    case 'P': PrintPageCommand(); break;
    case 'H': CheckProgressCommand(); break;
    case 'R': RepositoryCommand(); break;
    case 'E': EditProfileCommand(); break;
    case 'C': ChangeCourseCommand(); break;
    case 'A': AboutCommand(); break;
    case 'M': MinimiseCommand(); break;
    case vbKeyLeft: returnKey(); break;
    default: break;
    }
}

void KeyboardShortcuts::returnKey()
{
    if (!f_.Return_Btn->isEnabled()) return;
    QPointer<Form1> window(&f_);
    ReturnToSavedPage();
    // The keyboard leaves the button in its resting look.
    if (window && window->isLoaded() && window->Return_Btn->isEnabled())
        window->Return_Btn->setSkin(QStringLiteral("ReturnOff.jpg"));
}

void KeyboardShortcuts::plainKey(int keyCode)
{
    if (keyCode == vbKeyEscape) {
        f_.Exit_Course();
    } else if (keyCode == vbKeyRight && f_.NextBtn->isEnabled()) {
        // A test window opened by the move may end the visit before it
        // returns: the window is only touched while it lives.
        QPointer<Form1> window(&f_);
        f_.CloseAllMenus();
        f_.NextPage();
        if (window && window->isLoaded() && window->NextBtn->isEnabled())
            window->NextBtn->setSkin(QStringLiteral("nextOff.jpg"));
    } else if (keyCode == vbKeyLeft && f_.Prev->isEnabled()) {
        f_.CloseAllMenus();
        f_.PrevPage();
        if (f_.Prev->isEnabled()) f_.Prev->setSkin(QStringLiteral("previousOff.jpg"));
    }
}

} // namespace qm
