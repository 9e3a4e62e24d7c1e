// The test, review and progress windows as the learner leaves them: close
// boxes, the main window's buttons after a review visit, the grids' look.
#include "TestCourse.h"
#include "assessment/AnswerControls.h"
#include "assessment/ProgressGrid.h"
#include "assessment/QuestionForm.h"
#include "assessment/Status.h"
#include "assessment/StatusWindow.h"
#include "assessment/TestReview.h"
#include "support/ModalDriver.h"
#include "ui/PictureBox.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"

#include <QPushButton>
#include <QtTest>

using namespace qm;
using namespace testcourse;
using qmtest::CourseBuilder;

namespace {

void answer(QuestionForm& q, bool right)
{
    q.Option1[right ? 0 : 1]->setChecked(true);
    QTest::mouseClick(q.Q_But, Qt::LeftButton);
}

} // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT
private slots:
    void theTestWindowsCloseBoxAsksAndLeavesAsExitDoes()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        standBefore(0, "0003.txm");
        bool stayedOnNo = false;
        whileModal([&] {
            QuestionForm& q = QuestionForm::instance();
            answer(q, true);
            env.box.answer(vbNo);
            q.close();
            stayedOnNo = QuestionForm::loaded() && q.isVisible();
            env.box.answer(vbYes);
            q.close();
        });
        f.NextPage();
        QVERIFY(stayedOnNo);
        QCOMPARE(env.box.calls.size(), 2);
        QCOMPARE(env.box.lastText(), GetResString(542));
        QVERIFY(!QuestionForm::loaded());
        QCOMPARE(here(), QString("TST001 0005.txm"));
        QCOMPARE(storedResults("TST001").value(0), QString()); // an unfinished attempt leaves no result
    }

    void theProgressWindowsCloseBoxStartsTheTestOfATestPage()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        openCourse();
        standBefore(0, "0004.txm");
        QString counter;
        qmtest::WhenFormShown("QuestionForm", [&](Form& q) {
            counter = static_cast<QuestionForm&>(q).Label7->text();
            q.unload();
        });
        whileModal([] { Status::instance().close(); });
        ShowStatusForm();
        QVERIFY(!Status::loaded());
        QTRY_COMPARE(counter, QString("Question 1 of 5"));
    }

    void theProgressGridsKeepTheirLookWhenAButtonHasTheFocus()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        openCourse();
        Status& s = Status::instance();
        s.Clear_Form();
        s.FillStatusModuleGrid();
        ProgressGrid* grid = s.MSFlexGrid1[0];
        const quint32 notViewed = grid->rowColor(1);
        const QColor back = grid->palette().color(QPalette::Base);
        s.buttons()->buttonGotFocus(s.Prog_Cancel);
        s.buttons()->buttonGotFocus(s.Prog_Help);
        QCOMPARE(grid->rowColor(1), notViewed);
        QVERIFY(grid->rowBold(1));
        QCOMPARE(grid->palette().color(QPalette::Base), back);
        QCOMPARE(s.MSFlexGrid1[1]->palette().color(QPalette::Base), back);
        QVERIFY(notViewed != 0xFFFFFF);
    }

    void reviewVisitsSetNextAndPreviousByThePageReached()
    {
        CourseBuilder b;
        buildCourse(b);
        QList<Question> qs = simpleQuestions(2);
        qs[0].caption = "Course end";
        qs[0].link = "TST003_0002.txm";
        qs[1].caption = "Course start";
        qs[1].link = "TST001_0001.txm";
        writeTest(b, "TST001", "0004.txm", "1", qs);
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        standBefore(0, "0003.txm");
        whileModal([] {
            QuestionForm& q = QuestionForm::instance();
            answer(q, false);
            QTest::mouseClick(q.Q_But, Qt::LeftButton);
            answer(q, false);
            QTest::mouseClick(q.Q_But, Qt::LeftButton);
            QTest::mouseClick(q.Label1[0], Qt::LeftButton);
        });
        f.NextPage();
        TestReview* r = TestReview::ifLoaded();
        QVERIFY(r);
        QCOMPARE(here(), QString("TST003 0002.txm"));
        QVERIFY(!f.NextBtn->isEnabled());
        QCOMPARE(f.NextBtn->skin(), QString("nextDis.jpg"));

        QTest::mouseClick(r->Label1[1], Qt::LeftButton);
        QCOMPARE(here(), QString("TST001 0001.txm"));
        QVERIFY(f.NextBtn->isEnabled());
        QVERIFY(!f.Prev->isEnabled());

        bool bothEnabled = false;
        whileModal([&] {
            bothEnabled = f.NextBtn->isEnabled() && f.Prev->isEnabled();
            QTest::mouseClick(QuestionForm::instance().Q_But, Qt::LeftButton); // Close
        });
        QTest::mouseClick(r->Command1, Qt::LeftButton);
        QVERIFY(bothEnabled);
        QCOMPARE(here(), QString("TST001 0005.txm"));
        QVERIFY(f.NextBtn->isEnabled() && f.Prev->isEnabled());
    }
};

QTEST_MAIN(WindowBehaviourTest)
#include "test_window_behaviour.moc"
