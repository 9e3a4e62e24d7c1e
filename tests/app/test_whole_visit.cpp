#include "app/CourseSelection.h"
#include "app/Globals.h"
#include "app/Main.h"
#include "app/SplashScreen.h"
#include "assessment/QuestionForm.h"
#include "assessment/Status.h"
#include "assessment/StatusWindow.h"
#include "assessment/TestReview.h"
#include "assessment/AnswerControls.h"
#include "content/LinkedList.h"
#include "platform/ProgramFolder.h"
#include "platform/TextControl.h"
#include "support/ModalDriver.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "users/NewUserLogin.h"
#include "users/UserLogin.h"
#include "users/Welcome.h"
#include "viewer/Form1.h"

#include <QComboBox>
#include <QProgressBar>
#include "ui/UiText.h"
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QUuid>
#include <QtTest>

using namespace qm;
using qmtest::LoadedForm;
using qmtest::WhenFormShown;

namespace {

QString learnerFolder(const qmtest::TestEnvironment& env, const QString& name)
{
    return env.dataHome() + "/Veltrane Quillmark 1.0/UserData/" + name;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A fresh start of the program on the shipped samples, choosing the first course.
void startAndChooseFirstCourse()
{
    ResetGlobals();
    SetProgramFolder(QM_PROGRAM_DIR);
    SetInstanceKey(QStringLiteral("qmvisit-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
    QVERIFY(Main());
    CourseSelection* chooser = CourseSelection::ifLoaded();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->CourseList->count(), 3);
    chooser->CourseList->setCurrentIndex(0);
    chooser->BeginSelectedCourse();
    QVERIFY(!CourseSelection::loaded());
    QVERIFY(SplashScreen::loaded());
    QCOMPARE(AllModulesMode, 0);
}

// Leaves whatever progress window opens after a sign-in.
void closeProgressWindowWhenShown()
{
    WhenFormShown(QStringLiteral("Status"), [](Form& f) { f.unload(); }, 3000);
}

} // namespace

class WholeVisitTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ReleaseRunningInstance(); }

    void registerReadExitAndResume()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        env.box.defaultYesNo = vbYes;

        // First start, nobody known: the sign-in window, then registration.
        bool sawLogin = false;
        WhenFormShown(QStringLiteral("UserLogin"), [&](Form& f) {
            auto& login = static_cast<UserLogin&>(f);
            sawLogin = true;
            QCOMPARE(login.UserName_Cmb_3->count(), 0);
            WhenFormShown(QStringLiteral("NewUserLogin"), [](Form& g) {
                auto& reg = static_cast<NewUserLogin&>(g);
                reg.LoginBox->setText(QStringLiteral("Ada  "));
                reg.LastNameBox->setText(QStringLiteral("Lovelace"));
                reg.EMailBox->setText(QStringLiteral("ada@example.org"));
                reg.SignIn();
            });
            login.Register();
        });
        startAndChooseFirstCourse();
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        QVERIFY(sawLogin);
        QVERIFY(!UserLogin::loaded());
        QVERIFY(!NewUserLogin::loaded());
        Form1* main = Form1::ifLoaded();
        QVERIFY(main && main->isVisible());
        QCOMPARE(UserFirstName, QString("Ada"));

