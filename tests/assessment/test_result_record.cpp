#include "app/Globals.h"
#include "assessment/ResultRecord.h"

#include <QtTest>

using namespace qm;

namespace {
void addRecord(ProgressArrays& p, const QString& code, const QStringList& items3to10)
{
    p.ProgModuleCodes << code;
    p.ProgPageTopNames << "_Intro_";
    p.ProgAttempts << items3to10.value(0);
    p.ProgFirstScores << items3to10.value(1);
    p.ProgFirstAnswers << items3to10.value(2);
    p.ProgFirstDates << items3to10.value(3);
    p.ProgBestScores << items3to10.value(4);
    p.ProgBestAnswers << items3to10.value(5);
    p.ProgBestDates << items3to10.value(6);
    p.ProgLastScores << items3to10.value(7);
}
const QStringList kEmpty{"", "", "", "", "", "", "", ""};
} // namespace

class ResultRecordTest : public QObject {
    Q_OBJECT

private slots:
    void firstAttemptIsFirstBestAndLast()
    {
        ProgressArrays p;
        addRecord(p, "ABC123", kEmpty);
        const ResultItems r = BuildResultRecord(p, "ABC123", 80, "11101", "2026-03-07");
        QCOMPARE(r.items(), (QStringList{"1", "80", "11101", "2026-03-07", "80", "11101", "2026-03-07", "80"}));
    }

    void noRecordMakesThisAttemptTheFirst()
    {
        ProgressArrays p;
        addRecord(p, "XYZ000", {"4", "10", "0", "2020-01-01", "90", "1", "2020-01-02", "50"});
        const ResultItems r = BuildResultRecord(p, "ABC123", 60, "10", "2026-03-07");
        QCOMPARE(r.items(), (QStringList{"1", "60", "10", "2026-03-07", "60", "10", "2026-03-07", "60"}));
    }

    void equalScoreReplacesBest()
    {
        ProgressArrays p;
        addRecord(p, "ABC123", {"1", "60", "01101", "2026-01-01", "60", "01101", "2026-01-01", "60"});
        const ResultItems r = BuildResultRecord(p, "ABC123", 60, "11100", "2026-03-07");
        QCOMPARE(r.items(), (QStringList{"2", "60", "01101", "2026-01-01", "60", "11100", "2026-03-07", "60"}));
    }

    void lowerScoreKeepsBest()
    {
        ProgressArrays p;
        addRecord(p, "ABC123", {"1", "60", "01101", "2026-01-01", "80", "11110", "2026-02-01", "80"});
        const ResultItems r = BuildResultRecord(p, "ABC123", 40, "10001", "2026-03-07");
        QCOMPARE(r.items(), (QStringList{"2", "60", "01101", "2026-01-01", "80", "11110", "2026-02-01", "40"}));
    }

    void higherScoreReplacesBestAndAttemptsCount()
    {
        ProgressArrays p;
        addRecord(p, "ABC123", {"9", "20", "1000", "2026-01-01", "50", "1100", "2026-02-01", "25"});
        const ResultItems r = BuildResultRecord(p, "ABC123", 100, "1111", "2026-03-07");
        QCOMPARE(r.items(), (QStringList{"10", "20", "1000", "2026-01-01", "100", "1111", "2026-03-07", "100"}));
    }

    void theModulesFirstRecordIsTheStoredOne()
    {
        // The one the store updates: the first, whatever the case of its code.
        ProgressArrays p;
        addRecord(p, "abc123", {"7", "90", "1", "2020-01-01", "90", "1", "2020-01-01", "90"});
        addRecord(p, "ABC123", {"2", "30", "0", "2022-01-01", "30", "0", "2022-01-01", "30"});
        const ResultItems r = BuildResultRecord(p, "ABC123", 50, "1", "2026-03-07");
        QCOMPARE(r.Attempts, QString("8"));
        QCOMPARE(r.FirstDate, QString("2020-01-01"));
        QCOMPARE(r.BestScore, QString("90"));
    }

    void handEditedValuesCountAsAbsent()
    {
        ProgressArrays p;
        addRecord(p, "ABC123", {"many", "60", "01", "2026-01-01", "best", "11", "2026-02-01", "60"});
        ResultItems r = BuildResultRecord(p, "ABC123", 40, "10", "2026-03-07");
        QCOMPARE(r.items(), (QStringList{"1", "60", "01", "2026-01-01", "40", "10", "2026-03-07", "40"}));

        p.clear();
        addRecord(p, "ABC123", {"-3", "60", "01", "2026-01-01", "", "", "", ""});
        r = BuildResultRecord(p, "ABC123", 40, "10", "2026-03-07");
        QCOMPARE(r.Attempts, QString("1"));
        QCOMPARE(r.BestScore, QString("40"));
        QCOMPARE(r.FirstScore, QString("60"));
    }

    void shortArraysDoNotReachPastTheirEnd()
    {
        ProgressArrays p;
        p.ProgModuleCodes << "ABC123";
        p.ProgAttempts << "2";
        p.ProgFirstScores << "50";
        const ResultItems r = BuildResultRecord(p, "ABC123", 70, "1", "2026-03-07");
        QCOMPARE(r.Attempts, QString("3"));
        QCOMPARE(r.FirstScore, QString("50"));
        QCOMPARE(r.FirstAnswers, QString());
        QCOMPARE(r.BestScore, QString("70"));
    }
};

QTEST_GUILESS_MAIN(ResultRecordTest)
#include "test_result_record.moc"
