#pragma once
#include "app/Globals.h"

#include <QHash>
#include <QList>
#include <QString>

namespace qm {

// Visited topics counted from the modules' records: per record 1 plus the
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

// The learner's record of a module: the first record whose code is the
// module's in any case (in "All modules" mode the one in the first course
// file holding it). Later ones are left over from older versions and count
// for nothing. -1 when there is none.
int ModuleRecordOf(const ProgressArrays& progress, const QString& moduleCode);

// The same look-up for many modules at once: built in one pass over the
// arrays (which must outlive it), each look-up then costs no pass.
class ModuleRecords {
public:
    explicit ModuleRecords(const ProgressArrays& progress);
    int of(const QString& moduleCode) const;

private:
    const ProgressArrays& progress_;
    QHash<size_t, int> first_; // by code hash: the first record of that hash
    QList<int> others_;        // first records of codes whose hash was taken
};

// A module row is viewed when the module has a record.
bool IsModuleViewed(const ProgressArrays& progress, const QString& moduleCode);

// A topic is viewed when "_" & visited & "_" of the module's record holds
// the title anywhere (case counts), so a title inside a longer visited title
// counts as viewed too. The title is compared in the form visited sets keep
// it (VisitedSetTitle).
bool IsTopicViewed(const ProgressArrays& progress, const QString& moduleCode, const QString& topicTitle);

// The highest and last test score of a module's record, each with "%" when
// present.
struct ModuleScoreTexts {
    QString Best;
    QString Last;
};
ModuleScoreTexts ModuleScores(const ProgressArrays& progress, const QString& moduleCode);
// For row moduleRow of the chosen course entry's modules; both empty when the
// row is out of range.
ModuleScoreTexts ModuleScores(int moduleRow);

} // namespace qm
