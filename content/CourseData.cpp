#include "content/CourseData.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "platform/ProgramFolder.h"
#include "viewer/ReturnStack.h"

namespace qm {

bool InitCourseData()
{
    AppPath = ProgramFolder();
    AppDrive = DataHomeRoot();

    CurModule = 0;
    TopicMenuModule = TopicHilite = ModuleHilite = 0;
    ModuleScrollPos = TopicScrollPos = 0;
    ExitRequested = false;
    KeysDisabled = false;
    MoviePresent = false;

    ClearReturnStack();

    if (CurCourse < 0 || CurCourse >= Courses.size() || Courses[CurCourse].Modules.isEmpty()) return false;
    ModuleRecord& first = Courses[CurCourse].Modules[0];
    QString page = ModuleMapPath(first.Code);
    LoadModuleMap(page, first.Code, first.Title, false);
    return true;
}

} // namespace qm
