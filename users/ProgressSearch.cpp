#include "content/ModuleCode.h"
#include "users/CourseFile.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"

namespace qm {
namespace {
bool fileHoldsRecord(const QString& path, const QString& moduleCode)
{
    CourseFileContent content;
    if (!FileExists(path) || !ReadCourseFile(path, content)) return false;
    return LearnerRecordIndex(content, moduleCode) >= 0;
}

// Every entry but the last, which is "All modules".
int realCourseCount() { return qMax(0, int(Courses.size()) - 1); }
} // namespace

bool ProgressRecordExists(const QString& moduleCode, const QString& folderName, int& courseIndex)
{
    if (AllModulesMode) return FindRecordInAllCourseFiles(moduleCode, folderName, courseIndex);
    return FindRecordInCourseFile(moduleCode, folderName);
}

bool FindRecordInCourseFile(const QString& moduleCode, const QString& folderName)
{
    return fileHoldsRecord(CourseFilePath(folderName, CurCourse), moduleCode);
}

bool FindRecordInAllCourseFiles(const QString& moduleCode, const QString& folderName, int& courseIndex)
{
    for (int i = 0; i < realCourseCount(); ++i) {
        if (fileHoldsRecord(CourseFilePath(folderName, i), moduleCode)) {
            courseIndex = i;
            return true;
        }
    }
    return false;
}

std::optional<int> FindCourseOfModule(const QString& moduleCode)
{
    for (int i = 0; i < realCourseCount(); ++i)
        for (const ModuleRecord& module : Courses[i].Modules)
            if (SameModuleCode(module.Code, moduleCode)) return i;
    return std::nullopt;
}

bool HasCourseFile(const QString& folderName) { return FileExists(CourseFilePath(folderName, CurCourse)); }

} // namespace qm
