#include "app/Globals.h"
#include "assessment/Grading.h"
#include "assessment/Percent.h"
#include "assessment/TestAttempt.h"
#include "support/TestDoubles.h"

#include <QtTest>

using namespace qm;

namespace {
QuestionRecord question(const QStringList& flags, const QString& reviewCaption = {}, const QString& reviewLink = {})
{
    QuestionRecord q;
    for (const QString& f : flags) {
        q.Answers.append(AnswerRecord{"answer", f});
        if (f == "1") ++q.CorrectCount;
    }
    q.ReviewCaption = reviewCaption;
    q.ReviewLink = reviewLink;
    return q;
}
} // namespace

class GradingTest : public QObject {
    Q_OBJECT

private slots:
    void controlKindFollowsTheNumberOfCorrectAnswers()
    {
        QCOMPARE(AnswerControlFor(question({"0", "1", "0"})), AnswerControl::OptionButtons);
        QCOMPARE(AnswerControlFor(question({"1", "1", "0"})), AnswerControl::CheckBoxes);
    }

    void grading_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QVector<bool>>("ticked");
        QTest::addColumn<bool>("correct");
        // Option buttons: one choice.
        QTest::newRow("option right") << QStringList{"0", "1", "0"} << QVector<bool>{false, true, false} << true;
        QTest::newRow("option wrong") << QStringList{"0", "1", "0"} << QVector<bool>{true, false, false} << false;
        QTest::newRow("option nothing") << QStringList{"0", "1", "0"} << QVector<bool>{} << false;
        // Check boxes with flags 1, 1, 0.
        QTest::newRow("both flagged") << QStringList{"1", "1", "0"} << QVector<bool>{true, true, false} << true;
        QTest::newRow("all three") << QStringList{"1", "1", "0"} << QVector<bool>{true, true, true} << false;
        QTest::newRow("only first") << QStringList{"1", "1", "0"} << QVector<bool>{true, false, false} << false;
        QTest::newRow("nothing ticked") << QStringList{"1", "1", "0"} << QVector<bool>{false, false, false} << false;
        // A flag that is not exactly "1" is a wrong answer.
        QTest::newRow("01 is wrong") << QStringList{"01", "1"} << QVector<bool>{true, true} << false;
        QTest::newRow("nothing to get right") << QStringList{"0", "0"} << QVector<bool>{false, false} << false;
    }

    void grading()
    {
        QFETCH(QStringList, flags);
        QFETCH(QVector<bool>, ticked);
        QFETCH(bool, correct);
        QCOMPARE(GradeQuestion(question(flags), ticked), correct);
    }

    void scoresRoundHalfToEven()
    {
        QCOMPARE(TestScore(4, 5), 80);
        QCOMPARE(TestScore(1, 8), 12);
        QCOMPARE(TestScore(3, 8), 38);
        QCOMPARE(TestScore(5, 8), 62);
        QCOMPARE(TestScore(2, 3), 67);
        QCOMPARE(TestScore(1, 3), 33);
        QCOMPARE(TestScore(0, 4), 0);
        QCOMPARE(TestScore(7, 7), 100);
        QCOMPARE(TestScore(1, 0), 0);
        QCOMPARE(RoundedPercent(17, 40), 42); // 42.5
        QCOMPARE(RoundedPercent(87, 200), 44); // 43.5
    }

    void sentencesAndCounter()
    {
        qmtest::TestEnvironment env;
        QCOMPARE(QuestionCounterText(1, 5), QString("Question 1 of 5"));
        QCOMPARE(ScoreSentence(4, 5, "Fire safety"),
                 QString("You have correctly answered 4 out of 5 questions from the module: Fire safety"));
        QCOMPARE(ScoreSentence(5, 5, "Fire safety"),
                 QString("Congratulations!  You have correctly answered 5 out of 5 questions from the module: "
                         "Fire safety"));
    }

    void dateComesFromTheClock()
    {
        qmtest::TestEnvironment env;
        env.clock.date = QDate(2026, 3, 7);
        QCOMPARE(GetDateString(), QString("2026-03-07"));
        env.clock.date = QDate(2025, 11, 24);
        QCOMPARE(GetDateString(), QString("2025-11-24"));
    }

    void reviewLinks()
    {
        ReviewTarget t = ParseReviewLink("ABC123_0003.txm");
        QCOMPARE(t.ModuleCode, QString("ABC123"));
        QCOMPARE(t.PageName, QString("0003.txm"));
        t = ParseReviewLink("ABC123x0003.txmTRAILING");
        QCOMPARE(t.ModuleCode, QString("ABC123"));
        QCOMPARE(t.PageName, QString("0003.txm"));
        t = ParseReviewLink("ABC");
        QCOMPARE(t.ModuleCode, QString("ABC"));
        QCOMPARE(t.PageName, QString());

        CourseRecord course;
        course.Modules.resize(2);
        course.Modules[0].Code = "XYZ000";
        course.Modules[1].Code = "ABC123";
        QCOMPARE(FindModuleIndex(course, "ABC123"), 1);
        QCOMPARE(FindModuleIndex(course, "abc123"), 1);
        QCOMPARE(FindModuleIndex(course, "ABC12"), -1);
    }

    void attemptTalliesAnswersAndReviewItems()
    {
        QVector<ReviewItem> items{ReviewItem{"stale", "stale"}, ReviewItem{"x", "y"}};
        TestAttempt a;
        a.start(4, items);
        QCOMPARE(items.size(), 1);
        QVERIFY(!HasReviewList(items));

        const QuestionRecord q1 = question({"1", "0"}, "Page one", "ABC123_0001.txm");
        const QuestionRecord q2 = question({"1", "0"}, "No link", "");
        const QuestionRecord q3 = question({"1", "1"}, "Page three", "ABC123_0003.txm");
        QVERIFY(a.grade(q1, {true, false}, items));
        QVERIFY(!a.isLastQuestion());
        QVERIFY(a.advance());
        QVERIFY(!a.grade(q2, {false, true}, items)); // wrong, but nothing to review
        QCOMPARE(items.size(), 1);
        QVERIFY(a.advance());
        QVERIFY(!a.grade(q1, {}, items));
        QVERIFY(a.advance());
        QVERIFY(a.isLastQuestion());
        QVERIFY(!a.grade(q3, {true, false}, items));
        QVERIFY(!a.advance());

        QCOMPARE(a.AnswerString, QString("1000"));
        QCOMPARE(a.CorrectAnswers, 1);
        QCOMPARE(a.score(), 25);
        QVERIFY(!a.allCorrect());
        QCOMPARE(a.ReviewCount, 2);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0].Caption, QString("Page one"));
        QCOMPARE(items[1].Link, QString("ABC123_0003.txm"));
        QVERIFY(HasReviewList(items));
    }

    void firstReviewItemWithoutCaptionHidesTheList()
    {
        QVector<ReviewItem> items;
        TestAttempt a;
        a.start(2, items);
        a.grade(question({"1", "0"}, "", "ABC123_0001.txm"), {}, items);
        a.advance();
        a.grade(question({"1", "0"}, "Later", "ABC123_0002.txm"), {}, items);
        QCOMPARE(items.size(), 2);
        QVERIFY(!HasReviewList(items));
    }
};

QTEST_GUILESS_MAIN(GradingTest)
#include "test_grading.moc"
