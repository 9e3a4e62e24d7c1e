#include "app/Globals.h"
#include "app/CourseStart.h"
#include "app/SplashScreen.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "platform/AtomicFile.h"
#include "support/CourseBuilder.h"
#include "support/MainWindow.h"
#include "support/ModalDriver.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "users/NewUserLogin.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserLogin.h"
#include "users/Welcome.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include <cerrno>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

void buildTwoCourses(CourseBuilder& b)
{
    b.module("AAA001", "Alpha one", CourseBuilder::pages(3, "A1"));
    b.module("AAA002", "Alpha two", CourseBuilder::pages(4, "A2"));
    b.module("BBB001", "Beta one", CourseBuilder::pages(2, "B1"));
    b.course("Alpha", {"AAA001", "AAA002"});
    b.course("Beta", {"BBB001"});
    b.writeRegistry();
}

using qmtest::OpenCourse;

QString root(const qmtest::TestEnvironment& env) { return env.dataHome() + "/Veltrane Quillmark 1.0/UserData/"; }

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Two courses installed, the first open in the main window.
struct TwoCourses {
    CourseBuilder b;
    qmtest::TestEnvironment env{(buildTwoCourses(b), b.path())};
    Form1& main = OpenCourse(0);
};

const QByteArray kAnnsDetails = "\"Ann\",\"Bee\",\"ann@x.org\"\r\n";

// Ann Bee, a learner already on file.
void addAnn(const qmtest::TestEnvironment& env) { writeFile(root(env) + "Ann Bee/User", kAnnsDetails); }

} // namespace

class SignInWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void signInGreyUntilANameIsChosenAndResumesAtTheBookmark()
    {
        TwoCourses course;
        auto& [b, env, main] = course;
        addAnn(env);
        writeFile(root(env) + "Cid Dee/User", "\"Cid\",\"Dee\",\"cid@x.org\"\r\n");
        // A bookmark found in any case of its code.
        writeFile(root(env) + "Cid Dee/Alpha", "\"aaa002\",\"0004.txm\"\r\n");
        UserLogin& login = UserLogin::instance();
        login.showModeless(&main);
        QVERIFY(QTest::qWaitForWindowActive(&login));
        QCOMPARE(login.UserName_Cmb_3->count(), 2);
        QTest::qWait(150);
        QVERIFY(!login.SignIN_Btn_5->isEnabled());
        QCOMPARE(login.SignIN_Btn_5->skin(), QString("Button_Dis.jpg"));
        QCOMPARE(login.Label2[2]->foreColor(), kGrey);
        login.UserName_Cmb_3->setCurrentIndex(1);
        QTRY_VERIFY(login.SignIN_Btn_5->isEnabled());
        QCOMPARE(login.Label2[2]->foreColor(), kWhite);

        bool progressShown = false;
        qmtest::WhenFormShown("Status", [&](Form& st) { progressShown = true; st.unload(); });
        login.SignIn();
        QVERIFY(progressShown); // signing in opens the progress window
        QVERIFY(!UserLogin::loaded());
        QCOMPARE(UserFirstName, QString("Cid"));
        QCOMPARE(CurrentModule().Code, QString("AAA002"));
        QCOMPARE(PageList().GetCurrentPageName(), QString("0004.txm"));
        QCOMPARE(main.Label1->text(), QString("Alpha two : A2 4"));
        QVERIFY(!main.NextBtn->isEnabled());
        QCOMPARE(main.NextBtn->skin(), QString("nextDis.jpg"));
    }

    void firstSignInToACourseCreatesItsFile()
    {
        TwoCourses course;
        auto& [b, env, main] = course;
        addAnn(env);
        UserLogin& login = UserLogin::instance();
        login.UserName_Cmb_3->setCurrentIndex(0);
        qmtest::WhenFormShown("Status", [](Form& st) { st.unload(); });
        login.SignIn();
        QCOMPARE(readAll(root(env) + "Ann Bee/Alpha"),
                 QByteArray("\"AAA001\",\"0001.txm\"\r\n\"AAA001\",\"_A1 1_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        QVERIFY(!main.Prev->isEnabled());
        QCOMPARE(main.Prev->skin(), QString("backDis.jpg"));
    }

    // A folder with nothing in it is nobody; one holding a course file but
    // no User is listed, and signing in says why it cannot be.
    void unreadableLearnerFilesAreReportedAndTheWindowStays()
    {
        TwoCourses course;
        qmtest::TestEnvironment& env = course.env;
        QDir().mkpath(root(env) + "Empty Folder");
        writeFile(root(env) + "No File/Alpha", "\"AAA001\",\"0002.txm\"\r\n");
        UserLogin& login = UserLogin::instance();
        QCOMPARE(login.UserName_Cmb_3->count(), 1);
        login.UserName_Cmb_3->setCurrentIndex(0);
        login.SignIn();
        QVERIFY(UserLogin::loaded());
        QCOMPARE(env.box.lastText(), GetResString(548) + "\nFile not found: " + root(env) + "No File/User");
        QVERIFY(UserFirstName.isEmpty());

        login.unload();
    }

    // A course file that cannot say where to resume starts the course over,
    // keeps its records and gets the bookmark back in front of them.
    void courseFileWithoutBookmarkResumesAtTheStart_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("kept");
        const QByteArray record = "\"AAA002\",\"_A2 1_\",\"1\",\"80\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("records only") << record << record;
    }
    void courseFileWithoutBookmarkResumesAtTheStart()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, kept);
        TwoCourses course;
        qmtest::TestEnvironment& env = course.env;
        addAnn(env);
        writeFile(root(env) + "Ann Bee/Alpha", file);
        CurModule = 1;
        bool progressShown = false;
        qmtest::WhenFormShown("Status", [&](Form& st) { progressShown = true; st.unload(); });
        UserLogin& login = UserLogin::instance();
        login.UserName_Cmb_3->setCurrentIndex(0);
        login.SignIn();
        QVERIFY(progressShown && env.box.calls.isEmpty());
        QCOMPARE(CurrentModule().Code, QString("AAA001"));
        QCOMPARE(PageList().GetCurrentPageName(), QString("0001.txm"));
        QCOMPARE(readAll(root(env) + "Ann Bee/Alpha"),
                 "\"AAA001\",\"0001.txm\"\r\n" + kept
                     + "\"AAA001\",\"_A1 1_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    }

    void enterFollowsTheBlackCaptionAndTheExitTag()
    {
        TwoCourses course;
        auto& [b, env, main] = course;
        UserLogin& login = UserLogin::instance();
        login.showModeless(&main);
        QVERIFY(QTest::qWaitForWindowActive(&login));
        login.Exit_btn->setFocus();
        QTRY_COMPARE(login.Exit_btn->tag(), QString("ExitButton_On.jpg"));
        env.box.answer(vbNo);
        QTest::keyClick(&login, Qt::Key_Return);
        QCOMPARE(env.box.lastText(), GetResString(124));
        QVERIFY(UserLogin::loaded());
        QVERIFY(!ExitRequested);
        // The exit button shows its Off image after the question.
        QCOMPARE(login.Exit_btn->tag(), QString("ExitButton_Off.jpg"));
        QTest::keyClick(&login, Qt::Key_Return);
        QCOMPARE(env.box.calls.size(), 1);
        login.unload();
    }

    void registrationTrimsAndRefusesWithMessages()
    {
        TwoCourses course;
        auto& [b, env, main] = course;
        addAnn(env);
        UserLogin::instance();
        NewUserLogin& reg = NewUserLogin::instance();
        reg.InitNewUserForm();
        reg.showModeless(&main);
        QVERIFY(QTest::qWaitForWindowActive(&reg));
        QTest::qWait(150);
        QVERIFY(!reg.SignIn_Btn->isEnabled());
        QCOMPARE(reg.Label2[1]->foreColor(), kGrey);

        reg.LoginBox->setText("Ann   ");
        reg.LastNameBox->setText("Bee");
        reg.EMailBox->setText("ann@x.org");
        QTRY_VERIFY(reg.SignIn_Btn->isEnabled());
        reg.SignIn();
        QCOMPARE(reg.LoginBox->text(), QString("Ann")); // the box shows the trimmed name
        QCOMPARE(env.box.lastText(), GetResString(544)); // already registered: nothing written
        QCOMPARE(readAll(root(env) + "Ann Bee/User"), kAnnsDetails);

        reg.LoginBox->setText("Eve");
        reg.EMailBox->setText("eve\"@x.org");
        reg.SignIn();
        QCOMPARE(env.box.lastText(), GetResString(504));
        QCOMPARE(env.box.calls.last().title, GetResString(505));
        QCOMPARE(env.box.calls.last().style, int(vbExclamation));

        reg.LastNameBox->setText("B/d");
        reg.EMailBox->setText("eve@x.org");
        reg.SignIn();
        QCOMPARE(env.box.lastText(), GetResString(510));
        QVERIFY(NewUserLogin::loaded());

        // A registration that cannot write says why and where.
        reg.LastNameBox->setText("");
        testing::FailAtomicWrite(testing::AtomicStep::Open, EACCES);
        reg.SignIn();
        QCOMPARE(env.box.lastText(), GetResString(546) + "\nPermission denied: " + root(env) + "Eve /User");
        QVERIFY(NewUserLogin::loaded());

        reg.SignIn();
        QVERIFY(!NewUserLogin::loaded());
        QVERIFY(!UserLogin::loaded());
        QVERIFY(QFile::exists(root(env) + "Eve /User"));
        QCOMPARE(UserFirstName, QString("Eve"));
        QVERIFY(!main.Prev->isEnabled());
    }

    void welcomeTabCycleAndCloseQuestion()
    {
        TwoCourses course;
        auto& [b, env, main] = course;
        addAnn(env);
        Welcome& w = Welcome::instance();
        QString first, last, email;
        QVERIFY(w.InitWelcomeForm("Ann Bee", first, last, email));
        QCOMPARE(first + last + email, QString("AnnBeeann@x.org"));
        QCOMPARE(w.New_lbl_3->text(), QString("Ann Bee"));
        QVERIFY(QFile::exists(root(env) + "Ann Bee/Alpha"));
        w.showModeless(&main);
        QVERIFY(QTest::qWaitForWindowActive(&w));

        w.Exit_btn->setFocus();
        QTRY_VERIFY(w.Exit_btn->hasFocus());
        QTest::keyClick(w.Exit_btn, Qt::Key_Tab);
        QVERIFY(w.SignIn_Btn_2->hasFocus());
        QTest::keyClick(w.SignIn_Btn_2, Qt::Key_Tab);
        QVERIFY(w.New_Btn_3->hasFocus());
        QCOMPARE(w.Label2[1]->foreColor(), kBlack);
        // Switch ID passes the focus to Exit, not round to the background.
        QTest::keyClick(w.New_Btn_3, Qt::Key_Tab);
        QVERIFY(w.Exit_btn->hasFocus());

        env.box.answer(vbNo);
        w.close();
        QVERIFY(Welcome::loaded());
        QCOMPARE(env.box.lastText(), GetResString(124));
        env.box.answer(vbYes);
        w.close();
        QVERIFY(!Welcome::loaded());
        QVERIFY(ExitRequested);
    }

    // Until somebody signs in, a page shown is recorded for nobody: not for
    // the welcomed learner after Switch ID, nor after a failed sign-in.
    void switchIdAndFailedSignInLeaveNobodySignedIn()
    {
        TwoCourses course;
        auto& [b, env, main] = course;
        addAnn(env);
        Welcome& w = Welcome::instance();
        QString first, last, email;
        QVERIFY(w.InitWelcomeForm("Ann Bee", first, last, email));
        const QByteArray annsFile = readAll(root(env) + "Ann Bee/Alpha");
        writeFile(root(env) + "No File/Beta", "");

        // Switch ID, then the sign-in closed by its close box.
        qmtest::WhenFormShown("UserLogin", [](Form& login) { login.close(); });
        w.SwitchId();
        QVERIFY(!UserLogin::loaded());
        QVERIFY(UserFirstName.isEmpty() && UserLastName.isEmpty() && UserEmail.isEmpty());
        GoToNextPage();
        QCOMPARE(PageList().GetCurrentPageName(), QString("0002.txm"));
        QCOMPARE(readAll(root(env) + "Ann Bee/Alpha"), annsFile);

        // A sign-in that cannot read the chosen learner leaves nobody signed in.
        UserFirstName = "Ann";
        UserLastName = "Bee";
        UserLogin& login = UserLogin::instance();
        login.UserName_Cmb_3->setCurrentIndex(login.UserName_Cmb_3->findText("No File"));
        login.SignIn();
        QVERIFY(env.box.lastText().startsWith(GetResString(548)));
        QVERIFY(UserFirstName.isEmpty() && UserLastName.isEmpty());
        login.unload();
        GoToNextPage();
        QCOMPARE(readAll(root(env) + "Ann Bee/Alpha"), annsFile);
        main.unload();
    }

    void changeOfCourseResumesASignedInLearner()
    {
        TwoCourses course;
        qmtest::TestEnvironment& env = course.env;
        addAnn(env);
        UserFirstName = "Ann";
        UserLastName = "Bee";
        writeFile(root(env) + "Ann Bee/Alpha", "\"AAA002\",\"0002.txm\"\r\n");

        // The same course again: the main window reloads and resumes at the bookmark.
        bool progressShown = false;
        qmtest::WhenFormShown("Status", [&](Form& st) { progressShown = true; st.unload(); });
        StartChosenCourse(CurCourse, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        Form1* main = Form1::ifLoaded();
        QVERIFY(main && main->isVisible());
        QCOMPARE(CurrentModule().Code, QString("AAA002"));
        QCOMPARE(PageList().GetCurrentPageName(), QString("0002.txm"));
        QCOMPARE(main->Label1->text(), QString("Alpha two : A2 2"));
        QVERIFY(progressShown);

        // A course never opened: a course file at module 0, first page.
        StartChosenCourse(1, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        QCOMPARE(readAll(root(env) + "Ann Bee/Beta"),
                 QByteArray("\"BBB001\",\"0001.txm\"\r\n\"BBB001\",\"_B1 1_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        QCOMPARE(Form1::ifLoaded()->CourseNameLbl->text(), QString("Beta"));
    }
};

QTEST_MAIN(SignInWindowsTest)
#include "test_sign_in_windows.moc"
