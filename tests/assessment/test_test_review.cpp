#include "TestCourse.h"
#include "assessment/AnswerControls.h"
#include "assessment/QuestionForm.h"
#include "assessment/ReviewDocking.h"
#include "assessment/TestReview.h"
#include "ui/FormsCollection.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace qm;
using namespace testcourse;
using qmtest::CourseBuilder;

namespace {

constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kPurple = 0x800080;

// Five questions; the first three carry review links (two into the test's
// own module, one into the next), the last two none.
void buildReviewCourse(CourseBuilder& b)
{
    buildCourse(b);
    QList<Question> qs = simpleQuestions(5);
    qs[0].caption = "Hazards page";
    qs[0].link = "TST001_0001.txm";
    qs[1].caption = "Spills page";
    qs[1].link = "TST001-0003.txm"; // any seventh character will do
    qs[2].caption = "Counting page";
    qs[2].link = "TST002_0001.txm and more";
    writeTest(b, "TST001", "0004.txm", "1", qs);
}

// That course open in the main window, a learner signed in.
struct ReviewCourse {
    CourseBuilder b;
    qmtest::TestEnvironment env{(buildReviewCourse(b), b.path())};
    Form1& f = openCourse();
};

void answerAll(QuestionForm& q, const QString& rightOrWrong)
{
    for (QChar c : rightOrWrong) {
        if (c == '1') q.Option1[0]->setChecked(true);
        else q.Option1[1]->setChecked(true);
        QTest::mouseClick(q.Q_But, Qt::LeftButton);
        if (q.Label2->text() == GetResString(131)) QTest::mouseClick(q.Q_But, Qt::LeftButton);
    }
}

// Takes the test from the page before it, answers the first three questions
// wrongly and clicks the first review link on the summary page.
void reviewFirstItem(Form1& f, QStringList* summaryLinks = nullptr)
{
    standBefore(0, "0003.txm");
    whileModal([summaryLinks] {
        QuestionForm& q = QuestionForm::instance();
        answerAll(q, "00011");
        if (summaryLinks) {
            *summaryLinks << q.Label8->text();
            for (TextLabel* l : q.Label1)
                if (!l->isHidden()) *summaryLinks << l->text();
        }
        QTest::mouseClick(q.Label1[0], Qt::LeftButton);
    });
    f.NextPage(); // returns once the test window has stepped aside
}

} // namespace

class TestReviewTest : public QObject {
    Q_OBJECT
private slots:
    void itemsTurnRedWhenShownAndPurpleOnceVisited()
    {
        ReviewCourse course;
        auto& [b, env, f] = course;
        QStringList summary;
        reviewFirstItem(f, &summary);
        QCOMPARE(summary, (QStringList{GetResString(137), "Hazards page", "Spills page", "Counting page"}));

        QuestionForm* q = QuestionForm::ifLoaded();
        QVERIFY(q && !q->isVisible());
        TestReview* r = TestReview::ifLoaded();
        QVERIFY(r && r->isVisible());
        QVERIFY(IsFormLoadedByName("TestReview"));
        QCOMPARE(r->windowTitle(), GetResString(161));
        QCOMPARE(r->Label1.size(), 3);
        QCOMPARE(r->Label1[2]->text(), QString("Counting page"));
        QCOMPARE(r->Label1[1]->y(), r->Label1[0]->y() + r->Label1[0]->height() + 7);
        QCOMPARE(r->Label1[0]->foreColor(), kRed);
        QCOMPARE(q->Label1[0]->foreColor(), kPurple);
        QCOMPARE(here(), QString("TST001 0001.txm"));
        QVERIFY(!f.Prev->isEnabled()); // the course's first page
        QCOMPARE(shown(f), CourseBuilder::pageText("TST001", "0001.txm"));
        QVERIFY(r->VScroll1->isHidden()); // three items fit

        QTest::mouseClick(r->Label1[1], Qt::LeftButton);
        QCOMPARE(r->Label1[0]->foreColor(), kPurple);
        QCOMPARE(r->Label1[1]->foreColor(), kRed);
        QCOMPARE(q->Label1[1]->foreColor(), kPurple);
        QCOMPARE(here(), QString("TST001 0003.txm"));
        QVERIFY(f.Prev->isEnabled());

        QTest::mouseClick(r->Label1[2], Qt::LeftButton);
        QCOMPARE(here(), QString("TST002 0001.txm"));
        QCOMPARE(f.Label1->text(), QString("Numbers : Counting"));
        QVERIFY(env.box.calls.isEmpty());
    }

    void exitReviewReturnsToTheSummaryAndCloseEndsTheTest()
    {
        ReviewCourse course;
        auto& [b, env, f] = course;
        reviewFirstItem(f);
        TestReview* r = TestReview::ifLoaded();
        QVERIFY(r);
        QTest::mouseClick(r->Label1[2], Qt::LeftButton);

        bool summaryShown = false;
        QString page;
        quint32 lastItem = 0;
        whileModal([&] {
            QuestionForm& q = QuestionForm::instance();
            summaryShown = q.isVisible() && q.isShownModal() && !r->isVisible()
                        && q.Label7->text().startsWith(GetResString(135)) && !q.Label1[2]->isHidden();
            page = here();
            lastItem = r->Label1[2]->foreColor();
            QTest::mouseClick(q.Q_But, Qt::LeftButton); // Close
        });
        QTest::mouseClick(r->Command1, Qt::LeftButton);
        QVERIFY(summaryShown);
        QCOMPARE(page, QString("TST001 0004.txm"));
        QCOMPARE(lastItem, kPurple);
        QVERIFY(!QuestionForm::loaded());
        QVERIFY(!TestReview::loaded());
        QCOMPARE(here(), QString("TST001 0005.txm"));
        QCOMPARE(storedResults("TST001").value(2), QString("00011"));
    }

