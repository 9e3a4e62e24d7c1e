#include "app/CourseSelection.h"
#include "app/CourseStart.h"
#include "app/Globals.h"
#include "app/SplashScreen.h"
#include "content/Catalogue.h"
#include "platform/TextControl.h"
#include "platform/TextFile.h"
#include "support/CourseBuilder.h"
#include "support/ModalDriver.h"
#include "viewer/Form1.h"
#include "support/TestDoubles.h"
#include "ui/FormsCollection.h"
#include "ui/PictureBox.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"

#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QtTest>

using namespace qm;

namespace {
void threeEntries()
{
    Courses.clear();
    for (const char* name : {"Office Safety", "Privacy at Work", "All modules"}) {
        CourseRecord c;
        c.Name = QString::fromLatin1(name);
        Courses.append(c);
    }
}

CourseSelection& openChooser()
{
    CourseSelection& c = CourseSelection::instance();
    if (!QTest::qWaitForWindowActive(&c)) qWarning("the chooser did not become active");
    return c;
}
} // namespace

class CourseChooserTest : public QObject {
    Q_OBJECT
private slots:
    void listsEveryEntryWithNoSelection()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        threeEntries();
        CourseSelection& c = openChooser();
        QVERIFY(c.isVisible());
        QCOMPARE(c.windowTitle(), GetResString(503));
        QCOMPARE(c.CourseList->count(), 3);
        QCOMPARE(c.CourseList->itemText(2), QString("All modules"));
        QCOMPARE(c.CourseList->currentIndex(), -1);
        QCOMPARE(c.Label1->text(), GetResString(200));
        QCOMPARE(c.OKlbl->text(), GetResString(122));
        QCOMPARE(c.Exit_btn->toolTip(), GetResString(103));
    }

    void okWaitsForASelection()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        threeEntries();
        CourseSelection& c = openChooser();
        QTest::qWait(150);
        QVERIFY(!c.BeginCourse->isEnabled());
        QCOMPARE(c.BeginCourse->skin(), QString("Button_Dis.jpg"));
        QCOMPARE(c.OKlbl->foreColor(), kGrey);
        // Enter with nothing selected and no caption black does nothing.
        c.CourseList->setFocus();
        QTest::keyClick(&c, Qt::Key_Return);
        QVERIFY(c.isLoaded());
        QVERIFY(env.box.calls.isEmpty());

        c.CourseList->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(c.BeginCourse->isEnabled(), 500);
        QCOMPARE(c.BeginCourse->skin(), QString("Button_Off.jpg"));
        QCOMPARE(c.OKlbl->foreColor(), kWhite);
        c.unload();
    }

    void highlightFollowsTheMouse()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        threeEntries();
        CourseSelection& c = openChooser();
        c.CourseList->setCurrentIndex(0);
        QTRY_VERIFY_WITH_TIMEOUT(c.BeginCourse->isEnabled(), 500);

        QTest::mouseMove(c.Cancel, QPoint(10, 10));
        QTRY_COMPARE(c.Cancel->skin(), QString("Button_On.jpg"));
        QCOMPARE(c.Cancellbl->foreColor(), kBlack);
        QCOMPARE(c.Cancellbl->backColor(), kHighlightBack);
        QCOMPARE(c.mousePointer(), 99);

        QTest::mouseMove(c.BeginCourse, QPoint(10, 10));
        QTRY_COMPARE(c.BeginCourse->skin(), QString("Button_On.jpg"));
        QCOMPARE(c.OKlbl->foreColor(), kBlack);
        QCOMPARE(c.OKlbl->backColor(), kHighlightBack);
        QCOMPARE(c.Cancel->skin(), QString("Button_Off.jpg"));
        QCOMPARE(c.Cancellbl->foreColor(), kWhite);
        QCOMPARE(c.Cancellbl->backColor(), kNormalBack);
        QCOMPARE(c.Exit_btn->skin(), QString("ExitButton_Off.jpg"));

        QTest::mouseMove(c.Exit_btn, QPoint(5, 5));
        QTRY_COMPARE(c.Exit_btn->skin(), QString("ExitButton_On.jpg"));
        QCOMPARE(c.BeginCourse->skin(), QString("Button_Off.jpg"));
        c.unload();
    }

    void focusingCancelKeepsADisabledOkGrey()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        threeEntries();
        CourseSelection& c = openChooser();
        QTest::qWait(150);
        c.Cancel->setFocus();
        QTRY_COMPARE(c.Cancel->skin(), QString("Button_On.jpg"));
        QCOMPARE(c.BeginCourse->skin(), QString("Button_Dis.jpg"));
        QCOMPARE(c.OKlbl->foreColor(), kGrey);
        c.unload();
    }

    void escAndEnterOnExitCloseWithoutAMessage()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        threeEntries();
        {
            CourseSelection& c = openChooser();
            QTest::keyClick(&c, Qt::Key_Escape);
            QVERIFY(!CourseSelection::loaded());
        }
        {
            CourseSelection& c = openChooser();
            c.Exit_btn->setFocus();
            QTRY_COMPARE(c.Exit_btn->skin(), QString("ExitButton_On.jpg"));
            QTest::keyClick(&c, Qt::Key_Return);
            QVERIFY(!CourseSelection::loaded());
        }
        {
            CourseSelection& c = openChooser();
            c.Cancel->setFocus();
            QTRY_COMPARE(c.Cancellbl->foreColor(), kBlack);
            QTest::keyClick(&c, Qt::Key_Return);
            QVERIFY(!CourseSelection::loaded());
        }
        QVERIFY(env.box.calls.isEmpty());
        QVERIFY(!env.process.ends);
    }

    void anInactiveWindowStopsPolling()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        threeEntries();
        CourseSelection& c = openChooser();
        QTRY_VERIFY(c.buttons()->enablingTimer()->isActive());
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!c.buttons()->enablingTimer()->isActive());
        c.CourseList->setCurrentIndex(0);
        QTest::qWait(250);
        QVERIFY(!c.BeginCourse->isEnabled());
        c.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        QTRY_VERIFY_WITH_TIMEOUT(c.BeginCourse->isEnabled(), 500);
        c.unload();
    }

    void aSingleCourseIsTakenWithoutAsking()
    {
        qmtest::CourseBuilder b;
        b.module("ONE001", "Only module", qmtest::CourseBuilder::pages(2, "T"));
        b.course("Only course", {"ONE001"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1);
        CurCourse = 5;
        qmtest::WhenFormShown("UserLogin", [](Form& f) { f.unload(); });
        CourseSelection& c = CourseSelection::instance();
        QVERIFY(!c.isVisible());
        QCOMPARE(CurCourse, qint16(0));
        QCOMPARE(AllModulesMode, 0);
        QVERIFY(SplashScreen::loaded());
        QVERIFY(Form1::loaded());
        // The splash closes after a second and takes the hidden chooser with it.
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        QVERIFY(!CourseSelection::loaded());
        QVERIFY(Form1::ifLoaded()->isVisible());
    }

    void aCourseWithoutOneReadableModuleIsNotOpened()
    {
        qmtest::CourseBuilder b;
        b.module("GOOD01", "Good module", qmtest::CourseBuilder::pages(1));
        b.course("Broken course", {"HUGE01"});
        b.course("Good course", {"GOOD01"});
        b.writeRegistry();
        b.writeFile("HUGE01/Map.txt", QByteArray(kMaxPageMapBytes + 1, '\n'));
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        const int broken = Courses[0].Name == "Broken course" ? 0 : 1;
        const int good = 1 - broken;
        StartChosenCourse(broken, 0);
        // Why its only module is refused comes before the course is.
        QCOMPARE(env.box.calls.size(), 2);
        QVERIFY(env.box.calls[0].text.startsWith("File too large") && env.box.calls[0].text.endsWith("HUGE01/Map.txt"));
        QCOMPARE(env.box.lastText(), GetResString(620) + "Broken course");
        QVERIFY(!Form1::loaded());
        // Back to the chooser; with no other course the program ends instead.
        QTRY_VERIFY_WITH_TIMEOUT(CourseSelection::loaded(), 5000);
        QVERIFY(CourseSelection::ifLoaded()->isVisible() && !env.process.ends);

        // A change of course to it leaves the learner in the course on view.
        qmtest::WhenFormShown("UserLogin", [](Form& f) { f.unload(); });
        CourseSelection::ifLoaded()->CourseList->setCurrentIndex(good);
        CourseSelection::ifLoaded()->BeginSelectedCourse();
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded() && Form1::loaded(), 5000);
        Form1* main = Form1::ifLoaded();
        CourseSelection& change = CourseSelection::instance();
        QVERIFY(change.Label2->isVisible());
        change.CourseList->setCurrentIndex(broken);
        env.box.clear();
        change.BeginSelectedCourse();
        QCOMPARE(env.box.calls.size(), 2);
        QVERIFY(env.box.calls[0].text.startsWith("File too large") && env.box.calls[0].text.endsWith("HUGE01/Map.txt"));
        QCOMPARE(env.box.lastText(), GetResString(620) + "Broken course");
        QCOMPARE(Form1::ifLoaded(), main);
        QVERIFY(main->isVisible() && !SplashScreen::loaded() && !CourseSelection::loaded());
        QCOMPARE(CurCourse, good);
        QCOMPARE(main->CourseNameLbl->text(), QString("Good course"));
        main->unload();

        Courses = {Courses[broken]};
        CourseSelection::instance();
        QTRY_COMPARE_WITH_TIMEOUT(env.process.ends, 1, 5000);
    }

    // The page a signed-in learner would land on is read before the course
    // on view goes: when it cannot be shown, nothing changes.
    void aChangeOfCourseThatCannotLandChangesNothing()
    {
        qmtest::CourseBuilder b;
        b.module("GOOD01", "Good module", qmtest::CourseBuilder::pages(2, "Good"));
        b.module("BAD001", "Bad module", qmtest::CourseBuilder::pages(2, "Bad"));
        b.course("Good course", {"GOOD01"});
        b.course("Bad course", {"BAD001"});
        b.writeRegistry();
        QFile::remove(b.path() + "/BAD001/0001.txm");
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        const int good = Courses[0].Name == "Good course" ? 0 : 1;
        const int bad = 1 - good;
        qmtest::WhenFormShown("UserLogin", [](Form& f) { f.unload(); });
        StartChosenCourse(good, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        UserFirstName = "Ann";
        UserLastName = "Lee";
        const QString folder = env.dataHome() + "/Veltrane Quillmark 1.0/UserData/Ann Lee";
        QVERIFY(QDir().mkpath(folder));
        Form1* main = Form1::ifLoaded();
        main->NextPage();
        const QString badFile = folder + "/Bad course";

        const auto refused = [&](const QString& file) {
            env.box.clear();
            QVERIFY(!StartChosenCourse(bad, 0));
            QCOMPARE(env.box.calls.size(), 1);
            QVERIFY2(env.box.lastText().contains("BAD001/" + file), qPrintable(env.box.lastText()));
            QCOMPARE(Form1::ifLoaded(), main);
            QCOMPARE(CurCourse, good);
            QCOMPARE(main->TXTextControl1->text().trimmed(), qmtest::CourseBuilder::pageText("GOOD01", "0002.txm"));
            QVERIFY(!SplashScreen::loaded());
        };
        refused("0001.txm"); // a first visit lands on the first page
        QVERIFY(!QFile::exists(badFile));
        QFile::rename(b.path() + "/BAD001/Map.txt", b.path() + "/BAD001/Map.away");
        refused("Map.txt");
        QVERIFY(!QFile::exists(badFile));

        // A learner with a bookmark lands on the bookmarked page.
        QFile::rename(b.path() + "/BAD001/Map.away", b.path() + "/BAD001/Map.txt");
        b.writeFile("BAD001/0001.txm", "{\\rtf1 here}");
        QFile::remove(b.path() + "/BAD001/0002.txm");
        const QByteArray bookmark = "\"BAD001\",\"0002.txm\"\r\n";
        QFile file(badFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bookmark) == bookmark.size());
        file.close();
        refused("0002.txm");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bookmark);
        file.close();

        // A course whose page fails as it loads, with no window to stay in,
        // records no visit to it, with a bookmark or without.
        QFile::remove(b.path() + "/BAD001/0001.txm");
        for (const bool bookmarked : {true, false}) {
            if (!bookmarked) QFile::remove(badFile);
            else qmtest::WhenFormShown("Status", [](Form& f) { f.unload(); });
            Form1::ifLoaded()->unload();
            StartChosenCourse(bad, 0);
            QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
            QVERIFY(file.open(QIODevice::ReadOnly) == bookmarked);
            QCOMPARE(file.readAll(), bookmarked ? bookmark : QByteArray());
            file.close();
        }
    }

    void everyCourseOfALargeCatalogueCanBeOpened()
    {
        qmtest::CourseBuilder b;
        b.module("ONE001", "Only module", qmtest::CourseBuilder::pages(1));
        b.course("Only course", {"ONE001"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        const CourseRecord only = Courses[0];
        Courses.fill(only, 40000); // past what a 16-bit index can reach
        Courses.last().Name = "Last course";
        qmtest::WhenFormShown("UserLogin", [](Form& f) { f.unload(); });
        QVERIFY(StartChosenCourse(39999, 0));
        QCOMPARE(CurCourse, 39999);
        QVERIFY(Form1::loaded());
        QCOMPARE(Form1::ifLoaded()->CourseNameLbl->text(), QString("Last course"));
        QVERIFY(env.box.calls.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
    }

    // No window is on screen while the visit starts: a message then must not
    // end the program, which still ends once its last window goes.
    void aMessageDuringTheStartKeepsTheProgramRunning()
    {
        qmtest::CourseBuilder b;
        b.module("ONE001", "Only module", qmtest::CourseBuilder::pages(2, "T"));
        b.course("Only course", {"ONE001"});
        b.writeRegistry();
        b.writeFile("Glossary.txt", QByteArray(kMaxGlossaryBytes + 1, 'x'));
        qmtest::TestEnvironment env(b.path());
        int ended = 0;
        FormsCollection::setLastWindowHandler([&] { ++ended; });
        // A real box runs the event loop while it waits.
        env.box.onShow = [](const qmtest::ScriptedMessageBox::Call&) { QTest::qWait(50); };
        bool signIn = false;
        qmtest::WhenFormShown("UserLogin", [&](Form& f) {
            signIn = true;
            f.unload();
        });
        GetInstalledCourses();
        CourseSelection::instance();
        QTRY_VERIFY_WITH_TIMEOUT(signIn, 5000);
        QVERIFY(env.box.lastText().startsWith("File too large"));
        QCoreApplication::processEvents();
        QCOMPARE(ended, 0);
        QVERIFY(Form1::ifLoaded()->isVisible());
        Form1::ifLoaded()->unload();
        QTRY_COMPARE(ended, 1);
        FormsCollection::setLastWindowHandler(nullptr);
    }

    void theVisitStartsOnlyOnceTheMainWindowsLoadIsOver()
    {
        qmtest::CourseBuilder b;
        b.module("ONE001", "Only module", qmtest::CourseBuilder::pages(1));
        b.course("Only course", {"ONE001"});
        b.writeRegistry();
        QFile::remove(b.path() + "/ONE001/0001.txm");
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        bool boxOpen = false, signInUnderTheBox = true;
        env.box.onShow = [&](const qmtest::ScriptedMessageBox::Call&) {
            boxOpen = true;
            QTest::qWait(1400); // read for longer than the splash's second
            boxOpen = false;
        };
        qmtest::WhenFormShown("UserLogin", [&](Form& f) {
            signInUnderTheBox = boxOpen;
            f.unload();
        });
        CourseSelection::instance();
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        QTRY_VERIFY(!signInUnderTheBox);

        // On a screen smaller than the main window it opens at the top left.
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        if (avail.width() < 1024) QCOMPARE(Form1::ifLoaded()->frameGeometry().topLeft(), avail.topLeft());
    }

    void noCatalogueEndsTheProgram()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        Courses.clear();
        CourseSelection::instance();
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.lastText(), GetResString(529));
        QCOMPARE(env.box.calls[0].title, QString("Veltrane_Quillmark_1.0"));
        QCOMPARE(env.box.calls[0].style, 0);
        QCOMPARE(env.process.ends, 1);
    }
};

QTEST_MAIN(CourseChooserTest)
#include "test_course_chooser.moc"
