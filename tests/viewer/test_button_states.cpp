#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "support/CourseBuilder.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"
#include "viewer/ReturnStack.h"

#include <QFile>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

// Three modules of two, two and three pages.
void buildCourse(CourseBuilder& b)
{
    b.module("MOD001", "First module", CourseBuilder::pages(2, "Intro"));
    b.module("MOD002", "Second module", CourseBuilder::pages(2, "Middle"));
    b.module("MOD003", "Third module", CourseBuilder::pages(3, "Wrap"));
    b.course("Course A", {"MOD001", "MOD002", "MOD003"});
    b.writeRegistry();
}

// The course as the main window shows it before anybody signs in.
Form1& openCourse()
{
    GetInstalledCourses();
    CurCourse = 0;
    Form1& f = Form1::instance();
    f.showModeless();
    return f;
}

QString here() { return CurrentModule().Code + ' ' + PageList().GetCurrentPageName(); }

} // namespace

class ButtonStatesTest : public QObject {
    Q_OBJECT
private slots:
    void nextAndPreviousGreyOnlyAtTheCourseEnds()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        // The course's first page, before anybody signs in.
        QVERIFY(!f.Prev->isEnabled());
        QCOMPARE(f.Prev->skin(), QString("backDis.jpg"));
        QVERIFY(f.NextBtn->isEnabled());

        // A module's last and first pages are not the course's.
        f.NextPage();
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QVERIFY(f.NextBtn->isEnabled());
        OpenModule(2);
        f.NextPage();
        f.PrevPage();
        QCOMPARE(here(), QString("MOD003 0001.txm"));
        QVERIFY(f.Prev->isEnabled());
        QCOMPARE(f.Prev->skin(), QString("previousOn.jpg"));
    }

    void aNextThatCannotLoadItsPageLeavesEverythingAsItWas()
    {
        CourseBuilder b;
        buildCourse(b);
        QFile::remove(b.path() + "/MOD001/0002.txm");
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        f.NextPage();
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(!f.Prev->isEnabled());
        QVERIFY(ReturnStack.isEmpty());
        QVERIFY(!f.Return_Btn->isEnabled());

        // Further on, a failed crossing keeps the return entries made before it.
        QFile::remove(b.path() + "/MOD003/Map.txt");
        OpenModule(1);
        f.NextPage();
        QCOMPARE(ReturnStack.size(), 2);
        f.NextPage();
        QCOMPARE(here(), QString("MOD002 0002.txm"));
        QCOMPARE(ReturnStack.size(), 2);
        QCOMPARE(SavedPosition.PageName, QString("0001.txm"));
        QVERIFY(f.Return_Btn->isEnabled());
        QVERIFY(f.Prev->isEnabled() && f.NextBtn->isEnabled());
    }
};

QTEST_MAIN(ButtonStatesTest)
#include "test_button_states.moc"
