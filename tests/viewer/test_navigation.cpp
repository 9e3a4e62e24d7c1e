#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "platform/TextControl.h"
#include "support/CourseBuilder.h"
#include "support/MainWindow.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"
#include "viewer/MovieObjects.h"
#include "viewer/Navigation.h"
#include "viewer/ReturnStack.h"

#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;
using qmtest::PageSpec;

namespace {

// Three modules: two topic pages; four pages with a run of two tests; three pages.
void buildCourse(CourseBuilder& b)
{
    b.module("MOD001", "First module", CourseBuilder::pages(2, "Intro"));
    b.module("MOD002", "Second module",
             {{"0001.txm", "Topic", "Rules"}, {"0002.txm", "Test"}, {"0003.txm", "Test"}, {"0004.txm", "Page"}});
    b.module("MOD003", "Third module", CourseBuilder::pages(3, "Wrap"));
    b.course("Course A", {"MOD001", "MOD002", "MOD003"});
    b.writeRegistry();
}

using qmtest::OpenCourse;

// That course open in the main window.
struct NavigationCourse {
    CourseBuilder b;
    qmtest::TestEnvironment env{(buildCourse(b), b.path())};
    Form1& f = OpenCourse();
};

QString shown(Form1& f) { return f.TXTextControl1->text().trimmed(); }
QString here() { return CurrentModule().Code + ' ' + PageList().GetCurrentPageName(); }

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void nextCrossesIntoTheNextModule()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD001", "0001.txm"));
        QCOMPARE(f.CourseNameLbl->text(), QString("Course A"));
        QVERIFY(!f.Return_Btn->isEnabled());

        QTest::mouseClick(f.NextBtn, Qt::LeftButton);
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QCOMPARE(f.Label1->text(), QString("First module : Intro 2"));
        QVERIFY(f.Prev->isEnabled());
        QVERIFY(f.Return_Btn->isEnabled());
        QCOMPARE(f.Return_Btn->skin(), QString("ReturnOff.jpg"));

