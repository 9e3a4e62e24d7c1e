#include "assessment/ProgressFigures.h"
#include "assessment/Percent.h"
#include "content/ModuleCode.h"
#include "users/VisitedTitle.h"

namespace qm {
namespace {

const CourseRecord* chosenCourse()
{
    if (CurCourse < 0 || CurCourse >= Courses.size()) return nullptr;
    return &Courses[CurCourse];
}

// Occurrences of "__", overlapping ones included ("___" holds two).
int countSeparators(const QString& text)
{
    int n = 0;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i] == u'_' && text[i - 1] == u'_') ++n;
    return n;
}

} // namespace

int CountVisitedTopics(const ProgressArrays& progress)
{
    const ModuleRecords records(progress);
    int total = 0;
    for (int j = 0; j < progress.count(); ++j)
        if (records.of(progress.ProgModuleCodes[j]) == j)
            total += 1 + countSeparators(progress.ProgPageTopNames.value(j));
    return total;
}

int CountVisitedTopics() { return CountVisitedTopics(Progress); }

int CountCourseTopics(const CourseRecord& course)
{
    int total = 0;
    for (const ModuleRecord& m : course.Modules) total += int(m.Topics.size());
    return total;
}

int CountCourseTopics()
{
    const CourseRecord* course = chosenCourse();
    return course ? CountCourseTopics(*course) : 0;
}

int GetCoursePercent(const ProgressArrays& progress, const CourseRecord& course)
{
    const int topics = CountCourseTopics(course);
    if (topics == 0) return 0;
    return qMin(FloatingPercent(CountVisitedTopics(progress), topics), 100);
}

int GetCoursePercent()
{
    const CourseRecord* course = chosenCourse();
    return course ? GetCoursePercent(Progress, *course) : 0;
}

QString PercentText(const QString& value)
{
    return value.isEmpty() ? value : value + QLatin1Char('%');
}

int ModuleRecordOf(const ProgressArrays& progress, const QString& moduleCode)
{
    for (int j = 0; j < progress.count(); ++j)
        if (SameModuleCode(progress.ProgModuleCodes[j], moduleCode)) return j;
    return -1;
}

ModuleRecords::ModuleRecords(const ProgressArrays& progress) : progress_(progress)
{
    first_.reserve(progress.count());
    for (int j = 0; j < progress.count(); ++j) {
        const QString& code = progress.ProgModuleCodes[j];
        const auto at = first_.constFind(ModuleCodeHash(code));
        if (at == first_.cend())
            first_.insert(ModuleCodeHash(code), j);
        else if (!SameModuleCode(progress.ProgModuleCodes[*at], code) && of(code) < 0)
            others_.append(j);
    }
}

int ModuleRecords::of(const QString& moduleCode) const
{
    const auto at = first_.constFind(ModuleCodeHash(moduleCode));
    if (at == first_.cend()) return -1;
    if (SameModuleCode(progress_.ProgModuleCodes[*at], moduleCode)) return *at;
    for (const int j : others_)
        if (SameModuleCode(progress_.ProgModuleCodes[j], moduleCode)) return j;
    return -1;
}

bool IsModuleViewed(const ProgressArrays& progress, const QString& moduleCode)
{
    return ModuleRecordOf(progress, moduleCode) >= 0;
}

bool IsTopicViewed(const ProgressArrays& progress, const QString& moduleCode, const QString& topicTitle)
{
    const int j = ModuleRecordOf(progress, moduleCode);
    if (j < 0) return false;
    const QString visited = QLatin1Char('_') + progress.ProgPageTopNames.value(j) + QLatin1Char('_');
    return visited.contains(VisitedSetTitle(topicTitle));
}

ModuleScoreTexts ModuleScores(const ProgressArrays& progress, const QString& moduleCode)
{
    const int j = ModuleRecordOf(progress, moduleCode);
    if (j < 0) return {};
    return {PercentText(progress.ProgBestScores.value(j)), PercentText(progress.ProgLastScores.value(j))};
}

ModuleScoreTexts ModuleScores(int moduleRow)
{
    const CourseRecord* course = chosenCourse();
    if (!course || moduleRow < 0 || moduleRow >= course->Modules.size()) return {};
    return ModuleScores(Progress, course->Modules[moduleRow].Code);
}

} // namespace qm
