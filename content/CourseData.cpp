#include "content/CourseData.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/Refusals.h"
#include "ui/UiText.h"
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

    if (CurCourse < 0 || CurCourse >= Courses.size()) return false;
    TellRefusals(Courses[CurCourse].RefusedContent);
    if (!CourseCanBeOpened(CurCourse)) return false;
    ModuleRecord& first = Courses[CurCourse].Modules[0];
    QString page = ModuleMapPath(first.Code);
    LoadModuleMap(page, first.Code, first.Title, false);
    return true;
}

bool CourseCanBeOpened(int course)
{
    return course >= 0 && course < Courses.size() && !Courses[course].Modules.isEmpty();
}

void TellCourseCannotBeOpened(int course)
{
    const bool known = course >= 0 && course < Courses.size();
    if (known) TellRefusals(Courses[course].RefusedContent);
    MsgBox(GetResString(620) + (known ? Courses[course].Name : QString()), vbExclamation);
}

} // namespace qm
