#pragma once
#include "app/Globals.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace qm {

// Items 3 to 10 of a progress record: the test results. A page visit passes
// them empty; a test passes them filled (Attempts not empty), which replaces
// the stored results.
struct ProgressResults {
    QString Attempts;
    QString FirstScore;
    QString FirstAnswers;
    QString FirstDate;
    QString BestScore;
    QString BestAnswers;
    QString BestDate;
    QString LastScore;

    QStringList items() const;
};

// Records a page visit or a test result for a module in the learner's course
// file. The folder is first & " " & last, or fallbackFolder when the first
// name is empty. A module without a record gets one appended (a missing course
// file is created with the bookmark line first); an existing record is
// updated through UpdateProgressRecord. In "All modules" mode the record lives
// in the course file of the course owning the module. Nothing is written when
// the code is empty or the learner's folder does not exist (nobody signed in).
bool SaveProgressRecord(const QString& moduleCode, const QString& topicTitle, const QString& firstName,
                        const QString& lastName, const ProgressResults& results = {},
                        const QString& fallbackFolder = QString(), QString* error = nullptr);

// Whether the folder's course file(s) hold a record for the code; in "All
// modules" mode courseIndex is set to the course whose file holds it.
bool ProgressRecordExists(const QString& moduleCode, const QString& folderName, int& courseIndex);

// Search of the selected course's file. A missing file holds nothing.
bool FindRecordInCourseFile(const QString& moduleCode, const QString& folderName);

// Searches the course files of every course but the last entry ("All
// modules"), in catalogue order; the first match sets courseIndex. No match
// leaves courseIndex as it was.
bool FindRecordInAllCourseFiles(const QString& moduleCode, const QString& folderName, int& courseIndex);

// The first course (in catalogue order, "All modules" excluded) listing a
// module of that code; no value when none does.
std::optional<int> FindCourseOfModule(const QString& moduleCode);

// Rewrites the course file of Courses[courseIndex] in the folder: the
// learner's record of the module (LearnerRecordIndex) gets the topic added
// to its visited set and, when results.Attempts is not empty, the new
// results. The bookmark moves to the current module and page (in "All
// modules" mode it is written into the "All modules" file and the owning
// file keeps its own). The file holds the old records or the new ones, never
// fewer; a file that would read back the same is not rewritten.
bool UpdateProgressRecord(const QString& moduleCode, const QString& topicTitle, const QString& folderName,
                          int courseIndex, const ProgressResults& results, QString* error = nullptr);

// The visited set with the token "_" & topic & "_" added at the end unless the
// topic is empty or the token is already there (case counts). The topic is
// taken in its VisitedSetTitle form (a double quote kept as «).
QString AddToVisitedSet(const QString& visitedSet, const QString& topicTitle);

// Refill the arrays (cleared first) from the current learner's course file,
// or in "All modules" mode from every course file the learner has, in course
// order. False when a file that should be read is missing or unreadable, or
// nobody is signed in; what could be read is kept. unreadable, when given,
// gets the reason (naming the file) when a course file is there but cannot
// be read, for example over its cap; a missing file holds no progress yet.
bool ReadProgressRecords(ProgressArrays& arrays, QString* unreadable = nullptr);
bool ReadCourseProgressFile(ProgressArrays& arrays, QString* unreadable = nullptr);
bool ReadAllProgressFiles(ProgressArrays& arrays, QString* unreadable = nullptr);

// Sets the bookmark line of the current learner's course file for the
// selected course to the current module's code and the current page. Records
// already in the file are kept. False when nobody is signed in, there is no
// current module or the write fails.
bool WriteUserBookmark(QString* error = nullptr);

// Reads the bookmark (module code, page name) of the folder's course file for
// the selected course. False, with the reason, when the file is missing,
// unreadable or has no bookmark line.
bool ReadCourseBookmark(const QString& folderName, QString& moduleCode, QString& pageName,
                        QString* error = nullptr);

// Whether the folder has a course file for the selected course.
bool HasCourseFile(const QString& folderName);

} // namespace qm
