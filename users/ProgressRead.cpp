#include "users/CourseFile.h"
#include "users/LearnerText.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"

#include <QFileInfo>

namespace qm {
namespace {
void appendRecords(ProgressArrays& a, const CourseFileContent& content)
{
    const qsizetype n = a.count() + content.Records.size();
    for (QStringList* array : {&a.ProgModuleCodes, &a.ProgPageTopNames, &a.ProgAttempts, &a.ProgFirstScores,
                               &a.ProgFirstAnswers, &a.ProgFirstDates, &a.ProgBestScores, &a.ProgBestAnswers,
                               &a.ProgBestDates, &a.ProgLastScores})
        array->reserve(n);
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

bool ReadProgressRecords(ProgressArrays& arrays, QString* unreadable)
{
    return AllModulesMode ? ReadAllProgressFiles(arrays, unreadable) : ReadCourseProgressFile(arrays, unreadable);
}

bool ReadCourseProgressFile(ProgressArrays& arrays, QString* unreadable)
{
    arrays.clear();
    CourseFileContent content;
    const QString path = CourseFilePath(CurrentUserFolderName(), CurCourse);
    QString why;
    if (!ReadCourseFile(path, content, &why)) {
        if (unreadable && QFileInfo::exists(path)) *unreadable = why;
        return false;
    }
    appendRecords(arrays, content);
    return true;
}

bool ReadAllProgressFiles(ProgressArrays& arrays, QString* unreadable)
{
    arrays.clear();
    const QString folder = CurrentUserFolderName();
    if (folder.isEmpty()) return false;
    bool allRead = true;
    for (int i = 0; i + 1 < Courses.size(); ++i) {
        const QString path = CourseFilePath(folder, i);
        if (!FileExists(path)) continue;
        CourseFileContent content;
        QString why;
        if (ReadCourseFile(path, content, &why)) {
            appendRecords(arrays, content);
        } else {
            if (unreadable && allRead) *unreadable = why;
            allRead = false;
        }
    }
    return allRead;
}

bool ReadCourseBookmark(const QString& folderName, QString& moduleCode, QString& pageName, QString* error)
{
    const QString path = CourseFilePath(folderName, CurCourse);
    QString text;
    if (!ReadLearnerText(path, text, error)) return false;
    const CourseFileContent content = ParseCourseBookmark(text);
    if (!content.HasBookmark) {
        if (error) *error = QStringLiteral("The course file has no bookmark: %1").arg(path);
        return false;
    }
    moduleCode = content.BookmarkModule;
    pageName = content.BookmarkPage;
    return true;
}

} // namespace qm
