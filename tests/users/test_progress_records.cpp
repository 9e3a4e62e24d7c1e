#include "StoreFixture.h"
#include "platform/AtomicFile.h"
#include "users/CourseFile.h"
#include "users/LearnerText.h"
#include "users/ProgressRecords.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace qm;
using namespace storetest;

namespace {
const QByteArray kEmptyResults = R"("","","","","","","","")";

QByteArray recordLine(const QByteArray& code, const QByteArray& set, const QByteArray& results = kEmptyResults)
{
    return "\"" + code + "\",\"" + set + "\"," + results + "\r\n";
}

QByteArray bookmarkLine(const QByteArray& code, const QByteArray& page)
{
    return "\"" + code + "\",\"" + page + "\"\r\n";
}

bool visit(const QString& code)
{
    return SaveProgressRecord(code, PageList().GetCurrentPageTopName(), UserFirstName, UserLastName);
}

ProgressResults testResult(const QString& attempts, const QString& score)
{
    return {attempts, "50", "1,2", "2026-03-01", score, "2,2", "2026-03-07", score};
}
} // namespace

class ProgressRecordsTest : public QObject {
    Q_OBJECT

private slots:
    void registrationFlowWritesBookmarkThenRecord()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QVERIFY(WriteUserBookmark());
        QVERIFY(visit("SAF001"));
        QCOMPARE(ReadBytes(env.dataHome() + "/Veltrane Quillmark 1.0/UserData/Ann Lee/Safety"),
                 bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_A_"));
    }

    void visitedSetTokens()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QVERIFY(WriteUserBookmark());

        // First visit with an empty topic writes "__"; a later empty topic
        // leaves the set alone.
        QVERIFY(SaveProgressRecord("SAF001", "", "Ann", "Lee"));
        QVERIFY(SaveProgressRecord("SAF001", "", "Ann", "Lee"));
        ReadCourseProgressFile(Progress);
        QCOMPARE(Progress.ProgPageTopNames, QStringList{"__"});

