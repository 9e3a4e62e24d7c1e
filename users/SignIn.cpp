#include "users/SignIn.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "content/ModuleCode.h"
#include "content/ModuleLoader.h"
#include "content/PageView.h"
#include "ui/UiText.h"
#include "users/CourseFile.h"
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

namespace {
// The first module of the course whose code is the bookmark's; -1 when none.
int bookmarkedModule(const QVector<ModuleRecord>& modules, const QString& code)
{
    for (int i = 0; i < modules.size(); ++i)
        if (SameModuleCode(modules[i].Code, code)) return i;
    return -1;
}

bool currentPageShown() { return IsPageShown(CurrentModule().Code, PageList().GetCurrentPageName()); }
} // namespace

bool CourseFileExists() { return HasCourseFile(CurrentUserFolderName()); }

void ResumePlace(int course, int& moduleIndex, QString& pageName)
{
    moduleIndex = 0;
    pageName.clear();
    const QString path = CourseFilePath(CurrentUserFolderName(), course);
    if (path.isEmpty() || !FileExists(path)) return;
    CourseFileContent content;
    const int found = ReadCourseFile(path, content) && content.HasBookmark
        ? bookmarkedModule(Courses[course].Modules, content.BookmarkModule)
        : -1;
    if (found >= 0) {
        moduleIndex = found;
        pageName = content.BookmarkPage;
    } else {
        pageName = QStringLiteral("0001.txm");
    }
}

void EnsureCourseFile()
{
    // A page the learner never saw (its load failed) is not their bookmark.
    if (CourseFileExists() || !HasCurrentModule() || !currentPageShown()) return;
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
    const int found = hasBookmark ? bookmarkedModule(modules, code) : -1;
    if (found >= 0) CurModule = qint16(found);
    else if (restartIfModuleGone || !hasBookmark) {
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
    // The loader has said why a page could not be shown; it is neither
    // bookmarked nor recorded as seen.
    if (!currentPageShown()) return true;
    QString error;
    if (!hasBookmark && !WriteUserBookmark(&error)) ReportProgressNotSaved(error);
    UpdateHeadingAndProgress();
    GreyButtonsAtCourseEnds();
    return true;
}

} // namespace qm
