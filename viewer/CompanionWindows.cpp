#include "viewer/CompanionWindows.h"
#include "app/Globals.h"
#include "assessment/TestWindows.h"
#include "reference/Glossary.h"
#include "viewer/Trademark.h"

#include <QTimer>

namespace qm {

void UnloadCompanionWindows()
{
    // The glossary stays loaded across a change of course, not past the exit.
    if (ExitRequested)
        if (Glossary* glossary = Glossary::ifLoaded()) glossary->unload();
    // A running slideshow stays and closes itself after its last page.
    if (Trademark* t = Trademark::ifLoaded(); t && !t->Timer1->isActive()) t->unload();
    UnloadTestWindows();
}

} // namespace qm
