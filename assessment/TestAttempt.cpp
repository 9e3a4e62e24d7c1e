#include "assessment/TestAttempt.h"
#include "assessment/Grading.h"

namespace qm {

void TestAttempt::start(int questionCount, QVector<ReviewItem>& reviewItems)
{
    *this = TestAttempt();
    QuestionCount = questionCount;
    reviewItems = QVector<ReviewItem>(1);
}

bool TestAttempt::grade(const QuestionRecord& question, const QVector<bool>& ticked,
                        QVector<ReviewItem>& reviewItems)
{
    const bool correct = GradeQuestion(question, ticked);
    if (correct) {
        ++CorrectAnswers;
        AnswerString += QLatin1Char('1');
        return true;
    }
    if (!question.ReviewLink.isEmpty()) {
        // The first suggestion takes the empty element that start() left.
        if (reviewItems.size() <= ReviewCount) reviewItems.resize(ReviewCount + 1);
        reviewItems[ReviewCount] = ReviewItem{question.ReviewCaption, question.ReviewLink};
        ++ReviewCount;
    }
    AnswerString += QLatin1Char('0');
    return false;
}

bool TestAttempt::advance()
{
    ++CurrentQuestion;
    return CurrentQuestion < QuestionCount;
}

int TestAttempt::score() const { return TestScore(CorrectAnswers, QuestionCount); }

bool HasReviewList(const QVector<ReviewItem>& reviewItems)
{
    return !reviewItems.isEmpty() && !reviewItems[0].Caption.isEmpty();
}

bool IsTestWithoutSummary(const QString& header) { return header == QLatin1String("2"); }

} // namespace qm
