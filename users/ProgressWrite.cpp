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

// Adds one record line after what the file holds (its text and content as
// read; both empty for a missing file). A file without a bookmark line
// (missing, blank, or hand-edited) gets one, so that it reads back as a
// course file; otherwise the text is kept as it is and the line added.
bool appendRecord(const QString& path, QString text, CourseFileContent content, const QStringList& record,
                  const QString& bookmarkModule, QString* error)
{
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

bool readIfThere(const QString& path, CourseFileContent& content, QString& text, QString* error)
{
    return !QFileInfo::exists(path) || ReadCourseFile(path, content, error, &text);
}

// Updates the learner's record of the module in the content read from path
// and writes it back with the bookmark moved.
bool updateRecord(const QString& path, CourseFileContent& content, const QString& moduleCode,
                  const QString& topicTitle, const QString& folderName, const ProgressResults& results,
                  QString* error)
{
    // The record keeps the code as the file wrote it.
    const int at = LearnerRecordIndex(content, moduleCode);
    bool changed = false;
    if (at >= 0) {
        QStringList& record = content.Records[at];
        const QStringList before = record;
        record[1] = AddToVisitedSet(record[1], topicTitle);
        if (!results.Attempts.isEmpty()) {
            const QStringList resultItems = results.items();
            for (int i = 0; i < resultItems.size(); ++i) record[2 + i] = resultItems[i];
        }
        changed = record != before;
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
            changed = true;
        }
    } else if (!content.HasBookmark || content.BookmarkModule != bookmarkModule
               || content.BookmarkPage != bookmarkPage) {
        content.HasBookmark = true;
        content.BookmarkModule = bookmarkModule;
        content.BookmarkPage = bookmarkPage;
        changed = true;
    }
    // A file that would read back the same is left as it is.
    if (!changed) return true;
    return WriteCourseFile(path, content, error);
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

    QStringList record{moduleCode, '_' + VisitedSetTitle(topicTitle) + '_'};
    record += results.items();
    if (!AllModulesMode) {
        // One read serves the search and the update or the append.
        const QString path = CourseFilePath(folder, CurCourse);
        CourseFileContent content;
        QString text;
        if (!readIfThere(path, content, text, error)) return false;
        if (LearnerRecordIndex(content, moduleCode) >= 0)
            return updateRecord(path, content, moduleCode, topicTitle, folder, results, error);
        return appendRecord(path, text, content, record, moduleCode, error);
    }

    int courseIndex = CurCourse;
    if (FindRecordInAllCourseFiles(moduleCode, folder, courseIndex))
        return UpdateProgressRecord(moduleCode, topicTitle, folder, courseIndex, results, error);

    courseIndex = FindCourseOfModule(moduleCode).value_or(0);
    const QString owningPath = CourseFilePath(folder, courseIndex);
    const bool newFile = !QFileInfo::exists(owningPath);
    CourseFileContent content;
    QString text;
    if (!readIfThere(owningPath, content, text, error)
        || !appendRecord(owningPath, text, content, record, moduleCode, error))
        return false;
    if (newFile) return setBookmark(CourseFilePath(folder, CurCourse), moduleCode, currentPageName(), error);
    return true;
}

bool UpdateProgressRecord(const QString& moduleCode, const QString& topicTitle, const QString& folderName,
                          int courseIndex, const ProgressResults& results, QString* error)
{
    const QString path = CourseFilePath(folderName, courseIndex);
    CourseFileContent content;
    if (!ReadCourseFile(path, content, error)) return false;
    return updateRecord(path, content, moduleCode, topicTitle, folderName, results, error);
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
