#pragma once
#include "app/Globals.h"

#include <QString>
#include <QVector>

namespace qm {

// A question with fewer than two correct answers is answered with option
// buttons (one choice), otherwise with check boxes.
enum class AnswerControl { OptionButtons, CheckBoxes };
AnswerControl AnswerControlFor(const QuestionRecord& question);

bool IsCorrectAnswer(const AnswerRecord& answer); // flag exactly "1"

// Grades one question from the ticked state of its answer controls, in answer
// order (missing entries count as not ticked). Correct when every answer
// flagged "1" is ticked and no other: the number of correct ticks equals
// CorrectCount and no wrong answer is ticked. Nothing ticked is wrong.
bool GradeQuestion(const QuestionRecord& question, const QVector<bool>& ticked);

// This attempt's score in percent, rounded half to even.
int TestScore(int correctAnswers, int questionCount);

// "Question 3 of 5" (strings 117 and 118); number counts from 1.
QString QuestionCounterText(int number, int questionCount);

// The summary page's score sentence: strings 133 (every question right) or
// 135, then the count, 134, the number of questions, 136 and the module title.
QString ScoreSentence(int correctAnswers, int questionCount, const QString& moduleTitle);

// Today (from the clock service) as YYYY-MM-DD.
QString GetDateString();

// A review link: 6 characters of module code, one separator that is not read,
// 8 characters of page file name; anything after the 15th is ignored.
struct ReviewTarget {
    QString ModuleCode;
    QString PageName;
};
ReviewTarget ParseReviewLink(const QString& link);

// Index of the first module of the course whose Code is code (in any case); -1
// when none does (the link points to a module not installed, string 541).
int FindModuleIndex(const CourseRecord& course, const QString& code);

} // namespace qm
