#include "TestCourse.h"
#include "assessment/AnswerControls.h"
#include "assessment/QuestionForm.h"
#include "assessment/TestFile.h"
#include "assessment/TestWindows.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "users/LearnerText.h"

#include <QScrollBar>
#include <QtTest>

using namespace qm;
using namespace testcourse;
using qmtest::CourseBuilder;

namespace {

QAbstractButton* answerButton(QuestionForm& q, int i)
{
    if (i < q.Option1.size() && !q.Option1[i]->isHidden()) return q.Option1[i];
    return q.Check1[i];
}

// Ticks the given answers of the shown question and presses the main button.
void answer(QuestionForm& q, const QList<int>& ticks)
{
    for (int i : ticks) answerButton(q, i)->setChecked(true);
    QTest::mouseClick(q.Q_But, Qt::LeftButton);
}

// Answers every question, right (the first answer) or wrong (the second),
// leaving the window on its summary page.
void answerAll(QuestionForm& q, const QString& rightOrWrong)
{
    for (QChar c : rightOrWrong) {
        answer(q, {c == '1' ? 0 : 1});
        if (q.Label2->text() == GetResString(131)) QTest::mouseClick(q.Q_But, Qt::LeftButton);
    }
}

// Starts the test of a module's test page the way the engine does, but shown
// modeless so that the test body drives it.
QuestionForm& startTest(int module, const QString& testPage)
{
    OpenModule(module);
    PageList().SetPageAsCurrent(testPage);
    if (!InitTest()) qWarning("the test did not start");
    TestPageName = testPage;
    TestModuleCode = CurrentModule().Code;
    NextPageAfterTest = PageList().GetNextPageName();
    QuestionForm& q = QuestionForm::instance();
    q.showModeless();
    return q;
}

QStringList noResults() { return QStringList(8, QString()); }

} // namespace

class QuestionFormTest : public QObject {
    Q_OBJECT
private slots:
    void oneCorrectAnswerGivesOptionButtonsAndSeveralGiveCheckBoxes()
    {
        CourseBuilder b;
        buildCourse(b);
        writeTest(b, "TST001", "0004.txm", "1",
                  {{"One right?", "A>>B>>C", "0>>1>>0", "B it is.", "", ""},
                   {"Two right, both ticked?", "A>>B>>C", "1>>1>>0", "", "", ""},
                   {"Two right, all ticked?", "A>>B>>C", "1>>1>>0", "", "", ""},
                   {"Two right, one ticked?", "A>>B>>C", "1>>1>>0", "", "", ""},
                   {"Nothing ticked?", "A>>B", "1>>0", "", "", ""}});
        qmtest::TestEnvironment env(b.path());
        openCourse();
        QuestionForm& q = startTest(0, "0004.txm");
        QCOMPARE(q.Title->text(), GetResString(142));
        QCOMPARE(q.windowTitle(), GetResString(503));
        QCOMPARE(q.Label7->text(), QString("Question 1 of 5"));
        QCOMPARE(q.Label8->text(), QString("One right?"));
        QCOMPARE(q.Label2->text(), GetResString(129));
        QCOMPARE(q.Option1.size(), 3);
        QVERIFY(!q.Option1[2]->isHidden());
        QCOMPARE(q.Option1[1]->text(), QString("B"));
        QVERIFY(q.Check1.isEmpty());
        QCOMPARE(q.Option1[1]->property("index").toInt(), 1);

        // Option buttons exclude each other.
        q.Option1[0]->setChecked(true);
        QTest::mouseClick(q.Option1[1], Qt::LeftButton);
        QVERIFY(q.Option1[1]->isChecked() && !q.Option1[0]->isChecked());
        // Enter grades whichever control has the focus.
        QTest::keyClick(&q, Qt::Key_Return);
        QCOMPARE(q.Label5->text(), GetResString(126));
        QVERIFY(!q.Label5->isHidden());
        QCOMPARE(q.Label10->text(), QString("B it is."));
        QVERIFY(!q.Label6->isHidden() && !q.Label10->isHidden());
        QCOMPARE(q.Option1[0]->foreColor(), 0xC0C0C0u);
        QVERIFY(q.Option1[1]->isBold());
        QCOMPARE(q.Option1[1]->foreColor(), 0u);
        QCOMPARE(q.Label2->text(), GetResString(131));
        // Ticking after grading changes nothing.
        q.Option1[0]->setChecked(true);
        QTest::keyClick(&q, Qt::Key_Return);

        QCOMPARE(q.Label7->text(), QString("Question 2 of 5"));
        QVERIFY(q.Option1[0]->isHidden() && !q.Option1[0]->isChecked());
        QCOMPARE(q.Option1[0]->foreColor(), 0u);
        QVERIFY(!q.Option1[1]->isBold());
        QCOMPARE(q.Check1.size(), 3);
        QVERIFY(!q.Check1[0]->isHidden());
        QVERIFY(q.Label5->isHidden() && q.Label10->isHidden());
        answer(q, {0, 1});
        QCOMPARE(q.Label5->text(), GetResString(126));
        QVERIFY(q.Label6->isHidden()); // no explanation
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        QVERIFY(!q.Check1[0]->isChecked());
        answer(q, {0, 1, 2});
        QCOMPARE(q.Label5->text(), GetResString(127));
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        answer(q, {0});
        QCOMPARE(q.Label5->text(), GetResString(127));
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        QVERIFY(!q.Option1[0]->isHidden() && q.Check1[0]->isHidden());
        answer(q, {});
        QCOMPARE(q.Label5->text(), GetResString(127));
        QCOMPARE(q.attempt().AnswerString, QString("11000"));
    }

