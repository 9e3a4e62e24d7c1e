#include "assessment/ProgressFigures.h"
#include "assessment/Percent.h"
#include "users/VisitedTitle.h"

namespace qm {
namespace {

const CourseRecord* chosenCourse()
{
    if (CurCourse < 0 || CurCourse >= Courses.size()) return nullptr;
    return &Courses[CurCourse];
}

int countOverlapping(const QString& text, const QString& what)
{
    int n = 0;
    for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, at + 1)) ++n;
    return n;
}

} // namespace

int CountVisitedTopics(const ProgressArrays& progress)
{
    int total = 0;
    for (int j = 0; j < progress.count(); ++j)
        total += 1 + countOverlapping(progress.ProgPageTopNames.value(j), QStringLiteral("__"));
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

bool IsModuleViewed(const ProgressArrays& progress, const QString& moduleCode)
{
    return progress.ProgModuleCodes.contains(moduleCode);
}

bool IsTopicViewed(const ProgressArrays& progress, const QString& moduleCode, const QString& topicTitle)
{
    for (int j = 0; j < progress.count(); ++j) {
        if (progress.ProgModuleCodes[j] != moduleCode) continue;
        const QString visited = QLatin1Char('_') + progress.ProgPageTopNames.value(j) + QLatin1Char('_');
        if (visited.contains(VisitedSetTitle(topicTitle))) return true;
    }
    return false;
}

ModuleScoreTexts ModuleScores(const ProgressArrays& progress, const QString& moduleCode)
{
    ModuleScoreTexts texts;
    for (int j = 0; j < progress.count(); ++j) {
        if (progress.ProgModuleCodes[j] != moduleCode) continue;
        texts.Best = progress.ProgBestScores.value(j);
        texts.Last = progress.ProgLastScores.value(j);
    }
    texts.Best = PercentText(texts.Best);
    texts.Last = PercentText(texts.Last);
    return texts;
}

ModuleScoreTexts ModuleScores(int moduleRow)
{
    const CourseRecord* course = chosenCourse();
    if (!course || moduleRow < 0 || moduleRow >= course->Modules.size()) return {};
    return ModuleScores(Progress, course->Modules[moduleRow].Code);
}

} // namespace qm
