// Taking a course: the splash, the main window's load and the start of the
// visit, where they can go wrong.
#include "app/CourseSelection.h"
#include "app/CourseStart.h"
#include "app/Globals.h"
#include "app/SplashScreen.h"
#include "content/Catalogue.h"
#include "support/CourseBuilder.h"
#include "support/ModalDriver.h"
#include "support/TestDoubles.h"
#include "ui/UiText.h"
#include "users/UserLogin.h"
#include "viewer/Form1.h"

#include <QFile>
#include <QScreen>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

int courseIndex(const QString& name)
{
    for (int i = 0; i < Courses.size(); ++i)
        if (Courses[i].Name == name) return i;
    return -1;
}

} // namespace

class CourseStartTest : public QObject {
    Q_OBJECT
private slots:
    void aCourseWithoutOneReadableModuleIsNotOpened()
    {
        CourseBuilder b;
        b.module("GOOD01", "Good module", CourseBuilder::pages(2, "T"));
        b.course("Broken course", {"GONE01", "GONE02"});
        b.course("Good course", {"GOOD01"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        CurCourse = qint16(courseIndex("Broken course"));
        QVERIFY(Courses[CurCourse].Modules.isEmpty());
        StartChosenCourse();
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.lastText(), GetResString(620) + "Broken course");
        QVERIFY(!Form1::loaded());
        // Another course may be chosen.
        QTRY_VERIFY_WITH_TIMEOUT(CourseSelection::loaded() && CourseSelection::ifLoaded()->isVisible(), 5000);
        QVERIFY(!UserLogin::loaded());
        QCOMPARE(env.process.ends, 0);
    }

    void withoutAChoiceAnUnreadableCourseEndsTheProgram()
    {
        CourseBuilder b;
        b.course("Broken course", {"GONE01"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        CourseSelection::instance();
        QCOMPARE(env.box.lastText(), GetResString(620) + "Broken course");
        QTRY_COMPARE_WITH_TIMEOUT(env.process.ends, 1, 5000);
        QVERIFY(!Form1::loaded());
        QVERIFY(!UserLogin::loaded());
    }

    void theVisitStartsOnlyOnceTheMainWindowsLoadIsOver()
    {
        CourseBuilder b;
        b.module("ONE001", "Only module", CourseBuilder::pages(2, "T"));
        b.course("Only course", {"ONE001"});
        b.writeRegistry();
        QFile::remove(b.path() + "/ONE001/0001.txm");
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        bool boxOpen = false;
        bool signInUnderTheBox = false;
        bool signInShown = false;
        env.box.onShow = [&](const qmtest::ScriptedMessageBox::Call&) {
            boxOpen = true;
            QTest::qWait(1400); // the learner reads the message longer than the splash's second
            boxOpen = false;
        };
        qmtest::WhenFormShown("UserLogin", [&](Form& f) {
            signInShown = true;
            signInUnderTheBox = boxOpen;
            f.unload();
        });
        CourseSelection::instance();
        QVERIFY(env.box.lastText().contains("0001.txm"));
        QTRY_VERIFY_WITH_TIMEOUT(signInShown, 5000);
        QVERIFY(!signInUnderTheBox);
        QVERIFY(!SplashScreen::loaded());
        QVERIFY(Form1::loaded());
    }

    void onASmallScreenTheMainWindowOpensAtTheTopLeft()
    {
        CourseBuilder b;
        b.module("ONE001", "Only module", CourseBuilder::pages(2, "T"));
        b.course("Only course", {"ONE001"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        if (avail.width() >= 1024 && avail.height() >= 768) QSKIP("the screen holds the whole main window");
        GetInstalledCourses();
        CurCourse = 0;
        Form1& f = Form1::instance();
        f.showModeless();
        QCOMPARE(f.frameGeometry().topLeft(), avail.topLeft());
    }
};

QTEST_MAIN(CourseStartTest)
#include "test_course_start.moc"
