#include "users/SignIn.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "content/ModuleCode.h"
#include "content/ModuleLoader.h"
#include "ui/UiText.h"
#include "users/ProgressNotice.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"

namespace qm {

bool TakeLearnerFromFolder(const QString& folder, QString* problem)
{
    QString first, last, email, error;
    if (!ReadUserFile(folder, first, last, email, &error)) {
        SignOutLearner();
        if (problem) *problem = GetResString(548) + '\n' + error;
        return false;
    }
    UserFirstName = first;
    UserLastName = last;
    UserEmail = email;
    RemoveStaleTemporaryFiles(folder);
    RemoveUnfinishedRegistrations();
    return true;
}

void SignOutLearner()
{
    UserFirstName.clear();
    UserLastName.clear();
    UserEmail.clear();
}

bool CourseFileExists() { return HasCourseFile(CurrentUserFolderName()); }

void EnsureCourseFile()
{
    if (CourseFileExists() || !HasCurrentModule()) return;
    QString error;
    if (!WriteUserBookmark(&error)) {
        ReportProgressNotSaved(error);
        return;
    }
    RecordPageVisit(CurrentModule().Code, PageList().GetCurrentPageTopName());
}

bool ResumeAtBookmark(QString* problem, bool restartIfModuleGone)
{
    QString code, page;
    // A course file without a readable bookmark (empty, records only,
    // unreadable) resumes at the start of the course rather than locking the
    // learner out of it; the bookmark is written in front of the records.
    const bool hasBookmark = ReadCourseBookmark(CurrentUserFolderName(), code, page);
    const QVector<ModuleRecord>& modules = CurrentCourse().Modules;
    bool found = false;
    for (int i = 0; i < modules.size() && !found; ++i) {
        if (hasBookmark && SameModuleCode(modules[i].Code, code)) {
            CurModule = qint16(i);
            found = true;
        }
    }
    if (!found && (restartIfModuleGone || !hasBookmark)) {
        CurModule = 0;
        page = QStringLiteral("0001.txm");
    }
    if (!HasCurrentModule()) {
        if (problem) *problem = GetResString(549);
        return false;
    }
    if (Form1* f = Form1::ifLoaded()) f->RemoveMovieControl();
    ModuleRecord& m = CurrentModule();
    QString mapPath = ModuleMapPath(m.Code);
    LoadModuleMapAtPage(mapPath, m.Code, m.Title, page);
    QString error;
    if (!hasBookmark && !WriteUserBookmark(&error)) ReportProgressNotSaved(error);
    UpdateHeadingAndProgress();
    GreyButtonsAtCourseEnds();
    return true;
}

} // namespace qm