    void fourOfFiveGivesTheSentenceTheScoreAndTheRecord()
    {
        OpenTestCourse course;
        auto& [b, env, f] = course;
        standBefore(0, "0003.txm");
        bool modal = false;
        QString sentence;
        QStringList written;
        whileModal([&] {
            QuestionForm& q = QuestionForm::instance();
            modal = q.isVisible() && q.isShownModal();
            answerAll(q, "11110");
            sentence = q.Label7->text();
            written = storedResults("TST001"); // written with the summary, before Close
            QCOMPARE(q.Label2->text(), GetResString(132));
            QTest::mouseClick(q.Label2, Qt::LeftButton);
        });
        f.NextPage();
        QVERIFY(modal);
        QCOMPARE(sentence, QString("You have correctly answered 4 out of 5 questions from the module: Safety basics"));
        const QStringList expected{"1", "80", "11110", "2026-03-07", "80", "11110", "2026-03-07", "80"};
        QCOMPARE(written, expected);
        QCOMPARE(storedResults("TST001"), expected);
        // Close goes on to the page after the test.
        QVERIFY(!QuestionForm::loaded());
        QCOMPARE(here(), QString("TST001 0005.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("TST001", "0005.txm"));
        QCOMPARE(f.Label1->text(), QString("Safety basics : After the test"));
        QVERIFY(courseFileText().contains("\"TST001\",\"0005.txm\"\r\n"));
        QVERIFY(env.box.calls.isEmpty());
    }

    void scoresRoundHalfToEvenAndTheBestIsKeptOrReplaced()
    {
        OpenTestCourse course;
        auto& [b, env, f] = course;

        QuestionForm* q = &startTest(1, "0002.txm");
        answerAll(*q, "11100000");
        QCOMPARE(q->attempt().score(), 38);
        QTest::mouseClick(q->Q_But, Qt::LeftButton);
        QCOMPARE(storedResults("TST002"),
                 (QStringList{"1", "38", "11100000", "2026-03-07", "38", "11100000", "2026-03-07", "38"}));
        // The test was its module's last page: Close opens the next module.
        QCOMPARE(here(), QString("TST003 0001.txm"));

        env.clock.date = QDate(2026, 3, 8);
        q = &startTest(1, "0002.txm");
        answerAll(*q, "10000000");
        QCOMPARE(q->Label7->text(), QString("You have correctly answered 1 out of 8 questions from the module: Numbers"));
        QCOMPARE(storedResults("TST002"), // lower: the best stays
                 (QStringList{"2", "38", "11100000", "2026-03-07", "38", "11100000", "2026-03-07", "12"}));
        QTest::mouseClick(q->Q_But, Qt::LeftButton);

        env.clock.date = QDate(2026, 3, 9);
        q = &startTest(1, "0002.txm");
        answerAll(*q, "00000111");
        QCOMPARE(storedResults("TST002"), // equal: the new attempt becomes the best
                 (QStringList{"3", "38", "11100000", "2026-03-07", "38", "00000111", "2026-03-09", "38"}));
        QTest::mouseClick(q->Q_But, Qt::LeftButton);
        QVERIFY(env.box.calls.isEmpty());
    }

    void aResultThatCannotBeSavedSaysItIsNotKeptAndWhy()
    {
        OpenTestCourse course;
        auto& [b, env, f] = course;
        QuestionForm& q = startTest(0, "0004.txm");
        const QString path = CourseFilePath(CurrentUserFolderName(), CurCourse);
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(kMaxLearnerFileBytes, ' '));
        file.close();
        answerAll(q, "11111");
        QCOMPARE(env.box.calls.size(), 1);
        const QString text = env.box.lastText();
        QVERIFY2(text.startsWith(GetResString(720)) && text.contains("too large") && text.endsWith(path),
                 qPrintable(text));
        QCOMPARE(env.box.calls[0].style, int(vbExclamation));
    }

    void everyAnswerRightCongratulates()
    {
        OpenTestCourse course;
        QuestionForm& q = startTest(0, "0004.txm");
        answerAll(q, "11111");
        QCOMPARE(q.Label7->text(), GetResString(133) + "5" + GetResString(134) + "5" + GetResString(136)
                                       + "Safety basics");
        QCOMPARE(q.Label7->foreColor(), 0xFF6666u);
        QVERIFY(q.Label8->isHidden());
        QCOMPARE(storedResults("TST001").value(1), QString("100"));
    }

    void aTestWithoutSummaryClosesAfterItsLastQuestionAndWritesNothing()
    {
        OpenTestCourse course;
        auto& [b, env, f] = course;
        QuestionForm& q = startTest(2, "0002.txm");
        answer(q, {0});
        QCOMPARE(q.Label2->text(), GetResString(131));
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        answer(q, {1});
        QCOMPARE(q.Label2->text(), GetResString(132));
        QCOMPARE(q.Label7->text(), QString("Question 2 of 2"));
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        QVERIFY(!QuestionForm::loaded());
        QCOMPARE(storedResults("TST003"), noResults());
        // The course's last page: nothing moves and Next is greyed.
        QCOMPARE(here(), QString("TST003 0002.txm"));
        QVERIFY(!f.NextBtn->isEnabled());
        QCOMPARE(f.NextBtn->skin(), QString("nextDis.jpg"));
    }

    void exitOnTheThirdQuestionWritesNothingAndShowsThePageAfterTheTest()
    {
        OpenTestCourse course;
        auto& [b, env, f] = course;
        standBefore(0, "0003.txm");
        QString counter;
        bool stayedOnNo = false;
        bool tookKeys = false;
        whileModal([&] {
            QuestionForm& q = QuestionForm::instance();
            tookKeys = QTest::qWaitForWindowActive(&q);
            answerAll(q, "11");
            counter = q.Label7->text();
            course.env.box.answer(vbNo);
            QTest::keyClick(&q, Qt::Key_Escape);
            course.env.box.answer(vbNo);
            q.close(); // the close box asks too
            stayedOnNo = q.isVisible() && q.Label7->text() == counter;
            course.env.box.answer(vbYes);
            QTest::mouseClick(q.Picture2, Qt::LeftButton);
        });
        f.NextPage();
        QCOMPARE(counter, QString("Question 3 of 5"));
        QVERIFY(stayedOnNo);
        QCOMPARE(env.box.calls.size(), 3);
        QCOMPARE(env.box.calls[1].text, GetResString(542));
        QCOMPARE(env.box.calls[0].style, int(vbYesNo));
        QCOMPARE(env.box.calls[0].title, AppTitle());
        QVERIFY(!QuestionForm::loaded());
        QCOMPARE(storedResults("TST001"), noResults());
        QCOMPARE(here(), QString("TST001 0005.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("TST001", "0005.txm"));
        // The main window has the keys again.
        QVERIFY(tookKeys);
        QTRY_VERIFY(f.isActiveWindow());
        QTest::keyClick(f.TXTextControl1, Qt::Key_Left);
        QCOMPARE(here(), QString("TST001 0003.txm"));
    }

    void aQuestionThatCannotBeGradedOrShownRefusesTheTestNamingFileAndQuestion()
    {
        const QString tooMany = QString("x>>").repeated(kMaxAnswersPerQuestion) + "x";
        for (const Question& bad : {Question{"No right answer?", "A>>B", "0>>0", "", "", ""},
                                    Question{"No answers?", "", "", "", "", ""},
                                    Question{"Too many answers?", tooMany, "1", "", "", ""}}) {
            CourseBuilder b;
            buildCourse(b);
            writeTest(b, "TST001", "0004.txm", "1", {simpleQuestions(1)[0], bad});
            qmtest::TestEnvironment env(b.path());
            Form1& f = openCourse();
            standBefore(0, "0003.txm");
            f.NextPage(); // no modal window: it would wait here forever
            QCOMPARE(env.box.calls.size(), 1);
            const QString text = env.box.lastText();
            QVERIFY2(text.startsWith(GetResString(539)) && text.contains("Question 2 of the test file")
                         && text.contains(b.path() + "/TST001/TST001_0004TST"),
                     qPrintable(text));
            QCOMPARE(here(), QString("TST001 0004.txm"));
            QuestionForm* q = QuestionForm::ifLoaded();
            QVERIFY(!q || !q->isVisible());
        }
    }

    void longContentScrollsToItsEndAfterGradingAndToItsTopForTheNextQuestion()
    {
        CourseBuilder b;
        buildCourse(b);
        QStringList answers;
        for (int i = 0; i < 14; ++i) answers << QStringLiteral("A rather long answer number %1 that wraps onto a second line "
                                                                "in the window because it keeps on going").arg(i);
        const QString flags = "1" + QString(">>0").repeated(13);
        writeTest(b, "TST001", "0004.txm", "1",
                  {{"Long?", answers.join(">>"), flags, QString("Explained at length. ").repeated(20), "", ""},
                   {"Short?", "A>>B", "1>>0", "", "", ""}});
        qmtest::TestEnvironment env(b.path());
        openCourse();
        QuestionForm& q = startTest(0, "0004.txm");
        QVERIFY(!q.VScroll1->isHidden());
        QCOMPARE(q.VScroll1->value(), 0);
        QCOMPARE(q.Picture4->y(), 0);
        QVERIFY(q.Option1[0]->height() > q.fontMetrics().height() + 4); // wrapped onto two lines
        QCOMPARE(q.Option1[1]->y(), q.Option1[0]->y() + q.Option1[0]->height() + 14);
        answer(q, {0});
        const int overflow = q.GetQuesionPageSize(3) - q.Picture3->height();
        QCOMPARE(q.Picture4->height(), q.GetQuesionPageSize(3));
        QCOMPARE(q.VScroll1->maximum(), qRound(overflow / 15.0));
        QCOMPARE(q.VScroll1->value(), q.VScroll1->maximum());
        QCOMPARE(q.Picture4->y(), -15 * q.VScroll1->value());
        QCOMPARE(q.VScroll1->x(), q.Picture3->x() + q.Picture3->width());
        q.VScroll1->setValue(3);
        QCOMPARE(q.Picture4->y(), -45);
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        QVERIFY(q.VScroll1->isHidden());
        QCOMPARE(q.Picture4->y(), 0);
        QCOMPARE(q.Picture4->height(), q.Picture3->height());
    }
};

QTEST_MAIN(QuestionFormTest)
#include "test_question_form.moc"
