#include "TestCourse.h"
#include "assessment/AnswerControls.h"
#include "assessment/ProgressGrid.h"
#include "assessment/QuestionForm.h"
#include "assessment/Status.h"
#include "assessment/StatusWindow.h"
#include "platform/TextControl.h"
#include "reference/Help.h"
#include "ui/PictureBox.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "users/LearnerText.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

using namespace qm;
using namespace testcourse;
using qmtest::CourseBuilder;

namespace {

constexpr quint32 kViewed = 0x663399;

// Eight topics: Alpha with a five-question test at 0003, Beta with a topic
// whose title is the start of another's.
void buildStatusCourse(CourseBuilder& b)
{
    b.module("STA001", "Alpha",
             {{"0001.txm", "Topic", "Start"}, {"0002.txm", "Topic", "Middle"}, {"0003.txm", "Test", ""},
              {"0004.txm", "Topic", "Later"}, {"0005.txm", "Topic", "End"}});
    b.module("STA002", "Beta",
             {{"0001.txm", "Topic", "Sales"}, {"0002.txm", "Topic", "Sales Basics"}, {"0003.txm", "Topic", "Returns"},
              {"0004.txm", "Topic", "Refunds"}});
    b.course("Course S", {"STA001", "STA002"});
    b.writeRegistry();
    writeTest(b, "STA001", "0003.txm", "1", simpleQuestions(5));
}

// The learner's course file: the bookmark, then one record per entry of
// {code, visited topics, best score, last score}.
void writeRecords(const QList<QStringList>& records)
{
    QByteArray text = quoted({"STA001", "0001.txm"});
    for (const QStringList& r : records)
        text += quoted({r[0], r[1], r[2].isEmpty() ? "" : "1", r[2], "", "", r[2], "", "", r[3]});
    QFile f(CourseFilePath(CurrentUserFolderName(), CurCourse));
    f.open(QIODevice::WriteOnly);
    f.write(text);
}

void setUpLearner()
{
    GetInstalledCourses();
    CurCourse = 0;
    signIn();
}

// The progress window filled as ShowStatusForm fills it, shown modeless.
Status& openStatus()
{
    ReadProgressRecords(Progress);
    Status& s = Status::instance();
    s.Clear_Form();
    s.FillStatusModuleGrid();
    s.showModeless();
    return s;
}

int rowY(ProgressGrid* g, int row) { return g->rowViewportPosition(row) + 2; }

} // namespace

class StatusWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aLearnerWithoutRecordsSeesNothingViewed()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        Status& s = openStatus();
        QCOMPARE(s.Label2[5]->text(), GetResString(350));
        QCOMPARE(s.Label2[1]->text(), GetResString(360));
        QCOMPARE(s.Label1[6]->text(), GetResString(356));
        ProgressGrid* modules = s.MSFlexGrid1[0];
        QCOMPARE(modules->rowCount(), 2);
        QCOMPARE(modules->rowText(1), QString("Beta"));
        QVERIFY(modules->rowBold(0) && modules->rowBold(1));
        QVERIFY(modules->rowColor(0) != kViewed);
        QCOMPARE(modules->columnWidth(0), 513);
        QCOMPARE(s.MSFlexGrid1[1]->rowCount(), 0);
        QCOMPARE(s.Text1->text(), QString());
        QCOMPARE(s.ccrpProgressBar1->value(), 0);
        QCOMPARE(s.ccrpProgressBar1->text(), QString("0%"));
        QCOMPARE(s.Picture3->palette().color(QPalette::Window), VbColor(kViewed));
    }

    void hoveringAModuleShowsItsTopicsAndScores()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        writeRecords({{"STA001", "_Start__Middle_", "80", "60"}});
        Status& s = openStatus();
        ProgressGrid* modules = s.MSFlexGrid1[0];
        ProgressGrid* topics = s.MSFlexGrid1[1];
        QCOMPARE(modules->rowColor(0), kViewed);
        QVERIFY(!modules->rowBold(0));
        QVERIFY(modules->rowBold(1));
        QVERIFY(!modules->highlight());

        QTest::mouseMove(modules->viewport(), QPoint(20, rowY(modules, 0)));
        QTRY_COMPARE(s.HoverModuleRow, 0);
        QCOMPARE(s.mousePointer(), 99);
        QCOMPARE(s.Text1->text(), QString("80%"));
        QCOMPARE(s.Text2->text(), QString("60%"));
        QVERIFY(modules->highlight());
        QCOMPARE(modules->currentRow(), 0);
        QCOMPARE(modules->selectionBack(), 0x99CCCCu);
        QCOMPARE(modules->selectionFore(), kViewed);
        QCOMPARE(topics->rowCount(), 4);
        QCOMPARE(topics->rowText(2), QString("Later"));
        QCOMPARE(topics->rowColor(1), kViewed);
        QVERIFY(topics->rowBold(2) && topics->rowColor(2) != kViewed);

        // A module with a record but no test: no scores, no "%".
        s.MSFlexGrid1_MouseMove(0, rowY(modules, 1));
        QCOMPARE(s.Text1->text(), QString());
        QCOMPARE(s.Text2->text(), QString());
        QCOMPARE(modules->selectionBack(), 0xB5F7F2u);
        QCOMPARE(topics->rowText(0), QString("Sales"));

        // Below the last row the last highlight and topic list stay.
        s.MSFlexGrid1_MouseMove(0, modules->viewport()->height() - 2);
        QCOMPARE(s.HoverModuleRow, 1);
        QCOMPARE(s.mousePointer(), 0);
        QCOMPARE(modules->currentRow(), 1);
        QCOMPARE(topics->rowText(0), QString("Sales"));
        // The same row again does not refill the topics.
        topics->item(0, 0)->setText("untouched");
        s.MSFlexGrid1_MouseMove(0, rowY(modules, 1));
        QCOMPARE(topics->rowText(0), QString("untouched"));
    }

    void thePercentageCountsViewedTopicsOfTheCourse_data()
    {
        QTest::addColumn<QList<QStringList>>("records");
        QTest::addColumn<int>("percent");
        QTest::newRow("3 of 8") << QList<QStringList>{{"STA001", "_Start__Middle_", "", ""}, {"STA002", "", "", ""}}
                                << 38;
        QTest::newRow("5 of 8") << QList<QStringList>{{"STA001", "_Start__Middle__Later_", "", ""},
                                                      {"STA002", "_Sales__Returns_", "", ""}}
                                << 62;
        QTest::newRow("more than exist")
            << QList<QStringList>{{"STA001", "_Start__Middle__Later__End_", "", ""},
                                  {"STA002", "_Sales__Returns__Refunds__Sales Basics_", "", ""},
                                  {"OTH999", "_X__Y_", "", ""}}
            << 100;
    }

    void thePercentageCountsViewedTopicsOfTheCourse()
    {
        QFETCH(QList<QStringList>, records);
        QFETCH(int, percent);
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        writeRecords(records);
        Status& s = openStatus();
        QCOMPARE(s.ccrpProgressBar1->value(), percent);
        QCOMPARE(s.ccrpProgressBar1->text(), QString::number(percent) + "%");
    }

    void aTitleInsideALongerVisitedTitleCountsAsViewed()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        writeRecords({{"STA002", "_Sales Basics_", "", ""}});
        Status& s = openStatus();
        s.FillStatusTopicGrid("1");
        ProgressGrid* topics = s.MSFlexGrid1[1];
        QCOMPARE(topics->rowColor(0), kViewed); // Sales
        QCOMPARE(topics->rowColor(1), kViewed); // Sales Basics
        QVERIFY(topics->rowColor(2) != kViewed);
    }

    void aCourseWithoutTopicsOrModulesShowsNothing()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        CourseRecord course;
        course.Name = "Empty";
        ModuleRecord m;
        m.Code = "EMP001";
        m.Title = "No topics";
        course.Modules = {m};
        Courses = {course, CourseRecord{}};
        CurCourse = 0;
        Status& s = openStatus();
        QCOMPARE(s.MSFlexGrid1[0]->rowCount(), 1);
        QCOMPARE(s.ccrpProgressBar1->text(), QString("0%"));
        s.MSFlexGrid1_MouseMove(0, rowY(s.MSFlexGrid1[0], 0));
        QCOMPARE(s.MSFlexGrid1[1]->rowCount(), 0);
        s.unload();
        CurCourse = 1;
        Status& none = openStatus();
        QCOMPARE(none.MSFlexGrid1[0]->rowCount(), 0);
        QCOMPARE(none.ccrpProgressBar1->value(), 0);
    }

    void clickingAModuleOrTopicGoesThere()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        Status* s = &openStatus();
        QTest::mouseClick(s->MSFlexGrid1[0]->viewport(), Qt::LeftButton, {}, QPoint(20, rowY(s->MSFlexGrid1[0], 1)));
        QVERIFY(!Status::loaded());
        QCOMPARE(here(), QString("STA002 0001.txm"));

        OpenModule(0);
        s = &openStatus();
        s->MSFlexGrid1_MouseMove(0, rowY(s->MSFlexGrid1[0], 1));
        QTest::mouseClick(s->MSFlexGrid1[1]->viewport(), Qt::LeftButton, {}, QPoint(20, rowY(s->MSFlexGrid1[1], 2)));
        QVERIFY(!Status::loaded());
        QCOMPARE(here(), QString("STA002 0003.txm"));
        QCOMPARE(f.Label1->text(), QString("Beta : Returns"));
    }

    void closeOnATestPageStartsTheTestWhichThenLeadsToThePageAfterIt()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        openCourse();
        NextPageAfterTest.clear(); // as at the start of a visit: no test was opened before
        PageList().SetPageAsCurrent("0003.txm");
        bool testShown = false;
        whileModal([&] {
            Status& s = Status::instance();
            QTest::mouseMove(s.Prog_Cancel, QPoint(10, 10));
            QTRY_COMPARE(s.Label2[1]->foreColor(), kBlack);
            whileModal([&] { // inside the test window, opened by Close
                QuestionForm& q = QuestionForm::instance();
                testShown = q.isVisible() && q.Label7->text() == "Question 1 of 5";
                for (int i = 0; i < 5; ++i) {
                    q.Option1[0]->setChecked(true);
                    q.AnswerClicked();
                    q.AnswerClicked();
                }
                q.AnswerClicked(); // Close
            });
            QTest::keyClick(&s, Qt::Key_Return); // Enter on the focused Close button
        });
        ShowStatusForm();
        QVERIFY(testShown);
        QVERIFY(!Status::loaded() && !QuestionForm::loaded());
        QCOMPARE(here(), QString("STA001 0004.txm"));
        QCOMPARE(storedResults("STA001").value(1), QString("100"));
    }

    void progressThatCannotBeReadIsToldAndItsFileKept()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        writeRecords({{"STA001", "_Start_", "80", "60"}});
        const QString path = CourseFilePath(CurrentUserFolderName(), CurCourse);
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(kMaxLearnerFileBytes, ' ')); // now over the cap of a learner file
        f.close();
        const QByteArray before = courseFileText().toUtf8();

        // The window still leads to modules, but shows no figure it did not read.
        bool shown = false;
        bool figures = true;
        whileModal([&] {
            Status& s = Status::instance();
            shown = s.isVisible();
            s.MSFlexGrid1_MouseMove(0, 2);
            figures = !s.ccrpProgressBar1->isHidden() || !s.Text1->isHidden() || !s.Label1[5]->isHidden()
                   || s.MSFlexGrid1[0]->rowColor(0) == Status::kViewedColor || !s.Text1->text().isEmpty()
                   || s.MSFlexGrid1[1]->rowCount() == 0;
            s.CloseStatus();
        });
        ShowStatusForm();
        QVERIFY(shown);
        QVERIFY(!figures);
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().startsWith(GetResString(602)));
        QVERIFY(env.box.lastText().endsWith(path));
        QCOMPARE(env.box.calls[0].title, GetResString(547));
        QVERIFY(courseFileText().toUtf8() == before);

        // A learner with no course file yet has nothing to be told.
        QFile::remove(path);
        env.box.clear();
        whileModal([&] {
            figures = !Status::instance().ccrpProgressBar1->isHidden();
            Status::instance().CloseStatus();
        });
        ShowStatusForm();
        QVERIFY(env.box.calls.isEmpty());
        QVERIFY(figures);
    }

    void closeOnAPageWhoseTestIsMissingSaysSo()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        QFile::remove(b.path() + "/STA001/STA001_0003TST");
        qmtest::TestEnvironment env(b.path());
        openCourse();
        PageList().SetPageAsCurrent("0003.txm");
        Status& s = openStatus();
        s.close(); // the close box closes as Close does
        QCOMPARE(env.box.lastText(), GetResString(539) + "\n\nFile not found: " + b.path() + "/STA001/STA001_0003TST");
        QCOMPARE(here(), QString("STA001 0003.txm"));
    }

    void helpShowsTheProgressHelpOverTheWindow()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        b.writeFile("StatusHelp.rtf", "{\\rtf1\\ansi Progress help text\\par}");
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        Status& s = openStatus();
        QString text;
        QWidget* owner = nullptr;
        quint32 caption = 0;
        QString skin;
        whileModal([&] {
            Help& h = Help::instance();
            caption = s.Label2[0]->foreColor();
            skin = s.Prog_Help->skin();
            text = h.TXTextControl1->toPlainText();
            owner = h.parentWidget();
            h.CloseHelp();
        });
        QTest::mouseClick(s.Prog_Help, Qt::LeftButton);
        QVERIFY(text.contains("Progress help text"));
        QCOMPARE(owner, &s);
        QVERIFY(s.isVisible());
        QCOMPARE(caption, kWhite);
        QCOMPARE(skin, QString("Button_Off.jpg"));
        QVERIFY(Help::loaded());
    }

    void theBackgroundTakesTheHighlightOffTheButtons()
    {
        CourseBuilder b;
        buildStatusCourse(b);
        qmtest::TestEnvironment env(b.path());
        setUpLearner();
        Status& s = openStatus();
        QTest::mouseMove(s.Prog_Help, QPoint(10, 10));
        QTRY_COMPARE(s.Prog_Help->skin(), QString("Button_On.jpg"));
        QCOMPARE(s.Label2[1]->foreColor(), kWhite);
        // The grids keep their own look.
        QCOMPARE(s.MSFlexGrid1[0]->rowColor(0), kBlack);
        QCOMPARE(s.MSFlexGrid1[0]->palette().color(QPalette::Base), QColor(Qt::white));
        QTest::mouseMove(&s, QPoint(300, 520));
        QTRY_COMPARE(s.Label2[0]->foreColor(), kWhite);
        QCOMPARE(s.Prog_Help->skin(), QString("Button_Off.jpg"));
        QCOMPARE(s.mousePointer(), 0);
        QTest::keyClick(&s, Qt::Key_Escape); // other keys do nothing
        QVERIFY(Status::loaded());
    }
};

QTEST_MAIN(StatusWindowTest)
#include "test_status_window.moc"
