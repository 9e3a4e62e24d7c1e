#include "app/Globals.h"
#include "assessment/TestFile.h"
#include "platform/TextFile.h"
#include "support/TestDoubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

class TestFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // A program folder with module ABC123 as the current module.
    void setUpCourse()
    {
        AppPath = dir.path();
        CourseRecord course;
        course.Name = "Safety";
        ModuleRecord m;
        m.Code = "ABC123";
        m.Title = "Hazards";
        course.Modules = {m};
        Courses = {course};
        CurCourse = 0;
        CurModule = 0;
        QDir(dir.path()).mkpath("ABC123");
    }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath("ABC123/" + name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    void writeTest(const QByteArray& bytes) { writeFile("ABC123_0003TST", bytes); }

private slots:
    void cleanup() { QDir(dir.filePath("ABC123")).removeRecursively(); }

    void fileNameDropsTheExtensionAndAddsNoDot()
    {
        QCOMPARE(TestFileName("ABC123", "0003.txm"), QString("ABC123_0003TST"));
        QCOMPARE(TestFileName("ABC123", "abc"), QString());
        QCOMPARE(TestFileName("ABC123", "abcd"), QString("ABC123_TST"));
    }

    void dottedNameIsNotLookedFor()
    {
        qmtest::TestEnvironment env(dir.path());
        setUpCourse();
        writeFile("ABC123_0003.TST", "\"1\",\"Q\",\"A>>B\",\"1>>0\",\"\",\"\",\"\"\r\n");
        TestHeader = "kept";
        QString reason;
        QVERIFY(!ReadTestFile("0003.txm", &reason));
        QVERIFY2(reason.startsWith("File not found:"), qPrintable(reason));
        QVERIFY(reason.endsWith("ABC123/ABC123_0003TST"));
        QCOMPARE(TestHeader, QString("kept"));
    }

    void readsTheCurrentModulesFileWhateverItsCase()
    {
        qmtest::TestEnvironment env(dir.path());
        setUpCourse();
        writeFile("abc123_0003tst", "\"1\",\"Q\",\"A>>B\",\"0>>1\",\"E\",\"R\",\"ABC123_0001.txm\"\r\n");
        QString reason;
        QVERIFY2(ReadTestFile("0003.txm", &reason), qPrintable(reason));
        QCOMPARE(TestHeader, QString("1"));
        QCOMPARE(Questions.size(), 1);
        const QuestionRecord& q = Questions[0];
        QCOMPARE(q.Text, QString("Q"));
        QCOMPARE(q.Explanation, QString("E"));
        QCOMPARE(q.ReviewCaption, QString("R"));
        QCOMPARE(q.ReviewLink, QString("ABC123_0001.txm"));
        QCOMPARE(q.CorrectCount, qint16(1));
    }

    void answersSplitOnDoubleAngle_data()
    {
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("answerTexts");
        QTest::addColumn<QStringList>("answerFlags");
        QTest::addColumn<int>("correct");
        QTest::newRow("one of three") << "Red>>Green>>Blue" << "0>>1>>0"
                                      << QStringList{"Red", "Green", "Blue"} << QStringList{"0", "1", "0"} << 1;
        QTest::newRow("flags run out") << "Red>>Green>>Blue" << "1>>1"
                                       << QStringList{"Red", "Green", "Blue"} << QStringList{"1", "1", ""} << 2;
        QTest::newRow("trailing separator") << "Yes>>No>>" << "1>>0"
                                            << QStringList{"Yes", "No"} << QStringList{"1", "0"} << 1;
        QTest::newRow("empty middle answer") << "A>>>>B" << "0>>1>>0"
                                             << QStringList{"A", "", "B"} << QStringList{"0", "1", "0"} << 1;
        QTest::newRow("extra flags ignored") << "A" << "1>>1>>1" << QStringList{"A"} << QStringList{"1"} << 1;
        QTest::newRow("flag not exactly 1") << "A>>B>>C>>D" << " 1>>01>>1 >>1"
                                            << QStringList{"A", "B", "C", "D"}
                                            << QStringList{" 1", "01", "1 ", "1"} << 1;
        QTest::newRow("no texts") << "" << "1" << QStringList{} << QStringList{} << 0;
    }

    void answersSplitOnDoubleAngle()
    {
        QFETCH(QString, texts);
        QFETCH(QString, flags);
        QFETCH(QStringList, answerTexts);
        QFETCH(QStringList, answerFlags);
        QFETCH(int, correct);
        QVector<AnswerRecord> answers(5); // replaced, not added to
        int count = 0;
        ParseAnswers(texts, flags, answers, count);
        QCOMPARE(answers.size(), answerTexts.size());
        for (int i = 0; i < answers.size(); ++i) {
            QCOMPARE(answers[i].Text, answerTexts[i]);
            QCOMPARE(answers[i].Flag, answerFlags[i]);
        }
        QCOMPARE(count, correct);
    }

    void authorQuoteBecomesQuoteExceptInFlags()
    {
        qmtest::TestEnvironment env(dir.path());
        setUpCourse();
        // Windows-1252 bytes: 0xAB is «.
        writeTest("\"0\",\"Say \xABhi\xAB\",\"\xABYes\xAB>>No\",\"1>>0\xAB\",\"An \xAB" "e\xAB\","
                  "\"\xAB" "c\xAB\",\"\xAB" "l\"\r\n");
        QString reason;
        QVERIFY2(ReadTestFile("0003.txm", &reason), qPrintable(reason));
        const QuestionRecord& q = Questions[0];
        QCOMPARE(q.Text, QString("Say \"hi\""));
        QCOMPARE(q.Answers[0].Text, QString("\"Yes\""));
        QCOMPARE(q.Answers[1].Flag, QString("0\u00AB"));
        QCOMPARE(q.Explanation, QString("An \"e\""));
        QCOMPARE(q.ReviewCaption, QString("\"c\""));
        QCOMPARE(q.ReviewLink, QString("\"l"));

        // The same character written as UTF-8 reads the same.
        writeTest(QString("\"0\",\"\u00ABx\u00AB\",\"A\",\"1\",\"\",\"\",\"\"\r\n").toUtf8());
        QVERIFY(ReadTestFile("0003.txm"));
        QCOMPARE(Questions[0].Text, QString("\"x\""));
    }

    void recordsAreCountedByItemsNotLines()
    {
        const QString twoOnOneLine =
            "\"1\"\r\n\"Q1\",\"A>>B\",\"1>>0\",\"\",\"\",\"\",\"Q2\",\"C>>D\",\"0>>1\",\"x\",\"y\",\"z\"\r\n";
        const QString spreadOut =
            "\"1\"\r\n\"Q1\"\r\n\"A>>B\"\r\n\"1>>0\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
            "\"Q2\",\"C>>D\"\r\n\"0>>1\",\"x\"\r\n\"y\",\"z\"";
        for (const QString& text : {twoOnOneLine, spreadOut}) {
            QString header;
            QVector<QuestionRecord> qs;
            QString reason;
            QVERIFY2(ParseTestText(text, header, qs, &reason), qPrintable(reason));
            QCOMPARE(header, QString("1"));
            QCOMPARE(qs.size(), 2);
            QCOMPARE(qs[0].Text, QString("Q1"));
            QCOMPARE(qs[1].Text, QString("Q2"));
            QCOMPARE(qs[1].Answers[1].Flag, QString("1"));
            QCOMPARE(qs[1].ReviewLink, QString("z"));
        }
    }

    void aMissingItemIsToldAtItsOwnQuestionAndLine()
    {
        // Question 2 lacks its explanation: counted by items, question 3 is
        // the one cut short, but question 2 is the record at fault.
        const QString q1 = "\"Q1\",\"A>>B\",\"1>>0\",\"x\",\"y\",\"z\"\r\n";
        const QString q2 = "\"Q2\",\"A>>B\",\"1>>0\",\"y\",\"z\"\r\n";
        const QString q3 = "\"Q3\",\"A>>B\",\"0>>1\",\"x\",\"y\",\"z\"\r\n";
        QString header;
        QVector<QuestionRecord> qs;
        QString reason;
        QVERIFY(!ParseTestText("\"1\"\r\n" + q1 + q2 + q3, header, qs, &reason));
        QVERIFY2(reason.startsWith("Question 2 of the test file, from line 3, does not read as a question"),
                 qPrintable(reason));
        // Records sharing lines say nothing by lines: the count decides.
        QVERIFY(!ParseTestText("\"1\"\r\n" + q1.trimmed() + "," + q1 + q1.trimmed() + ",\"Q4\",\"A\",\"0\",,,",
                               header, qs, &reason));
        QVERIFY2(reason.startsWith("Question 4 of the test file, from line 3,"), qPrintable(reason));
    }

    void emptyLastItemBeforeLineEnd()
    {
        // The sixth item of the first record is empty, cut short by the line end.
        QString header;
        QVector<QuestionRecord> qs;
        QString reason;
        QVERIFY2(ParseTestText("\"1\"\r\n\"Q1\",\"A>>B\",\"1>>0\",,,\r\n\"Q2\",\"C\",\"1\",\"\",\"\",\"\"\r\n",
                               header, qs, &reason),
                 qPrintable(reason));
        QCOMPARE(qs.size(), 2);
        QCOMPARE(qs[0].ReviewLink, QString());
        QCOMPARE(qs[1].Text, QString("Q2"));
    }

    void manyAnswersAllKept()
    {
        const int n = 200000;
        const QString texts = QString("a>>").repeated(n);
        const QString flags = "1" + QString(">>0").repeated(n - 1);
        QVector<AnswerRecord> answers;
        int correct = 0;
        ParseAnswers(texts, flags, answers, correct);
        QCOMPARE(answers.size(), n);
        QCOMPARE(correct, 1);
    }

    void aQuestionMayHaveAsManyAnswersAndAsLongTextsAsTheWindowShows()
    {
        QString header;
        QVector<QuestionRecord> qs;
        const QString most = QString("a>>").repeated(kMaxAnswersPerQuestion); // the last ">>" ends, adds none
        const QString longest(kMaxTestTextChars, 'x');
        QVERIFY(ParseTestText("\"1\",\"" + longest + "\",\"" + most + "\",\"1\",\"" + longest + "\",\"\",\"\"",
                              header, qs));
        QCOMPARE(qs[0].Answers.size(), kMaxAnswersPerQuestion);
        QVERIFY(!ParseTestText("\"1\",\"Q\",\"" + most + "b\",\"1\",\"\",\"\",\"\"", header, qs));
    }

    void quotedItemsHoldCommas()
    {
        QString header;
        QVector<QuestionRecord> qs;
        QVERIFY(ParseTestText("\"2\",\"Which, if any?\",\"a, b>>c\",\"1>>0\",\"\",\"\",\"\"", header, qs));
        QCOMPARE(header, QString("2"));
        QCOMPARE(qs[0].Text, QString("Which, if any?"));
        QCOMPARE(qs[0].Answers[0].Text, QString("a, b"));
    }

    void unreadableFilesFailWithAReasonAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reasonStart");
        QTest::newRow("empty") << QByteArray("") << "The test file ends before its header";
        QTest::newRow("header only") << QByteArray("\"1\"\r\n") << "The test file holds no questions";
        QTest::newRow("cut short") << QByteArray("\"1\",\"Q1\",\"A\",\"1\",\"\",\"\",\"\",\"Q2\",\"A>>B\"\r\n")
                                   << "Question 2 of the test file, from line 1, does not read as a question: the file ends";
        QTest::newRow("no answers") << QByteArray("\"1\",\"Q1\",\"\",\"1\",\"\",\"\",\"\"")
                                    << "Question 1 of the test file, from line 1, does not read as a question: it has no answers";
        QTest::newRow("nothing flagged") << QByteArray("\"1\",\"Q1\",\"A\",\"1\",\"\",\"\",\"\","
                                                       "\"Q2\",\"A>>B\",\"0>>01\",\"\",\"\",\"\"")
                                         << "Question 2 of the test file, from line 1, does not read as a question: no answer is marked";
        // More answers than a window can lay out; 690,000 froze it for minutes.
        const QByteArray many = QByteArray("a>>").repeated(690000);
        QTest::newRow("too many answers") << "\"1\",\"Q1\",\"A\",\"1\",\"\",\"\",\"\",\"Q2\",\"" + many
                                                 + "\",\"1\",\"\",\"\",\"\""
                                          << "Question 2 of the test file, from line 1, has more than 100 answers";
        QTest::newRow("text too long") << "\"1\",\"Q1\",\"A>>" + QByteArray(kMaxTestTextChars + 1, 'b')
                                              + "\",\"1\",\"\",\"\",\"\""
                                       << "Question 1 of the test file, from line 1, has a text of more than 20000";
        const QByteArray test = "\"1\",\"Q1\",\"A\",\"1\",\"\",\"\",\"\"\r\n";
        QTest::newRow("over its cap") << test + QByteArray(kMaxTestFileBytes + 1 - test.size(), ' ') << "File too large";
    }

    void unreadableFilesFailWithAReasonAndChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reasonStart);
        qmtest::TestEnvironment env(dir.path());
        setUpCourse();
        writeTest(bytes);
        TestHeader = "old";
        Questions = QVector<QuestionRecord>(3);
        QString reason;
        QVERIFY(!ReadTestFile("0003.txm", &reason));
        QVERIFY2(reason.startsWith(reasonStart), qPrintable(reason));
        // The reason names the file; the caller tells the learner, once.
        QVERIFY2(reason.contains(dir.filePath("ABC123/ABC123_0003TST")), qPrintable(reason));
        QVERIFY(env.box.calls.isEmpty());
        QCOMPARE(TestHeader, QString("old"));
        QCOMPARE(Questions.size(), 3);
    }

    void noModuleOrShortPageNameFails()
    {
        qmtest::TestEnvironment env(dir.path());
        QString reason;
        QVERIFY(!ReadTestFile("0003.txm", &reason));
        QVERIFY(!reason.isEmpty());
        setUpCourse();
        QVERIFY(!ReadTestFile("ab", &reason));
        QVERIFY(reason.contains("too short"));
        QVERIFY(!ReadTestFile("../../x.txm", &reason));
        QVERIFY2(reason.contains("cannot name a test file"), qPrintable(reason));
    }

    void eachReadStartsFromTheFilesCurrentContents()
    {
        qmtest::TestEnvironment env(dir.path());
        setUpCourse();
        writeTest("\"1\",\"Q1\",\"A\",\"1\",\"\",\"\",\"\",\"Q2\",\"A\",\"1\",\"\",\"\",\"\"");
        QVERIFY(ReadTestFile("0003.txm"));
        QCOMPARE(Questions.size(), 2);
        writeTest("\"1\",\"Only\",\"A\",\"1\",\"\",\"\",\"\"");
        QVERIFY(ReadTestFile("0003.txm"));
        QCOMPARE(Questions.size(), 1);
        QCOMPARE(Questions[0].Text, QString("Only"));
    }
};

QTEST_GUILESS_MAIN(TestFileTest)
#include "test_test_file.moc"
