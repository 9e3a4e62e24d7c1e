#include "viewer/ReturnStack.h"
#include "content/LinkedList.h"
#include "viewer/Form1.h"

namespace qm {

void ClearReturnStack() { ReturnStack.clear(); }

void ReturnStackFull() {}

void PushReturnPosition()
{
    SavedPosition.CourseIndex = CurCourse;
    SavedPosition.ModuleIndex = CurModule;
    SavedPosition.PageName = PageList().GetCurrentPageName();
    SavedPosition.TopicTitle = PageList().GetCurrentPageTopName();
    SavedPosition.ModuleTitle = HasCurrentModule() ? CurrentModule().Title : QString();
    if (ReturnStack.size() >= kReturnStackLimit) {
        ReturnStackFull();
        return;
    }
    ReturnStack.append(SavedPosition);
}

PagePosition PopReturnPosition()
{
    if (ReturnStack.isEmpty()) return PagePosition();
    const PagePosition entry = ReturnStack.takeLast();
    if (ReturnStack.isEmpty()) {
        if (Form1* f = Form1::ifLoaded()) f->DisableReturnButton();
    }
    return entry;
}

} // namespace qm