    void escAndTheCloseBoxAlsoLeadBackToTheTest()
    {
        ReviewCourse course;
        auto& [b, env, f] = course;
        reviewFirstItem(f);
        TestReview* r = TestReview::ifLoaded();

        // Enter does nothing while Exit Review is not the active control.
        r->VScroll1->show(); // as with a longer list
        r->VScroll1->setFocus();
        QCOMPARE(r->activeControl(), r->VScroll1);
        QTest::keyClick(r, Qt::Key_Return);
        QVERIFY(r->isVisible());
        r->VScroll1->hide();

        int returns = 0;
        whileModal([&] {
            if (QuestionForm::instance().isVisible() && here() == "TST001 0004.txm") ++returns;
            QuestionForm::instance().hide(); // back into review mode
        });
        QTest::keyClick(r, Qt::Key_Escape);
        QCOMPARE(returns, 1);

        r->showModeless(&f);
        r->close(); // the close box: the window stays loaded and leads back
        whileModal([&] {
            if (QuestionForm::instance().isVisible()) ++returns;
            course.env.box.answer(vbYes);
            QTest::keyClick(&QuestionForm::instance(), Qt::Key_Escape); // leave the test
        });
        QTRY_COMPARE(returns, 2);
        QTRY_VERIFY(!TestReview::loaded());
        QVERIFY(!QuestionForm::loaded());
        QCOMPARE(here(), QString("TST001 0005.txm"));
        QCOMPARE(storedResults("TST001").value(2), QString("00011")); // the finished attempt's record stays
    }

    void movingOntoATestPageWhileTheListIsOpenStartsNoTest()
    {
        ReviewCourse course;
        auto& [b, env, f] = course;
        reviewFirstItem(f);
        QVERIFY(TestReview::loaded());
        OpenModule(1);
        bool testShown = false;
        whileModal([&] {
            QuestionForm* q = QuestionForm::ifLoaded();
            testShown = q && q->isVisible();
            if (testShown) q->unload();
        });
        f.NextPage();
        QCoreApplication::processEvents();
        QVERIFY(!testShown);
        QCOMPARE(here(), QString("TST002 0002.txm"));
        QVERIFY(env.box.calls.isEmpty());
        // The list and the summary it came from are as they were.
        TestReview* r = TestReview::ifLoaded();
        QVERIFY(r && r->isVisible());
        QCOMPARE(ReviewItems.size(), 3);
        QCOMPARE(QuestionForm::instance().attempt().AnswerString, QString("00011"));
    }

    void aLinkToAModuleNotInstalledLeavesTheLearnerWhereTheyAre()
    {
        CourseBuilder b;
        buildCourse(b);
        QList<Question> qs = simpleQuestions(1);
        qs[0].caption = "Elsewhere";
        qs[0].link = "XYZ999_0001.txm";
        writeTest(b, "TST001", "0004.txm", "1", qs);
        qmtest::TestEnvironment env(b.path());
        openCourse();
        OpenModule(1);
        ReviewItems = {ReviewItem{"Elsewhere", "XYZ999_0001.txm"}};
        QuestionForm::instance().GoToReviewPage(0);
        QCOMPARE(env.box.lastText(), GetResString(541));
        QCOMPARE(here(), QString("TST002 0001.txm"));
    }

    void aLongListScrollsByItsItemCount()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        ReviewItems.clear();
        for (int i = 0; i < 20; ++i) ReviewItems.append(ReviewItem{QStringLiteral("Item %1").arg(i), "ABC123_0001.txm"});
        TestReview& r = TestReview::instance();
        QVERIFY(!r.VScroll1->isHidden());
        const int overflow = r.Picture2->height() - r.Picture1->height();
        QVERIFY(overflow > 0);
        QCOMPARE(r.VScroll1->maximum(), qRound(overflow / 20.0));
        QCOMPARE(r.VScroll1->value(), 0);
        QCOMPARE(r.Picture1->width(), r.width() - r.VScroll1->width());
        r.VScroll1->setValue(2);
        QCOMPARE(r.Picture2->y(), -40);
        r.unload();

        ReviewItems = {ReviewItem{"Only", "ABC123_0001.txm"}};
        TestReview& small = TestReview::instance();
        QVERIFY(small.VScroll1->isHidden());
        QCOMPARE(small.Picture2->height(), small.Picture1->height());
    }

    void dockingSlidesIntoPlaceAndLeavesAWindowAlreadyPastIt()
    {
        QCOMPARE(DockedPosition(QPoint(0, 0), QPoint(724, 484)), QPoint(724, 484));
        QCOMPARE(DockedPosition(QPoint(800, 600), QPoint(724, 484)), QPoint(800, 600));
        // An axis past its target is held at it while the other moves on.
        QCOMPARE(DockedPosition(QPoint(800, 0), QPoint(724, 484)), QPoint(724, 484));
        QCOMPARE(DockedPosition(QPoint(724, 484), QPoint(724, 484)), QPoint(724, 484));
    }

    void theWindowDocksAboveTheNextButton()
    {
        ReviewCourse course;
        auto& [b, env, f] = course;
        reviewFirstItem(f);
        TestReview* r = TestReview::ifLoaded();
        r->move(0, 0); // left of and above its place, wherever the platform put it
        r->Timer1->start(100);
        const QPoint target(f.x() + f.frameGeometry().width() - r->frameGeometry().width(),
                            f.NextBtn->mapToGlobal(QPoint(0, 0)).y() - r->frameGeometry().height());
        QTRY_VERIFY(!r->Timer1->isActive());
        QCOMPARE(r->pos(), target);
    }
};

QTEST_MAIN(TestReviewTest)
#include "test_test_review.moc"
