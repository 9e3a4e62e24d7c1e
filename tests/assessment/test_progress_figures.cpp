#include "app/Globals.h"
#include "assessment/ProgressFigures.h"
#include "support/TestDoubles.h"

#include <QtTest>

using namespace qm;

namespace {
void addVisit(ProgressArrays& p, const QString& code, const QString& visited, const QString& best = {},
              const QString& last = {})
{
    p.ProgModuleCodes << code;
    p.ProgPageTopNames << visited;
    p.ProgAttempts << QString();
    p.ProgFirstScores << QString();
    p.ProgFirstAnswers << QString();
    p.ProgFirstDates << QString();
    p.ProgBestScores << best;
    p.ProgBestAnswers << QString();
    p.ProgBestDates << QString();
    p.ProgLastScores << last;
}

// Two modules with eight topics between them.
CourseRecord eightTopicCourse()
{
    CourseRecord c;
    c.Name = "Safety";
    ModuleRecord a;
    a.Code = "AAA111";
    a.Title = "Fire";
    a.Topics = {"Alarms", "Exits", "Sales", "Drills", "Extinguishers"};
    ModuleRecord b;
    b.Code = "BBB222";
    b.Title = "First aid";
    b.Topics = {"Cuts", "Burns", "Calls"};
    c.Modules = {a, b};
    return c;
}
} // namespace

class ProgressFiguresTest : public QObject {
    Q_OBJECT

private slots:
    void visitedTopicsCountOverlappingSeparators()
    {
        ProgressArrays p;
        QCOMPARE(CountVisitedTopics(p), 0);
        addVisit(p, "AAA111", "_Alarms_");
        QCOMPARE(CountVisitedTopics(p), 1);
        addVisit(p, "BBB222", "_Cuts__Burns_");
        QCOMPARE(CountVisitedTopics(p), 3);
        addVisit(p, "CCC333", ""); // an empty string still counts one
        QCOMPARE(CountVisitedTopics(p), 4);
        addVisit(p, "DDD444", "___"); // "__" at 0 and at 1
        QCOMPARE(CountVisitedTopics(p), 7);
    }

    void percentOfTopics()
    {
        const CourseRecord course = eightTopicCourse();
        QCOMPARE(CountCourseTopics(course), 8);
        ProgressArrays p;
        QCOMPARE(GetCoursePercent(p, course), 0);
        addVisit(p, "AAA111", "_Alarms__Exits__Sales_");
        QCOMPARE(GetCoursePercent(p, course), 38); // 37.5
        addVisit(p, "BBB222", "_Cuts__Burns_");
        QCOMPARE(GetCoursePercent(p, course), 62); // 62.5

        // Divided first in floating point: 23 of 40 is just under 57.5.
        CourseRecord forty;
        forty.Modules = {ModuleRecord()};
        for (int i = 0; i < 40; ++i) forty.Modules[0].Topics << QString::number(i);
        ProgressArrays visits;
        for (int i = 0; i < 23; ++i) addVisit(visits, QString::number(i), "_x_");
        QCOMPARE(GetCoursePercent(visits, forty), 57);
    }

    void moreVisitedThanExistIsCappedAtHundred()
    {
        const CourseRecord course = eightTopicCourse();
        ProgressArrays p;
        addVisit(p, "AAA111", "_Alarms__Exits__Sales__Drills__Extinguishers_");
        addVisit(p, "BBB222", "_Cuts__Burns__Calls_");
        addVisit(p, "ZZZ999", "_Old__Gone_");
        QCOMPARE(GetCoursePercent(p, course), 100);
    }

    void courseWithoutTopicsGivesZero()
    {
        CourseRecord course;
        ProgressArrays p;
        addVisit(p, "AAA111", "_x_");
        QCOMPARE(GetCoursePercent(p, course), 0);
        course.Modules.resize(2); // modules, but no topics
        QCOMPARE(GetCoursePercent(p, course), 0);
    }

    void globalsAreUsedAndNoCourseIsSafe()
    {
        qmtest::TestEnvironment env;
        QCOMPARE(CountCourseTopics(), 0);
        QCOMPARE(GetCoursePercent(), 0);
        QCOMPARE(ModuleScores(0).Best, QString());
        Courses = {eightTopicCourse()};
        addVisit(Progress, "AAA111", "_Alarms__Exits__Sales_", "80", "60");
        QCOMPARE(CountVisitedTopics(), 3);
        QCOMPARE(CountCourseTopics(), 8);
        QCOMPARE(GetCoursePercent(), 38);
        QCOMPARE(ModuleScores(0).Best, QString("80%"));
        QCOMPARE(ModuleScores(0).Last, QString("60%"));
        QCOMPARE(ModuleScores(1).Best, QString());
        QCOMPARE(ModuleScores(2).Best, QString());
    }

    void viewedModulesAndTopics()
    {
        ProgressArrays p;
        QVERIFY(!IsModuleViewed(p, "AAA111"));
        QVERIFY(!IsTopicViewed(p, "AAA111", "Alarms"));
        addVisit(p, "AAA111", "_Sales Basics__Exits_");
        addVisit(p, "BBB222", "_Cuts_");
        QVERIFY(IsModuleViewed(p, "AAA111"));
        QVERIFY(IsModuleViewed(p, "aaa111"));
        QVERIFY(IsTopicViewed(p, "aaa111", "Exits"));
        QVERIFY(!IsModuleViewed(p, "CCC333"));
        QVERIFY(IsTopicViewed(p, "AAA111", "Exits"));
        QVERIFY(IsTopicViewed(p, "AAA111", "Sales")); // inside a longer title
        QVERIFY(!IsTopicViewed(p, "AAA111", "sales")); // case counts
        QVERIFY(!IsTopicViewed(p, "AAA111", "Cuts")); // another module's topic
        QVERIFY(IsTopicViewed(p, "BBB222", "Cuts"));
        // A double quote is kept as a guillemet in the visited set.
        addVisit(p, "CCC333", "_Say \u00abno\u00ab, then report_");
        QVERIFY(IsTopicViewed(p, "CCC333", "Say \"no\", then report"));
    }

    void scoreTexts()
    {
        ProgressArrays p;
        ModuleScoreTexts t = ModuleScores(p, "AAA111");
        QCOMPARE(t.Best, QString());
        QCOMPARE(t.Last, QString());
        addVisit(p, "AAA111", "_Alarms_"); // visited, no test taken
        t = ModuleScores(p, "AAA111");
        QCOMPARE(t.Best, QString());
        QCOMPARE(t.Last, QString());
        addVisit(p, "BBB222", "_Cuts_", "80", "60");
        t = ModuleScores(p, "bbb222");
        QCOMPARE(t.Best, QString("80%"));
        QCOMPARE(t.Last, QString("60%"));
        QCOMPARE(PercentText("45"), QString("45%"));
    }

    // Of several records of one module (any case) the first is the learner's:
    // the others count for nothing.
    void aModuleHasOneRecord()
    {
        ProgressArrays p;
        addVisit(p, "AAA111", "_Alarms__Exits_", "80", "60");
        addVisit(p, "aaa111", "_Sales_", "10", "10");
        QCOMPARE(ModuleScores(p, "AAA111").Best, QString("80%"));
        QVERIFY(!IsTopicViewed(p, "AAA111", "Sales"));
        QCOMPARE(CountVisitedTopics(p), 2);
    }
};

QTEST_GUILESS_MAIN(ProgressFiguresTest)
#include "test_progress_figures.moc"
