#include "viewer/CompanionWindows.h"
#include "app/Globals.h"
#include "assessment/TestWindows.h"
#include "viewer/Trademark.h"

#include <QTimer>

namespace qm {

void UnloadCompanionWindows()
{
    if (ExitRequested) {
        // To do: unload the glossary window when it is loaded (it stays on a
        // change of course).
    }
    // A running slideshow stays and closes itself after its last page.
    if (Trademark* t = Trademark::ifLoaded(); t && !t->Timer1->isActive()) t->unload();
    UnloadTestWindows();
}

} // namespace qm
