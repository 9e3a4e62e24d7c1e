#pragma once
#include "content/CourseRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace qm {

class LinkedList;

// A saved position: the return stack's entries and SavedPosition.
struct PagePosition {
    QString PageName;
    QString TopicTitle;
    QString ModuleTitle;
    int CourseIndex = 0;
    qint16 ModuleIndex = 0;
};

// The current learner's progress records as ten parallel arrays.
struct ProgressArrays {
    QStringList ProgModuleCodes;
    QStringList ProgPageTopNames;
    QStringList ProgAttempts;
    QStringList ProgFirstScores;
    QStringList ProgFirstAnswers;
    QStringList ProgFirstDates;
    QStringList ProgBestScores;
    QStringList ProgBestAnswers;
    QStringList ProgBestDates;
    QStringList ProgLastScores;

    int count() const { return ProgModuleCodes.size(); }
    void clear();
};

struct AnswerRecord {
    QString Text;
    QString Flag; // exactly "1" marks a correct answer
};

struct QuestionRecord {
    QString Text;
    qint16 CorrectCount = 0;
    QString Explanation;
    QVector<AnswerRecord> Answers;
    QString ReviewCaption;
    QString ReviewLink;
};

struct ReviewItem {
    QString Caption;
    QString Link;
};

// State shared between the windows of one run. It lives here, in one place, so
// that every window reads the same course, learner and position.
inline QString AppPath;
inline QString AppDrive;

inline QVector<CourseRecord> Courses;
inline int CurCourse = 0;
inline qint16 CurModule = 0;
inline int AllModulesMode = 0;

inline QString UserFirstName;
inline QString UserLastName;
inline QString UserEmail;

inline PagePosition SavedPosition;
inline QVector<PagePosition> ReturnStack;

inline bool ExitRequested = false;
inline bool KeysDisabled = false;
inline bool MoviePresent = false;
inline int ScreenScaleMode = 0;
inline QStringList ToolMenuCaptions;

// Menu state reset when a course starts.
inline int TopicMenuModule = 0;
inline int TopicHilite = 0;
inline int ModuleHilite = 0;
inline int ModuleScrollPos = 0;
inline int TopicScrollPos = 0;

inline int LastTxObjectId = 0;
inline bool LastTxObjectIdSet = false;

// The test in progress.
inline QString TestHeader;
inline QVector<QuestionRecord> Questions;
inline QVector<ReviewItem> ReviewItems;
inline QString TestPageName;
inline QString TestModuleCode;
inline QString NextPageAfterTest;

inline ProgressArrays Progress;

// The one page list of the open module.
LinkedList& PageList();

// The chosen course entry and the current module of it. Callers make sure the
// indexes are valid (the catalogue never offers an empty course to read).
CourseRecord& CurrentCourse();
ModuleRecord& CurrentModule();
bool HasCurrentModule();

// Puts every shared value back to its state at process start (tests).
void ResetGlobals();

} // namespace qm
