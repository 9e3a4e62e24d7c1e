#include "assessment/Grading.h"
#include "assessment/Percent.h"
#include "content/ModuleCode.h"
#include "platform/Clock.h"
#include "ui/UiText.h"

namespace qm {

AnswerControl AnswerControlFor(const QuestionRecord& question)
{
    return question.CorrectCount < 2 ? AnswerControl::OptionButtons : AnswerControl::CheckBoxes;
}

bool IsCorrectAnswer(const AnswerRecord& answer) { return answer.Flag == QLatin1String("1"); }

bool GradeQuestion(const QuestionRecord& question, const QVector<bool>& ticked)
{
    int correctTicks = 0;
    bool wrongTick = false;
    for (int j = 0; j < question.Answers.size(); ++j) {
        const bool on = j < ticked.size() && ticked[j];
        if (!on) continue;
        if (IsCorrectAnswer(question.Answers[j])) ++correctTicks;
        else wrongTick = true;
    }
    // A question without a correct answer cannot be got right.
    return question.CorrectCount > 0 && correctTicks == question.CorrectCount && !wrongTick;
}

int TestScore(int correctAnswers, int questionCount) { return RoundedPercent(correctAnswers, questionCount); }

QString QuestionCounterText(int number, int questionCount)
{
    return GetResString(117) + QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ')
         + GetResString(118) + QLatin1Char(' ') + QString::number(questionCount);
}

QString ScoreSentence(int correctAnswers, int questionCount, const QString& moduleTitle)
{
    const int opening = correctAnswers == questionCount ? 133 : 135;
    return GetResString(opening) + QString::number(correctAnswers) + GetResString(134)
         + QString::number(questionCount) + GetResString(136) + moduleTitle;
}

QString GetDateString() { return clockService().today().toString(QStringLiteral("yyyy-MM-dd")); }

ReviewTarget ParseReviewLink(const QString& link)
{
    return ReviewTarget{link.left(6), link.mid(7, 8)};
}

int FindModuleIndex(const CourseRecord& course, const QString& code)
{
    for (int i = 0; i < course.Modules.size(); ++i)
        if (SameModuleCode(course.Modules[i].Code, code)) return i;
    return -1;
}

} // namespace qm
