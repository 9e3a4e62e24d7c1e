#pragma once
#include "app/Globals.h"

#include <QString>

namespace qm {

// Visited topics counted from the progress records: per record 1 plus the
// number of "__" in its visited-topics string (each token "_" & title & "_",
// tokens meeting as "__"; overlapping occurrences count). An empty string
// still counts 1.
int CountVisitedTopics(const ProgressArrays& progress);
int CountVisitedTopics(); // of Progress

// The number of topic titles over the modules of the course.
int CountCourseTopics(const CourseRecord& course);
int CountCourseTopics(); // of the chosen course entry; 0 when there is none

// Visited over course topics in percent, rounded half to even, at most 100.
// A course without topics gives 0.
int GetCoursePercent(const ProgressArrays& progress, const CourseRecord& course);
int GetCoursePercent(); // of Progress and the chosen course entry

// "45" -> "45%"; an empty text stays empty (no test taken).
QString PercentText(const QString& value);

// A module row is viewed when any record carries its code (exact match).
bool IsModuleViewed(const ProgressArrays& progress, const QString& moduleCode);

// A topic is viewed when "_" & visited & "_" of a record of its module holds
// the title anywhere (case counts), so a title inside a longer visited title
// counts as viewed too. The title is compared in the form visited sets keep
// it (VisitedSetTitle).
bool IsTopicViewed(const ProgressArrays& progress, const QString& moduleCode, const QString& topicTitle);

// The highest and last test score of a module, each with "%" when present;
// a later record of the module overrides an earlier one.
struct ModuleScoreTexts {
    QString Best;
    QString Last;
};
ModuleScoreTexts ModuleScores(const ProgressArrays& progress, const QString& moduleCode);
// For row moduleRow of the chosen course entry's modules; both empty when the
// row is out of range.
ModuleScoreTexts ModuleScores(int moduleRow);

} // namespace qm