        const QString folder = learnerFolder(env, "Ada Lovelace");
        QCOMPARE(readAll(folder + "/User"), QByteArray("\"Ada\",\"Lovelace\",\"ada@example.org\"\r\n"));
        QCOMPARE(readAll(folder + "/Office Safety"),
                 QByteArray("\"saf101\",\"0001.txm\"\r\n"
                            "\"saf101\",\"_Spotting hazards_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        QVERIFY(!main->Prev->isEnabled());

        // Reading three pages records them and moves the bookmark.
        main->NextPage();
        main->NextPage();
        main->NextPage();
        QCOMPARE(PageList().GetCurrentPageName(), QString("0004.txm"));
        QCOMPARE(main->Label1->text(), QString("Workplace Hazards : Slips, trips and falls"));
        QCOMPARE(readAll(folder + "/Office Safety"),
                 QByteArray("\"saf101\",\"0004.txm\"\r\n"
                            "\"saf101\",\"_Spotting hazards__Slips, trips and falls_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));

        // The module's test: the first answer wrong, the others right.
        main->NextPage();
        bool tookTest = false;
        WhenFormShown(QStringLiteral("QuestionForm"), [&](Form& f) {
            auto& q = static_cast<QuestionForm&>(f);
            tookTest = true;
            for (int i = 0; i < Questions.size(); ++i) {
                const QuestionRecord& question = Questions[i];
                for (int j = 0; j < question.Answers.size(); ++j) {
                    const bool right = question.Answers[j].Flag == QLatin1String("1");
                    const bool tick = i == 0 ? !right : right;
                    if (question.CorrectCount < 2) {
                        if (tick) q.Option1[j]->setChecked(true);
                    } else {
                        q.Check1[j]->setChecked(tick);
                    }
                }
                q.AnswerClicked(); // grade
                q.AnswerClicked(); // next question, or the summary
            }
            QVERIFY(q.Label7->text().startsWith(GetResString(135) + QString::number(Questions.size() - 1)));
            QVERIFY(q.Label1.size() >= 1 && q.Label1[0]->isVisible());
            // Follow the review link of the wrong answer, then go back to the test.
            WhenFormShown(QStringLiteral("TestReview"), [](Form& r) {
                auto& review = static_cast<TestReview&>(r);
                QCOMPARE(PageList().GetCurrentPageName(), QString("0001.txm"));
                WhenFormShown(QStringLiteral("QuestionForm"), [](Form& back) {
                    static_cast<QuestionForm&>(back).AnswerClicked(); // Close
                });
                review.Command1_Click();
            });
            q.Label1_Click(0);
        });
        main->NextPage();
        QVERIFY(tookTest);
        QTRY_VERIFY_WITH_TIMEOUT(!LoadedForm(QStringLiteral("QuestionForm")), 5000);
        QVERIFY(!LoadedForm(QStringLiteral("TestReview")));
        // Closing the test moves on into the next module.
        QCOMPARE(CurrentModule().Code, QString("saf102"));
        const int score = qRound(100.0 * 5 / 6);
        const QByteArray file = readAll(folder + "/Office Safety");
        QVERIFY2(file.contains(QStringLiteral("\"1\",\"%1\",\"011111\",\"2026-03-07\",\"%1\",\"011111\",\"2026-03-07\",\"%1\"")
                                   .arg(score).toUtf8()),
                 file.constData());

        // The progress window shows the result of the module.
        bool sawProgress = false;
        WhenFormShown(QStringLiteral("Status"), [&](Form& f) {
            auto& st = static_cast<Status&>(f);
            sawProgress = true;
            st.ShowModuleScores(0);
            QCOMPARE(st.Text1->text(), QString::number(score) + "%");
            QCOMPARE(st.Text2->text(), QString::number(score) + "%");
            QVERIFY(st.ccrpProgressBar1->value() > 0);
            st.unload();
        });
        ShowStatusForm();
        QVERIFY(sawProgress);

        // Exit with Yes.
        main->Exit_Course();
        QVERIFY(ExitRequested);
        QVERIFY(!Form1::loaded());
        ReleaseRunningInstance();

        // Second start: the one learner is welcomed back and resumes at the bookmark.
        bool sawWelcome = false;
        WhenFormShown(QStringLiteral("Welcome"), [&](Form& f) {
            auto& w = static_cast<Welcome&>(f);
            sawWelcome = true;
            QCOMPARE(w.Welcome_lbl_1->text(), QString("Ada Lovelace"));
            closeProgressWindowWhenShown();
            w.SignIn();
        });
        startAndChooseFirstCourse();
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        QVERIFY(sawWelcome);
        QVERIFY(!Welcome::loaded());
        main = Form1::ifLoaded();
        QVERIFY(main && main->isVisible());
        QCOMPARE(CurrentModule().Code, QString("saf102"));
        QCOMPARE(PageList().GetCurrentPageName(), QString("0001.txm"));
        QCOMPARE(main->Label1->text(), QString("Fire Safety : Preventing fires"));
        QVERIFY(main->Prev->isEnabled());
        QVERIFY(main->NextBtn->isEnabled());
        main->unload();
    }

    void exitFromTheSignInEndsTheVisit()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        env.box.answer(vbYes);
        WhenFormShown(QStringLiteral("UserLogin"), [](Form& f) { static_cast<UserLogin&>(f).ExitLogin(); });
        startAndChooseFirstCourse();
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        QVERIFY(ExitRequested);
        // The main window goes at its next poll.
        QTRY_VERIFY_WITH_TIMEOUT(!Form1::loaded(), 2000);
        QVERIFY(!QDir(env.dataHome() + "/Veltrane Quillmark 1.0").exists());
    }

    void allModulesEntrySetsTheMode()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        SetInstanceKey(QStringLiteral("qmvisit-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
        QVERIFY(Main());
        CourseSelection* chooser = CourseSelection::ifLoaded();
        QVERIFY(chooser);
        QCOMPARE(chooser->CourseList->itemText(2), QString("All modules"));
        WhenFormShown(QStringLiteral("UserLogin"), [](Form& f) { f.unload(); });
        chooser->CourseList->setCurrentIndex(2);
        chooser->BeginSelectedCourse();
        QCOMPARE(AllModulesMode, 1);
        QCOMPARE(CurCourse, qint16(2));
        Form1* main = Form1::ifLoaded();
        QVERIFY(main);
        QCOMPARE(main->CourseNameLbl->text(), QString("All modules"));
        QCOMPARE(CurrentCourse().Modules.size(), 5);
        QTRY_VERIFY_WITH_TIMEOUT(!SplashScreen::loaded(), 5000);
        main->unload();
    }
};

QTEST_MAIN(WholeVisitTest)
#include "test_whole_visit.moc"
