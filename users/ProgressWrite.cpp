#include "content/LinkedList.h"
#include "users/CourseFile.h"
#include "users/LearnerText.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"
#include "users/VisitedTitle.h"

#include <QFileInfo>

namespace qm {
namespace {
void setError(QString* error, const QString& text)
{
    if (error) *error = text;
}

QString currentModuleCode(const QString& fallback)
{
    return HasCurrentModule() ? CurrentModule().Code : fallback;
}

QString currentPageName() { return PageList().GetCurrentPageName(); }

// Sets the bookmark line and keeps whatever records the file holds.
bool setBookmark(const QString& path, const QString& moduleCode, const QString& pageName, QString* error)
{
    CourseFileContent content;
    if (QFileInfo::exists(path) && !ReadCourseFile(path, content, error)) return false;
    content.HasBookmark = true;
    content.BookmarkModule = moduleCode;
    content.BookmarkPage = pageName;
    return WriteCourseFile(path, content, error);
}

// Adds one record line after what the file holds. A file without a bookmark
// line (missing, blank, or hand-edited) gets one, so that it reads back as a
// course file; otherwise the text is kept as it is and the line added.
bool appendRecord(const QString& path, const QStringList& record, const QString& bookmarkModule, QString* error)
{
    QString text;
    if (QFileInfo::exists(path) && !ReadLearnerText(path, text, error)) return false;
    CourseFileContent content = ParseCourseFile(text);
    if (!content.HasBookmark) {
        content.HasBookmark = true;
        content.BookmarkModule = bookmarkModule;
        content.BookmarkPage = currentPageName();
        content.Records.append(record);
        return WriteCourseFile(path, content, error);
    }
    if (!text.endsWith('\n') && !text.endsWith('\r')) text += QStringLiteral("\r\n");
    text += FormatProgressRecord(record);
    return WriteLearnerText(path, text, error);
}

QString learnerFolder(const QString& first, const QString& last, const QString& fallback)
{
    if (!first.isEmpty()) return UserFolderName(first, last);
    if (!fallback.isEmpty()) return fallback;
    // A learner registered with an empty first name still owns " last".
    return last.isEmpty() ? QString() : UserFolderName(first, last);
}
} // namespace

QStringList ProgressResults::items() const
{
    return {Attempts, FirstScore, FirstAnswers, FirstDate, BestScore, BestAnswers, BestDate, LastScore};
}

QString AddToVisitedSet(const QString& visitedSet, const QString& topicTitle)
{
    if (topicTitle.isEmpty()) return visitedSet;
    const QString token = '_' + VisitedSetTitle(topicTitle) + '_';
    if (visitedSet.contains(token)) return visitedSet;
    return visitedSet + token;
}

bool SaveProgressRecord(const QString& moduleCode, const QString& topicTitle, const QString& firstName,
                        const QString& lastName, const ProgressResults& results, const QString& fallbackFolder,
                        QString* error)
{
    const QString folder = learnerFolder(firstName, lastName, fallbackFolder);
    if (!UserFolderExists(folder)) {
        setError(error, QStringLiteral("No learner folder: %1").arg(UserFolderPath(folder)));
        return false;
    }
    if (moduleCode.isEmpty()) {
        setError(error, QStringLiteral("A progress record needs a module code"));
        return false;
    }

    int courseIndex = CurCourse;
    if (ProgressRecordExists(moduleCode, folder, courseIndex)) {
        if (!AllModulesMode) courseIndex = CurCourse;
        return UpdateProgressRecord(moduleCode, topicTitle, folder, courseIndex, results, error);
    }

    QStringList record{moduleCode, '_' + VisitedSetTitle(topicTitle) + '_'};
    record += results.items();
    if (!AllModulesMode) return appendRecord(CourseFilePath(folder, CurCourse), record, moduleCode, error);

    courseIndex = FindCourseOfModule(moduleCode).value_or(0);
    const QString owningPath = CourseFilePath(folder, courseIndex);
    const bool newFile = !QFileInfo::exists(owningPath);
    if (!appendRecord(owningPath, record, moduleCode, error)) return false;
    if (newFile) return setBookmark(CourseFilePath(folder, CurCourse), moduleCode, currentPageName(), error);
    return true;
}

bool UpdateProgressRecord(const QString& moduleCode, const QString& topicTitle, const QString& folderName,
                          int courseIndex, const ProgressResults& results, QString* error)
{
    const QString path = CourseFilePath(folderName, courseIndex);
    CourseFileContent content;
    if (!ReadCourseFile(path, content, error)) return false;

    const bool newResults = !results.Attempts.isEmpty();
    const QStringList resultItems = results.items();
    for (QStringList& record : content.Records) {
        if (record[0].compare(moduleCode, Qt::CaseInsensitive) != 0) continue;
        record[1] = AddToVisitedSet(record[1], topicTitle);
        if (newResults)
            for (int i = 0; i < resultItems.size(); ++i) record[2 + i] = resultItems[i];
    }

    const QString bookmarkModule = currentModuleCode(moduleCode);
    const QString bookmarkPage = currentPageName();
    if (AllModulesMode) {
        // The bookmark of the visit lives in the "All modules" file; the
        // owning course's file keeps its own.
        if (!setBookmark(CourseFilePath(folderName, CurCourse), bookmarkModule, bookmarkPage, error)) return false;
        if (!content.HasBookmark) {
            content.HasBookmark = true;
            content.BookmarkModule = bookmarkModule;
            content.BookmarkPage = bookmarkPage;
        }
    } else {
        content.HasBookmark = true;
        content.BookmarkModule = bookmarkModule;
        content.BookmarkPage = bookmarkPage;
    }
    return WriteCourseFile(path, content, error);
}

bool WriteUserBookmark(QString* error)
{
    const QString folder = CurrentUserFolderName();
    if (!UserFolderExists(folder)) {
        setError(error, QStringLiteral("No learner is signed in"));
        return false;
    }
    if (!HasCurrentModule()) {
        setError(error, QStringLiteral("No module is open"));
        return false;
    }
    return setBookmark(CourseFilePath(folder, CurCourse), CurrentModule().Code, currentPageName(), error);
}

} // namespace qm
