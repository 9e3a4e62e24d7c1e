#pragma once
#include "app/Globals.h"

#include <QString>
#include <QVector>

namespace qm {

// The running tally of one pass through a test, kept apart from the test
// window so the window only shows what this records.
class TestAttempt {
public:
    // Starts afresh for questionCount questions; reviewItems becomes one empty
    // element (an empty first caption means no suggestions).
    void start(int questionCount, QVector<ReviewItem>& reviewItems);

    // Grades the current question from the ticked state of its answers and
    // records the outcome: the answer string grows by "1" or "0"; a wrong
    // answer whose question has a review link adds a review item.
    bool grade(const QuestionRecord& question, const QVector<bool>& ticked,
               QVector<ReviewItem>& reviewItems);

    // Moves to the next question; false when the last one was passed (the
    // summary page follows).
    bool advance();

    bool isLastQuestion() const { return CurrentQuestion + 1 >= QuestionCount; }
    bool allCorrect() const { return CorrectAnswers == QuestionCount; }
    int score() const;

    int QuestionCount = 0;
    int CurrentQuestion = 0;
    int CorrectAnswers = 0;
    int ReviewCount = 0;
    QString AnswerString;
};

// The summary page lists suggestions only when the first one has a caption.
bool HasReviewList(const QVector<ReviewItem>& reviewItems);

// A test whose header is "2" ends after its last question without a summary
// or a result record.
bool IsTestWithoutSummary(const QString& header);

} // namespace qm
