#include "users/CourseFile.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"

namespace qm {
namespace {
void appendRecords(ProgressArrays& a, const CourseFileContent& content)
{
    for (const QStringList& r : content.Records) {
        a.ProgModuleCodes.append(r[0]);
        a.ProgPageTopNames.append(r[1]);
        a.ProgAttempts.append(r[2]);
        a.ProgFirstScores.append(r[3]);
        a.ProgFirstAnswers.append(r[4]);
        a.ProgFirstDates.append(r[5]);
        a.ProgBestScores.append(r[6]);
        a.ProgBestAnswers.append(r[7]);
        a.ProgBestDates.append(r[8]);
        a.ProgLastScores.append(r[9]);
    }
}
} // namespace

bool ReadProgressRecords(ProgressArrays& arrays)
{
    return AllModulesMode ? ReadAllProgressFiles(arrays) : ReadCourseProgressFile(arrays);
}

bool ReadCourseProgressFile(ProgressArrays& arrays)
{
    arrays.clear();
    CourseFileContent content;
    if (!ReadCourseFile(CourseFilePath(CurrentUserFolderName(), CurCourse), content)) return false;
    appendRecords(arrays, content);
    return true;
}

bool ReadAllProgressFiles(ProgressArrays& arrays)
{
    arrays.clear();
    const QString folder = CurrentUserFolderName();
    if (folder.isEmpty()) return false;
    bool allRead = true;
    for (int i = 0; i + 1 < Courses.size(); ++i) {
        const QString path = CourseFilePath(folder, i);
        if (!FileExists(path)) continue;
        CourseFileContent content;
        if (ReadCourseFile(path, content)) appendRecords(arrays, content);
        else allRead = false;
    }
    return allRead;
}

bool ReadCourseBookmark(const QString& folderName, QString& moduleCode, QString& pageName, QString* error)
{
    const QString path = CourseFilePath(folderName, CurCourse);
    CourseFileContent content;
    if (!ReadCourseFile(path, content, error)) return false;
    if (!content.HasBookmark) {
        if (error) *error = QStringLiteral("The course file has no bookmark: %1").arg(path);
        return false;
    }
    moduleCode = content.BookmarkModule;
    pageName = content.BookmarkPage;
    return true;
}

} // namespace qm
