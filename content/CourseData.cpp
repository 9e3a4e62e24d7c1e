#include "content/CourseData.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "viewer/ReturnStack.h"

namespace qm {
namespace {
// What the catalogue refused in the course's page maps goes into one message
// however many maps it concerns, so that a damaged course never buries the
// start under boxes.
void tellRefusedContent(const CourseRecord& course)
{
    constexpr int kListed = 10;
    const QStringList& refused = course.RefusedContent;
    if (refused.isEmpty()) return;
    QStringList lines = refused.mid(0, kListed);
    if (refused.size() > kListed) lines.append(QStringLiteral("(and %1 more)").arg(refused.size() - kListed));
    MsgBox(lines.join('\n'));
}
} // namespace

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
    tellRefusedContent(Courses[CurCourse]);
    if (Courses[CurCourse].Modules.isEmpty()) return false;
    ModuleRecord& first = Courses[CurCourse].Modules[0];
    QString page = ModuleMapPath(first.Code);
    LoadModuleMap(page, first.Code, first.Title, false);
    return true;
}

} // namespace qm
