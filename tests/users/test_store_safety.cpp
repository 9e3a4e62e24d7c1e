#include "StoreFixture.h"
#include "content/PageView.h"
#include "platform/AtomicFile.h"
#include "platform/QuotedItems.h"
#include "ui/UiText.h"
#include "users/LearnerText.h"
#include "users/ProgressNotice.h"
#include "users/ProgressRecords.h"
#include "users/Registration.h"
#include "users/SignIn.h"
#include "users/UserFiles.h"
#include "viewer/Navigation.h"

#include <QtTest>

#include <cerrno>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace qm;
using namespace storetest;

class StoreSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void init() { StartProgressNoticeVisit(); }

    // Progress that cannot be written is said once a visit, with the file and
    // the reason; nobody signed in hears nothing.
    void failedProgressWriteIsSaidOncePerVisit()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        UpdateHeadingAndProgress();
        QVERIFY(env.box.calls.isEmpty());

        SignIn("Ann", "Lee");
        QDir().mkpath(CourseFile(0)); // a folder where the course file belongs
        UpdateHeadingAndProgress();
        GoToPage("0003.txm");
        UpdateHeadingAndProgress();
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().startsWith(GetResString(600)));
        QVERIFY(env.box.lastText().contains(CourseFile(0)));

        StartProgressNoticeVisit();
        UpdateHeadingAndProgress();
        QCOMPARE(env.box.calls.size(), 2);
    }

    void oversizedLearnerFileIsRefusedNotRewritten()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        WriteBytes(CourseFile(0), "\"SAF001\",\"0001.txm\"\r\n");
        QVERIFY(QFile::resize(CourseFile(0), kMaxLearnerFileBytes + 1));
        UpdateHeadingAndProgress();
        QCOMPARE(QFileInfo(CourseFile(0)).size(), kMaxLearnerFileBytes + 1);
        QVERIFY(env.box.lastText().contains("too large") && env.box.lastText().contains(CourseFile(0)));
    }

    // No save makes a course file the reader would refuse: the file stays
    // byte for byte, and the learner hears why once a visit.
    void aSaveThatWouldPassTheCapIsNotMade()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QByteArray bytes = "\"SAF001\",\"0001.txm\"\r\n\"SAF001\",\"_A_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        const QByteArray tail = "_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        bytes += "\"PAD001\",\"_";
        bytes += QByteArray(kMaxLearnerFileBytes - 2 - bytes.size() - tail.size(), 'x') + tail;
        WriteBytes(CourseFile(0), bytes);
        ReadCourseProgressFile(Progress);
        QCOMPARE(Progress.count(), 2); // two bytes under the cap reads

        GoToPage("0003.txm"); // topic B would add three
        UpdateHeadingAndProgress();
        GoToPage("0004.txm");
        UpdateHeadingAndProgress();
        QCOMPARE(ReadBytes(CourseFile(0)), bytes);
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().startsWith(GetResString(600)));
        QVERIFY(env.box.lastText().contains("too large") && env.box.lastText().contains(CourseFile(0)));
    }

    // Only names of the atomic writer's temporary form go; "<file>.XXXXXX"
    // may be a course file of another catalogue.
    void signInRemovesStaleTemporaryFiles()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
        const QDir folder(UserFolderPath("Ann Lee"));
        // "Gone" is a course no longer in the catalogue; "Other" has no file.
        const QStringList kept{"Safety.notes", "Other:AB12cd", "Safety:ABC", "Gone", "Gone.kept.txt",
                               "Safety.Level2", "User.x1Y2z3", "Gone.qwerty"};
        const QStringList stale{"User:x1Y2z3", "Safety:AbCdEf", "Gone:qwerty"};
        for (const QString& name : kept + stale) WriteBytes(folder.filePath(name), "x");
        QVERIFY(TakeLearnerFromFolder("Ann Lee", nullptr));
        for (const QString& name : stale) QVERIFY2(!folder.exists(name), qPrintable(name));
        for (const QString& name : kept) QVERIFY2(folder.exists(name), qPrintable(name));
    }

    // A profile change killed after any of its steps, or failing at any of
    // them, leaves one folder that signs in with every course file.
    void aStoppedProfileChangeKeepsTheLearnerAndEveryCourseFile()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}, {"Privacy", {"PRI001"}}});
        // How the change stops, and the folder it leaves.
        const std::vector<std::pair<std::function<void()>, QString>> stops{
            {[] { testing::KillAfterFileChanges(1); }, "Bob Jones"}, // folder renamed
            {[] { testing::KillAfterFileChanges(2); }, "Bob Jones"}, // User file being written
            {[] { testing::KillAfterFileChanges(3); }, "Bob Jones"}, // User file rewritten
            {[] { testing::FailFolderRename(); }, "Ann Lee"},
            {[] { testing::FailAtomicWrite(testing::AtomicStep::Rename, EIO); }, "Ann Lee"},
            {[] {
                 testing::FailAtomicWrite(testing::AtomicStep::Rename, EIO);
                 testing::FailFolderRename(1); // the old name cannot be given back
             },
             "Bob Jones"}};
        for (const auto& [stop, folder] : stops) {
            QDir(UserDataRootPath()).removeRecursively();
            QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
            for (int c = 0; c < 2; ++c)
                WriteBytes(CourseFile(c), QuotedItemLine({Courses[c].Modules[0].Code, "0002.txm"}).toUtf8());
            const pid_t child = ::fork();
            if (child == 0) {
                stop();
                UpdateUserProfile("Bob", "Jones", "bob@example.org");
                ::_exit(0);
            }
            QVERIFY(child > 0 && ::waitpid(child, nullptr, 0) == child);

            SignOutLearner();
            QCOMPARE(GetUserList(), QStringList{folder});
            QVERIFY(TakeLearnerFromFolder(folder, nullptr));
            QCOMPARE(CurrentUserFolderName(), folder);
            for (CurCourse = 0; CurCourse < 2; ++CurCourse) {
                QString code, page;
                QVERIFY(ReadCourseBookmark(folder, code, page));
                QCOMPARE(code, Courses[CurCourse].Modules[0].Code);
            }
            CurCourse = 0;
            const QStringList files = QDir(UserFolderPath(folder)).entryList(QDir::Files);
            QCOMPARE(files, (QStringList{"Privacy", "Safety", "User"}));
        }
    }

    // A registration killed after any of its steps, fresh or over a folder
    // that an earlier kill left with only a User leftover, leaves a learner
    // who signs in or a name that registers again, and nothing else.
    void aKilledRegistrationSignsInOrRegistersAgain()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        NoteShownPage("SAF001", "0001.txm");
        const auto entries = [](const QString& path) {
            return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        };
        for (const bool leftover : {false, true}) {
            bool finished = false;
            for (int step = 1; !finished; ++step) {
                QDir(ProductFolderPath()).removeRecursively();
                if (leftover) {
                    WriteBytes(UserFilePath("Ann Lee") + ":a1B2c3", "\"Ann\"");
                    QVERIFY(!TakeLearnerFromFolder("Ann Lee", nullptr));
                }
                const pid_t child = ::fork();
                if (child == 0) {
                    testing::KillAfterFileChanges(step);
                    RegisterLearner("Ann", "Lee", "ann@example.org");
                    ::_exit(0);
                }
                int status = 0;
                QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
                finished = WIFEXITED(status);

                SignOutLearner();
                if (TakeLearnerFromFolder("Ann Lee", nullptr)) {
                    EnsureCourseFile();
                } else {
                    QVERIFY2(CheckRegistration("Ann", "Lee", "a@example.org").ok(), qPrintable(QString::number(step)));
                    QVERIFY(RegisterLearner("Ann", "Lee", "a@example.org"));
                }
                QCOMPARE(GetUserList(), QStringList{"Ann Lee"});
                QCOMPARE(entries(UserDataRootPath()), QStringList{"Ann Lee"});
                QCOMPARE(entries(UserFolderPath("Ann Lee")), (QStringList{"Safety", "User"}));
                QString code, page;
                QVERIFY(ReadCourseBookmark("Ann Lee", code, page));
            }
        }
    }

    // Only what a killed registration left goes: the learner ".registration
    // Smith", a learner behind a link of the staging form and other learners'
    // empty folders stay; an empty folder is nobody and its name is free.
    void onlyRegistrationLeftoversAreTakenAway()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        const QDir root(UserDataRootPath());
        QVERIFY(CreateUserProfile(".registration", "Smith", "s@example.org"));
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
        WriteBytes(UserFilePath(".registration:Xy12Zz"), "\"Bo\",\"Ng\",\"b@example.org\"\r\n");
        QVERIFY(QFile::link("Ann Lee", root.filePath(".registration:Ab12Cd")));
        QVERIFY(root.mkdir("Bo Ng") && root.mkdir("Cy Lee") && root.mkdir("Dee Fox"));
        QCOMPARE(GetUserList(), (QStringList{".registration Smith", "Ann Lee"}));

        SignOutLearner();
        QVERIFY(TakeLearnerFromFolder(".registration Smith", nullptr));
        QVERIFY(FileExists(UserFilePath(".registration Smith")));
        QVERIFY(FileExists(UserFilePath("Ann Lee")));
        QVERIFY(!root.exists(".registration:Xy12Zz"));

        QVERIFY(CheckRegistration("Cy", "Lee", "c@example.org").ok());
        QVERIFY(RegisterLearner("Cy", "Lee", "c@example.org"));
        QVERIFY(root.exists("Bo Ng"));
        QVERIFY(UpdateUserProfile("Dee", "Fox", "d@example.org"));
        QCOMPARE(GetUserList(), (QStringList{".registration Smith", "Ann Lee", "Dee Fox"}));
    }

    // "José" typed composed or decomposed is one learner, stored composed; a
    // folder name must fit in 255 bytes.
    void registeredNamesAreOneFormAndFit()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        const QString composed("Jos\u00e9"), decomposed("Jose\u0301");
        const RegistrationCheck c = CheckRegistration(decomposed, decomposed, "j@example.org");
        QCOMPARE(c.firstName + c.lastName, composed + composed);
        QVERIFY(RegisterLearner(c.firstName, c.lastName, "j@example.org"));
        QCOMPARE(GetUserList(), QStringList{composed + ' ' + composed});
        QCOMPARE(CheckRegistration(decomposed, composed, "j@example.org").message.textId, 544);

        QVERIFY(CheckRegistration(QString(127, 'a'), QString(127, 'b'), "a@example.org").ok());
        const CheckMessage tooLong = CheckRegistration(QString(100, QChar(0x20AC)), "", "a@example.org").message;
        QCOMPARE(tooLong.textId, 601);
        QCOMPARE(tooLong.titleId, 501);
    }
};

QTEST_GUILESS_MAIN(StoreSafetyTest)
#include "test_store_safety.moc"
