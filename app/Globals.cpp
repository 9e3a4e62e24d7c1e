#include "app/Globals.h"
#include "content/LinkedList.h"

namespace qm {

void ProgressArrays::clear() { *this = ProgressArrays(); }

LinkedList& PageList()
{
    static LinkedList list;
    return list;
}

CourseRecord& CurrentCourse() { return Courses[CurCourse]; }

ModuleRecord& CurrentModule() { return Courses[CurCourse].Modules[CurModule]; }

bool HasCurrentModule()
{
    return CurCourse >= 0 && CurCourse < Courses.size() && CurModule >= 0
        && CurModule < Courses[CurCourse].Modules.size();
}

void ResetGlobals()
{
    AppPath.clear();
    AppDrive.clear();
    Courses.clear();
    CurCourse = 0;
    CurModule = 0;
    AllModulesMode = 0;
    UserFirstName.clear();
    UserLastName.clear();
    UserEmail.clear();
    SavedPosition = PagePosition();
    ReturnStack.clear();
    ExitRequested = false;
    KeysDisabled = false;
    MoviePresent = false;
    ScreenScaleMode = 0;
    ToolMenuCaptions.clear();
    TopicMenuModule = TopicHilite = ModuleHilite = ModuleScrollPos = TopicScrollPos = 0;
    LastTxObjectId = 0;
    LastTxObjectIdSet = false;
    TestHeader.clear();
    Questions.clear();
    ReviewItems.clear();
    TestPageName.clear();
    TestModuleCode.clear();
    NextPageAfterTest.clear();
    Progress.clear();
    PageList().InitLinedList();
}

} // namespace qm