        // A, B, A: each token once, in first-visit order.
        for (const char* topic : {"A", "B", "A", "B"}) QVERIFY(SaveProgressRecord("SAF001", topic, "Ann", "Lee"));
        ReadCourseProgressFile(Progress);
        QCOMPARE(Progress.ProgPageTopNames, QStringList{"___A__B_"});
        QCOMPARE(AddToVisitedSet("_Fire safety_", "Fire"), QString("_Fire safety__Fire_"));
        QCOMPARE(AddToVisitedSet("_a_", "A"), QString("_a__A_"));
    }

    void topicTitleWithQuoteSurvivesTheRoundTrip()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QVERIFY(WriteUserBookmark());
        const QString title = "Say \"no\", then report";
        QVERIFY(SaveProgressRecord("SAF001", title, "Ann", "Lee", testResult("1", "80")));
        for (int i = 0; i < 3; ++i) QVERIFY(SaveProgressRecord("SAF001", title, "Ann", "Lee"));
        QVERIFY(ReadCourseProgressFile(Progress));
        QCOMPARE(Progress.ProgPageTopNames, QStringList{"_Say \u00abno\u00ab, then report_"});
        QCOMPARE(Progress.ProgLastScores, QStringList{"80"});
    }

    void trailingCommaAddsNoCourseFileItem()
    {
        const CourseFileContent c = ParseCourseFile("\"SAF001\",\"0002.txm\",\r\n\"SAF001\",\"_A_\",\r\n");
        QVERIFY(c.HasBookmark);
        QCOMPARE(c.BookmarkPage, QString("0002.txm"));
        QCOMPARE(c.Records.size(), 1);
        QCOMPARE(c.Records[0][1], QString("_A_"));
    }

    void courseNameNeverLeadsOutOfTheCourseFile()
    {
        qmtest::TestEnvironment env;
        for (const QString& name : {QString("../Escaped"), QString("User")}) {
            SetCourses({{name, {"SAF001"}}});
            SetPages();
            SignIn("Ann", "Lee");
            QCOMPARE(CourseFilePath("Ann Lee", 0), QString());
            QVERIFY(!SaveProgressRecord("SAF001", "A", "Ann", "Lee"));
        }
        QCOMPARE(QDir(UserDataRootPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Ann Lee"});
        QVERIFY(QDir(UserFolderPath("Ann Lee")).isEmpty());
    }

    void visitKeepsResultsAndTestReplacesThem()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QVERIFY(WriteUserBookmark());
        QVERIFY(visit("SAF001"));
        QVERIFY(SaveProgressRecord("SAF001", "A", "Ann", "Lee", testResult("1", "50")));
        GoToPage("0003.txm");
        QVERIFY(visit("SAF001"));
        QCOMPARE(ReadBytes(CourseFile(0)),
                 bookmarkLine("SAF001", "0003.txm")
                     + recordLine("SAF001", "_A__B_", R"("1","50","1,2","2026-03-01","50","2,2","2026-03-07","50")"));

        QVERIFY(SaveProgressRecord("SAF001", "B", "Ann", "Lee", testResult("2", "100")));
        QVERIFY(ReadProgressRecords(Progress));
        QCOMPARE(Progress.count(), 1);
        QCOMPARE(Progress.ProgAttempts[0], QString("2"));
        QCOMPARE(Progress.ProgFirstAnswers[0], QString("1,2")); // a comma inside an item survives
        QCOMPARE(Progress.ProgLastScores[0], QString("100"));
    }

    void appendKeepsBookmarkUpdateMovesIt()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QVERIFY(WriteUserBookmark());
        QVERIFY(visit("SAF001"));

        // The first page of another module appends its record; the bookmark
        // stays where it was.
        CurModule = 1;
        GoToPage("0004.txm");
        QVERIFY(visit("SAF002"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_A_")
                                               + recordLine("SAF002", "_C_"));
        // A later page of a recorded module rewrites the file with the
        // bookmark at the current module and page; records keep their order.
        GoToPage("0003.txm");
        QVERIFY(visit("SAF002"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF002", "0003.txm") + recordLine("SAF001", "_A_")
                                               + recordLine("SAF002", "_C__B_"));
        QString module, page;
        QVERIFY(ReadCourseBookmark("Ann Lee", module, page));
        QCOMPARE(module + "/" + page, QString("SAF002/0003.txm"));
    }

    void fileWithOnlyBookmarkOrNoFile()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0002.txm").chopped(2)); // no final line end
        QVERIFY(!FindRecordInCourseFile("SAF001", "Ann Lee"));
        QVERIFY(visit("SAF001"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF001", "0002.txm") + recordLine("SAF001", "_A_"));

        // A missing (or blank) course file is started with the bookmark line,
        // so that it reads back as a course file.
        QFile::remove(CourseFile(0));
        QVERIFY(visit("SAF001"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_A_"));
    }

    void writeUserBookmarkKeepsRecords()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0003.txm") + recordLine("SAF001", "_B_"));
        QVERIFY(WriteUserBookmark());
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_B_"));
    }

    void nobodySignedInWritesNothing()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        QString error;
        QVERIFY(!SaveProgressRecord("SAF001", "A", "", "", {}, "", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteUserBookmark());
        QVERIFY(!QFileInfo::exists(env.dataHome() + "/Veltrane Quillmark 1.0"));
        // A learner whose folder is gone is not recreated by a page visit.
        QVERIFY(!SaveProgressRecord("SAF001", "A", "Gone", "Away"));
        QVERIFY(!QFileInfo::exists(env.dataHome() + "/Veltrane Quillmark 1.0/UserData/Gone Away"));
        // Nor is a record without a module code written.
        SignIn("Ann", "Lee");
        QVERIFY(!SaveProgressRecord("", "A", "Ann", "Lee"));
        QVERIFY(!QFileInfo::exists(CourseFile(0)));
    }

    void allModulesPlacement()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}, {"Fire", {"FIR001", "SAF002"}}}, true);
        SetPages();
        SignIn("Ann", "Lee");
        const QString safety = CourseFile(0), fire = CourseFile(1), all = CourseFile(2);
        QCOMPARE(QFileInfo(all).fileName(), QString("All modules"));
        CurModule = 2; // FIR001 in the "All modules" entry

        // A new record goes to the owning course; its missing file and the
        // "All modules" file get the bookmark.
        QVERIFY(visit("FIR001"));
        QCOMPARE(ReadBytes(fire), bookmarkLine("FIR001", "0001.txm") + recordLine("FIR001", "_A_"));
        QCOMPARE(ReadBytes(all), bookmarkLine("FIR001", "0001.txm"));

        // A module two courses list goes to the first one; an existing file
        // keeps its bookmark and so does "All modules".
        WriteBytes(safety, bookmarkLine("SAF001", "0009.txm"));
        GoToPage("0003.txm");
        QVERIFY(visit("SAF002"));
        QCOMPARE(ReadBytes(safety), bookmarkLine("SAF001", "0009.txm") + recordLine("SAF002", "_B_"));
        QCOMPARE(ReadBytes(all), bookmarkLine("FIR001", "0001.txm"));

        // An update moves only the "All modules" bookmark.
        GoToPage("0004.txm");
        QVERIFY(visit("FIR001"));
        QCOMPARE(ReadBytes(fire), bookmarkLine("FIR001", "0001.txm") + recordLine("FIR001", "_A__C_"));
        QCOMPARE(ReadBytes(all), bookmarkLine("FIR001", "0004.txm"));

        // A module no course lists goes to course 0.
        QVERIFY(SaveProgressRecord("XXX999", "", "Ann", "Lee"));
        QVERIFY(ReadBytes(safety).endsWith(recordLine("XXX999", "__")));

        // An existing record is updated in the first file holding it.
        WriteBytes(safety, ReadBytes(safety) + recordLine("FIR001", "_Z_"));
        int index = -1;
        QVERIFY(ProgressRecordExists("FIR001", "Ann Lee", index));
        QCOMPARE(index, 0);
        QVERIFY(visit("FIR001"));
        QVERIFY(ReadBytes(safety).endsWith(recordLine("FIR001", "_Z__C_")));
        QVERIFY(ReadBytes(fire).endsWith(recordLine("FIR001", "_A__C_")));

        // Reading gathers every course file in course order.
        QVERIFY(ReadProgressRecords(Progress));
        QCOMPARE(Progress.ProgModuleCodes, (QStringList{"SAF002", "XXX999", "FIR001", "FIR001"}));
        QCOMPARE(FindCourseOfModule("SAF002"), std::optional<int>(0));
        QCOMPARE(FindCourseOfModule("saf002"), std::optional<int>(0));
    }

    void readersClearArraysFirst()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}, {"Fire", {"FIR001"}}}, true);
        SetPages();
        SignIn("Ann", "Lee");
        Progress.ProgModuleCodes = QStringList{"OLD"};
        Progress.ProgLastScores = QStringList{"OLD"};
        QVERIFY(ReadAllProgressFiles(Progress)); // no course file at all
        QCOMPARE(Progress.count(), 0);
        QVERIFY(Progress.ProgLastScores.isEmpty());

        AllModulesMode = 0;
        CurCourse = 0;
        Progress.ProgModuleCodes = QStringList{"OLD"};
        QVERIFY(!ReadCourseProgressFile(Progress)); // missing file reported
        QCOMPARE(Progress.count(), 0);
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0001.txm"));
        Progress.ProgModuleCodes = QStringList{"OLD"};
        QVERIFY(ReadCourseProgressFile(Progress));
        QCOMPARE(Progress.count(), 0);
    }

    // In "All modules" a course file over its cap is named; the others are
    // still read.
    void allModulesNamesAnUnreadableCourseFile()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}, {"Fire", {"FIR001"}}, {"Privacy", {"PRI001"}}}, true);
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_A_"));
        for (int c : {1, 2}) {
            WriteBytes(CourseFile(c), bookmarkLine("FIR001", "0001.txm"));
            QVERIFY(QFile::resize(CourseFile(c), kMaxLearnerFileBytes + 1));
        }
        QString unreadable;
        QVERIFY(!ReadProgressRecords(Progress, &unreadable));
        QVERIFY(unreadable.contains("too large") && unreadable.endsWith(CourseFile(1)));
        QCOMPARE(Progress.ProgModuleCodes, QStringList{"SAF001"});
    }

    // The readers' rules that a careless change would break without a sound
    // elsewhere: the search is exact as to letter case, "All modules" keeps no
    // records of its own, and a DOS end-of-file mark is no record.
    void readersKeepTheirRules()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}, {"Fire", {"FIR001"}}}, true);
        SetPages();
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0001.txm") + recordLine("saf001", "_A_") + "\x1a");
        WriteBytes(CourseFile(1), bookmarkLine("FIR001", "0001.txm") + recordLine("FIR001", "_B_") + "\r\n\x1a\r\n");
        WriteBytes(CourseFile(2), bookmarkLine("FIR001", "0001.txm") + recordLine("ALL001", "_Z_"));

        int index = -1;
        QVERIFY(!FindRecordInAllCourseFiles("ALL001", "Ann Lee", index));
        QCOMPARE(index, -1);
        QVERIFY(FindRecordInAllCourseFiles("SAF001", "Ann Lee", index));
        QCOMPARE(index, 0);
        QVERIFY(FindRecordInAllCourseFiles("fir001", "Ann Lee", index));
        QCOMPARE(index, 1);
        AllModulesMode = 0;
        CurCourse = 1;
        QVERIFY(FindRecordInCourseFile("Fir001", "Ann Lee"));
        QVERIFY(!FindRecordInCourseFile("SAF001", "Ann Lee"));

        AllModulesMode = 1;
        CurCourse = 2;
        QVERIFY(ReadProgressRecords(Progress));
        QCOMPARE(Progress.ProgModuleCodes, (QStringList{"saf001", "FIR001"}));
        QCOMPARE(ParseCourseFile(QStringLiteral("\"A\",\"B\"\r\n\x1a")).Records.size(), 0);
    }

    void interruptedRewriteLeavesOldFile()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        SignIn("Ann", "Lee");
        const QByteArray before = bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_A_")
                                + recordLine("SAF002", "_B_", R"("1","80","x","d","80","x","d","80")");
        WriteBytes(CourseFile(0), before);

        qm::testing::InterruptNextAtomicWriteAfter(10);
        GoToPage("0004.txm");
        QString error;
        QVERIFY(!visit("SAF001")); // update
        QCOMPARE(ReadBytes(CourseFile(0)), before);

        qm::testing::InterruptNextAtomicWriteAfter(0);
        QVERIFY(!SaveProgressRecord("NEW001", "A", "Ann", "Lee", {}, "", &error)); // append
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadBytes(CourseFile(0)), before);
        QCOMPARE(QDir(QFileInfo(CourseFile(0)).absolutePath()).entryList(QDir::Files), QStringList{"Safety"});

        QVERIFY(visit("SAF001"));
        QVERIFY(ReadBytes(CourseFile(0)).endsWith(recordLine("SAF002", "_B_", R"("1","80","x","d","80","x","d","80")")));
    }

    void damagedFileKeepsSoundRecords()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002", "SAF003"}}});
        SetPages();
        SignIn("Ann", "Lee");
        // A record cut short mid-file, an unclosed quote, blank lines, and
        // lines that are no record: a stray byte of another encoding, bare
        // text, a line without a module code.
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0001.txm") + "\"SAF001\",\"_A_\",\"1\"\r\n\r\n\xFF\r\n"
                                      + recordLine("SAF002", "_B\xC3\xA9_") + "junk,1,2\r\n" + recordLine("", "_D_")
                                      + "\"SAF003\",\"_C_\",\"2\",\"7\r\n\xFF");
        QVERIFY(ReadCourseProgressFile(Progress));
        QCOMPARE(Progress.ProgModuleCodes, (QStringList{"SAF001", "SAF002", "SAF003"}));
        QCOMPARE(Progress.ProgAttempts, (QStringList{"1", "", "2"}));
        QCOMPARE(Progress.ProgFirstScores[2], QString("7"));
        QCOMPARE(Progress.ProgLastScores[2], QString());

        GoToPage("0003.txm");
        QVERIFY(visit("SAF002"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF001", "0003.txm")
                                               + recordLine("SAF001", "_A_", R"("1","","","","","","","")")
                                               + recordLine("SAF002", "_B\xC3\xA9__B_")
                                               + recordLine("SAF003", "_C_", R"("2","7","","","","","","")"));
    }

    // A record is found by its whole code: "SAF10" is not part of "SAF101".
    // A code is the same code in any case; of several records of one module
    // (left by older versions) the first is the learner's, and it keeps the
    // case the file gave it.
    void oneModuleOneRecordInAnyCase()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF101", "SAF10"}}});
        SetPages();
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), bookmarkLine("SAF101", "0001.txm") + recordLine("SAF101", "_A_")
                                      + recordLine("saf10", "_A_") + recordLine("SAF10", "_A_"));
        CurModule = 1;
        GoToPage("0003.txm");
        QVERIFY(SaveProgressRecord("SAF10", "B", "Ann", "Lee", testResult("1", "90")));
        const QByteArray results = R"("1","50","1,2","2026-03-01","90","2,2","2026-03-07","90")";
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF10", "0003.txm") + recordLine("SAF101", "_A_")
                                               + recordLine("saf10", "_A__B_", results)
                                               + recordLine("SAF10", "_A_"));

        // "All modules": the owning course and the file holding the record
        // are found in any case.
        SetCourses({{"Safety", {"SAF001"}}, {"Fire", {"FIR001"}}}, true);
        WriteBytes(CourseFile(1), bookmarkLine("fir001", "0001.txm") + recordLine("fir001", "_A_"));
        QVERIFY(SaveProgressRecord("FIR001", "C", "Ann", "Lee"));
        QVERIFY(ReadBytes(CourseFile(1)).endsWith(recordLine("fir001", "_A__C_")));
        QVERIFY(SaveProgressRecord("Saf001", "", "Ann", "Lee"));
        QVERIFY(ReadBytes(CourseFile(0)).endsWith(recordLine("Saf001", "__")));
    }

    // What the line check takes for a record, the item reader reads as one,
    // and a record written back reads as the same record.
    void recordsReadAsTheyAreWrittenBack()
    {
        const auto same = [](const CourseFileContent& a, const CourseFileContent& b) {
            return a.HasBookmark == b.HasBookmark && a.BookmarkModule == b.BookmarkModule
                && a.BookmarkPage == b.BookmarkPage && a.Records == b.Records;
        };
        const QString alphabet = QStringLiteral("\"\"\",, \t\f\v\u00a0\u3000\x1a\r\nS1_x");
        QRandomGenerator random(25);
        for (int n = 0; n < 20000; ++n) {
            QString line;
            for (int i = random.bounded(30); i > 0; --i) line += alphabet[random.bounded(int(alphabet.size()))];
            const CourseFileContent once = ParseCourseFile(line);
            QVERIFY2(same(ParseCourseFile(FormatCourseFile(once)), once), qPrintable(line.toUtf8().toHex()));
        }

        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF101", "SAF102", "SAF103"}}});
        SetPages();
        SignIn("Ann", "Lee");
        const QByteArray results = R"("1","50","1,2","2026-03-01","90","2,2","2026-03-07","90")";
        WriteBytes(CourseFile(0), bookmarkLine("SAF101", "0001.txm") + "\f" + recordLine("SAF101", "_A_", results)
                                      + "\v" + recordLine("SAF102", "_A_", results) + "\xa0"
                                      + recordLine("SAF103", "_A_", results));
        for (const char* page : {"0003.txm", "0004.txm", "0001.txm"}) {
            GoToPage(page);
            QVERIFY(visit("SAF101"));
        }
        QVERIFY(ReadCourseProgressFile(Progress));
        QCOMPARE(Progress.ProgModuleCodes, (QStringList{"SAF101", "SAF102", "SAF103"}));
        QCOMPARE(Progress.ProgBestScores, (QStringList{"90", "90", "90"}));
    }

    void legacyAnsiFileBecomesUtf8()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), bookmarkLine("SAF001", "0001.txm") + recordLine("SAF001", "_S\xe9" "curit\xe9_"));
        CurModule = 1;
        QVERIFY(visit("SAF002"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF001", "0001.txm")
                                               + recordLine("SAF001", "_S\xc3\xa9" "curit\xc3\xa9_")
                                               + recordLine("SAF002", "_A_"));
    }

    void bookmarkReaderReportsProblems()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QString module = "keep", page = "keep", error;
        QVERIFY(!HasCourseFile("Ann Lee"));
        QVERIFY(!ReadCourseBookmark("Ann Lee", module, page, &error));
        QVERIFY(error.startsWith("File not found"));
        for (const QByteArray& body : {QByteArray(), QByteArray("\r\n"), recordLine("SAF001", "_A_"),
                                       QByteArray("\"SAF001\"\r\n")}) {
            WriteBytes(CourseFile(0), body);
            error.clear();
            QVERIFY(!ReadCourseBookmark("Ann Lee", module, page, &error));
            QVERIFY(error.contains("no bookmark"));
        }
        QCOMPARE(module + page, QString("keepkeep"));
        // A records-only file still lets the records be read, and the next
        // visit gives it a bookmark again.
        WriteBytes(CourseFile(0), recordLine("SAF001", "_A_"));
        QVERIFY(ReadCourseProgressFile(Progress));
        QCOMPARE(Progress.ProgModuleCodes, QStringList{"SAF001"});
        QVERIFY(SaveProgressRecord("SAF002", "B", "Ann", "Lee"));
        QCOMPARE(ReadBytes(CourseFile(0)), bookmarkLine("SAF002", "0001.txm") + recordLine("SAF001", "_A_")
                                               + recordLine("SAF002", "_B_"));
        QVERIFY(ReadCourseBookmark("Ann Lee", module, page));
    }
};

QTEST_GUILESS_MAIN(ProgressRecordsTest)
#include "test_progress_records.moc"