        f.NextPage();
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD002", "0001.txm"));
        QCOMPARE(f.Label1->text(), QString("Second module : Rules"));
        QCOMPARE(ReturnStack.size(), 2);
    }

    void previousCrossesIntoThePreviousModuleAtItsLastPage()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        OpenModule(2);
        QCOMPARE(here(), QString("MOD003 0001.txm"));
        f.PrevPage();
        QCOMPARE(here(), QString("MOD002 0004.txm"));
        QCOMPARE(f.Label1->text(), QString("Second module : Rules"));
        QVERIFY(f.NextBtn->isEnabled());
    }

    void stepsBackOverARunOfTestPages()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        OpenModule(1);
        PageList().GoToLastPage();
        ClearReturnStack();
        f.PrevPage();
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD002", "0001.txm"));
        // One saved position per page stepped over: 0004, 0003 and 0002.
        QCOMPARE(ReturnStack.size(), 3);
        QCOMPARE(ReturnStack[1].PageName, QString("0003.txm"));
        QVERIFY(env.box.calls.isEmpty()); // going back never starts a test
    }

    void buttonsGreyAtTheCourseEnds()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        QVERIFY(!f.Prev->isEnabled()); // also before anybody signs in
        f.NextPage();
        QVERIFY(f.NextBtn->isEnabled()); // a module's last page is not the course's
        OpenModule(2);
        f.NextPage();
        f.PrevPage();
        QVERIFY(f.Prev->isEnabled()); // nor is a module's first page
        f.NextPage();
        QVERIFY(f.NextBtn->isEnabled());
        f.NextPage();
        QCOMPARE(here(), QString("MOD003 0003.txm"));
        QVERIFY(!f.NextBtn->isEnabled());
        QCOMPARE(f.NextBtn->skin(), QString("nextDis.jpg"));
        // A disabled button takes no clicks.
        QTest::mouseClick(f.NextBtn, Qt::LeftButton);
        QCOMPARE(here(), QString("MOD003 0003.txm"));

        OpenModule(0);
        QVERIFY(!f.Prev->isEnabled());
        QCOMPARE(f.Prev->skin(), QString("backDis.jpg"));
        QVERIFY(f.NextBtn->isEnabled());
        f.NextPage();
        f.PrevPage();
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QVERIFY(!f.Prev->isEnabled());
        QCOMPARE(f.Prev->skin(), QString("backDis.jpg"));
    }

    void nextOntoATestPageWithoutItsTestFileSaysSo()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        OpenModule(1);
        f.NextPage();
        QCOMPARE(here(), QString("MOD002 0002.txm"));
        QVERIFY(env.box.shown(GetResString(539) + "\n\nFile not found: " + b.path() + "/MOD002/MOD002_0002TST"));
    }

    void returnStackHoldsAHundredAndOneEntries()
    {
        NavigationCourse course;
        ClearReturnStack();
        PushReturnPosition();
        QCOMPARE(ReturnStack.size(), 1);
        for (int i = 1; i < 101; ++i) PushReturnPosition();
        QCOMPARE(ReturnStack.size(), 101);
        PageList().NextPage();
        PushReturnPosition(); // the 102nd is dropped
        QCOMPARE(ReturnStack.size(), 101);
        QCOMPARE(ReturnStack.last().PageName, QString("0001.txm"));
        QCOMPARE(SavedPosition.PageName, QString("0002.txm"));
    }

    void returnAfterAModuleJumpReopensThePageLeft()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        f.NextPage();
        OpenModule(2);
        QCOMPARE(here(), QString("MOD003 0001.txm"));
        QCOMPARE(SavedPosition.ModuleTitle, QString("First module"));
        QCOMPARE(SavedPosition.TopicTitle, QString("Intro 2"));
        ReturnToSavedPage();
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD001", "0002.txm"));
        QVERIFY(f.Prev->isEnabled() && f.NextBtn->isEnabled());
        ReturnToSavedPage();
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QVERIFY(!f.Return_Btn->isEnabled());
        QCOMPARE(f.Return_Btn->skin(), QString("ReturnButtonDisabled.jpg"));
        QVERIFY(!f.Prev->isEnabled());
        // The tooltip still names the position saved last.
        QCOMPARE(SavedPosition.ModuleTitle, QString("First module"));
    }

    void aMissingPageLeavesTheLearnerWhereTheyWere()
    {
        CourseBuilder b;
        buildCourse(b);
        QFile::remove(b.path() + "/MOD001/0002.txm");
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        f.NextPage();
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD001", "0001.txm"));
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().contains("0002.txm"));
        // Nothing to return to, and Previous as it was.
        QVERIFY(ReturnStack.isEmpty() && !f.Return_Btn->isEnabled() && !f.Prev->isEnabled());
    }

    void aFailedPreviousOrNextPutsThePageBackWhole()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("MOD003/0003.txm", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Movie page\\par "
                                       "{\\*\\qmobject\\objw2400\\objh1800 notes.txt}\\par}");
        QFile::remove(b.path() + "/MOD003/0002.txm");
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        OpenModule(2);
        f.NextPage(); // onto the missing page
        QCOMPARE(here(), QString("MOD003 0001.txm"));
        // The Return tooltip still names the place saved before the attempt.
        QCOMPARE(SavedPosition.ModuleTitle, QString("First module"));

        OpenTopic(2, 0, "Wrap 3");
        ReturnStack.clear();
        f.DisableReturnButton();
        const QString heading = f.Label1->text();
        QCOMPARE(f.Movies->frames().size(), 1);
        env.box.clear();

        f.PrevPage();
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().contains("0002.txm"));
        QCOMPARE(here(), QString("MOD003 0003.txm"));
        QVERIFY(shown(f).startsWith("Movie page"));
        QCOMPARE(f.Label1->text(), heading);
        QCOMPARE(f.Movies->frames().size(), 1);
        QVERIFY(ReturnStack.isEmpty() && !f.Return_Btn->isEnabled());
        QVERIFY(f.Prev->isEnabled() && !f.NextBtn->isEnabled());
        QCOMPARE(SavedPosition.PageName, QString("0001.txm"));

        // A jump that fails brings the movie back too.
        QFile::remove(b.path() + "/MOD001/Map.txt");
        OpenModule(0);
        QCOMPARE(here(), QString("MOD003 0003.txm"));
        QCOMPARE(f.Movies->frames().size(), 1);
    }

    void previousOverTestPagesToAMissingPagePutsTheViewBack()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        OpenModule(2);
        f.PrevPage();
        QCOMPARE(here(), QString("MOD002 0004.txm"));
        QFile::remove(b.path() + "/MOD002/0001.txm");
        f.PrevPage(); // shows both test pages on the way
        QVERIFY(env.box.lastText().contains("0001.txm"));
        QCOMPARE(here(), QString("MOD002 0004.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD002", "0004.txm"));
    }

    void aModuleWithoutItsPageMapIsNotEntered()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        QFile::remove(b.path() + "/MOD002/Map.txt");
        f.NextPage();
        f.NextPage();
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QVERIFY(env.box.lastText().contains("Map.txt"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD001", "0002.txm"));
    }

    void previousAndReturnIntoAModuleThatFailsLeaveEverythingAsItWas()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        b.module("MOD002", "Second module", {{"0001.txm", "Test"}, {"0002.txm", "Topic", "Rules"}});
        const QString map = b.path() + "/MOD001/Map.txt";
        OpenModule(1);
        QVERIFY(QFile::rename(map, map + ".away"));

        f.PrevPage();
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QVERIFY(env.box.lastText().contains("Map.txt"));
        QCOMPARE(ReturnStack.size(), 1);
        OpenModule(0);
        QCOMPARE(ReturnStack.size(), 1);
        QCOMPARE(f.Prev->skin(), QString("PreviousOff.jpg"));

        // Over a test page into the failing module: back to the page left.
        f.NextPage();
        f.PrevPage();
        QCOMPARE(here(), QString("MOD002 0002.txm"));
        QCOMPARE(shown(f), CourseBuilder::pageText("MOD002", "0002.txm"));
        QCOMPARE(ReturnStack.size(), 2);
        QCOMPARE(ReturnStack.last().PageName, QString("0001.txm"));

        ReturnToSavedPage();
        ReturnToSavedPage(); // its module fails: the entry stays for another try
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QCOMPARE(ReturnStack.size(), 1);
        QVERIFY(f.Return_Btn->isEnabled());
        QCOMPARE(f.Return_Btn->skin(), QString("ReturnOff.jpg"));

        // A position naming no module is dropped, and the buttons follow the page.
        ReturnStack.append(PagePosition{"0001.txm", {}, {}, 0, 99});
        f.SetPrevButton(false, "backDis.jpg");
        ReturnToSavedPage();
        QCOMPARE(ReturnStack.size(), 1);
        QVERIFY(f.Prev->isEnabled());

        QVERIFY(QFile::rename(map + ".away", map));
        ReturnToSavedPage();
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QVERIFY(!f.Return_Btn->isEnabled());
    }

    void exitRequestedEndsAWindowThatWasNeverActivated()
    {
        // A sign-in window confirms Exit while the main window, loaded behind
        // it, has not yet been activated.
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        CurCourse = 0;
        Form1::instance();
        QVERIFY(Form1::loaded());
        ExitRequested = true;
        QTRY_VERIFY_WITH_TIMEOUT(!Form1::loaded(), 2000);
    }

    void exitAnsweredNoChangesNothing()
    {
        NavigationCourse course;
        auto& [b, env, f] = course;
        env.box.answer(vbNo);
        f.Exit_Course();
        QCOMPARE(env.box.lastText(), GetResString(124));
        QCOMPARE(env.box.calls.last().title, GetResString(125));
        QVERIFY(Form1::loaded());
        QVERIFY(!ExitRequested);
        env.box.answer(vbYes);
        f.Exit_Course();
        QVERIFY(ExitRequested);
        QVERIFY(!Form1::loaded());
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
