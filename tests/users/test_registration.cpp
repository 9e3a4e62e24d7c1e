#include "StoreFixture.h"
#include "platform/AtomicFile.h"
#include "users/ProfileCheck.h"
#include "users/Registration.h"
#include "users/UserFiles.h"

#include <QtTest>

using namespace qm;
using namespace storetest;

class RegistrationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { testing::ClearAtomicWriteFaults(); }

    void registrationChecksInOrder()
    {
        qmtest::TestEnvironment env;
        RegistrationCheck c = CheckRegistration("Ann  ", "Lee ", "ann@example.org");
        QVERIFY(c.ok());
        QCOMPARE(c.firstName + "|" + c.lastName, QString("Ann|Lee"));

        // Blanks only would leave no first name; refused as a leading blank.
        c = CheckRegistration("   ", "Lee", "ann@example.org");
        QCOMPARE(c.message.textId, 500);
        QCOMPARE(c.firstName, QString());

        // A failed first-name check leaves the last name untrimmed.
        c = CheckRegistration("A*n ", "Lee  ", "bad");
        QCOMPARE(c.message.textId, 510);
        QCOMPARE(c.firstName + "|" + c.lastName, QString("A*n|Lee  "));

        c = CheckRegistration("Ann", " Lee", "bad");
        QCOMPARE(c.message.textId, 500);
        c = CheckRegistration("Ann", "Le\te", "ann@example.org");
        QCOMPARE(c.message.textId, 510);
        c = CheckRegistration("Ann", "", "ann\"@example.org");
        QCOMPARE(c.message.textId, 504);
        QCOMPARE(c.message.titleId, 505);
        QVERIFY(CheckRegistration("Ann", "", "ann@example.org").ok());
    }

    void alreadyRegisteredNameIsRefused()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
        const QByteArray course = "\"SAF001\",\"0004.txm\"\r\n\"SAF001\",\"_A__C_\",\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        WriteBytes(UserFolderPath("Ann Lee") + "/Safety", course);
        UserFirstName.clear();
        UserLastName.clear();

        for (const char* first : {"Ann", "ann ", "ANN"}) {
            const RegistrationCheck c = CheckRegistration(first, "Lee", "other@example.org");
            QCOMPARE(c.message.textId, 544);
            QCOMPARE(c.message.titleId, 501);
            QVERIFY(c.message.text().contains("already registered"));
        }
        QCOMPARE(ReadBytes(UserFolderPath("Ann Lee") + "/Safety"), course);
        QVERIFY(CheckRegistration("Ann", "Leeds", "ann@example.org").ok());
    }

    void registerLearnerCreatesFiles()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001", "SAF002"}}});
        SetPages();
        CurModule = 1;
        GoToPage("0003.txm");
        QVERIFY(RegisterLearner("Ann", "Lee", "ann@example.org"));
        QCOMPARE(ReadBytes(UserFilePath("Ann Lee")), QByteArray("\"Ann\",\"Lee\",\"ann@example.org\"\r\n"));
        QCOMPARE(ReadBytes(UserFolderPath("Ann Lee") + "/Safety"),
                 QByteArray("\"SAF002\",\"0003.txm\"\r\n\"SAF002\",\"_B_\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        QCOMPARE(CurrentUserFolderName(), QString("Ann Lee"));

        // Nothing open, nothing written.
        Courses.clear();
        QString error;
        QVERIFY(!RegisterLearner("Bo", "Ng", "bo@example.org", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(UserFolderPath("Bo Ng")));
    }

    // Whichever write fails, the learner is not signed in, nothing of theirs is
    // left behind and the same registration then goes through.
    void failedRegistrationTakesEverythingBack_data()
    {
        QTest::addColumn<int>("failingWrite");
        QTest::newRow("User file") << 0;
        QTest::newRow("bookmark") << 1;
        QTest::newRow("first record") << 2;
        QTest::newRow("folder rename") << -1;
    }
    void failedRegistrationTakesEverythingBack()
    {
        QFETCH(int, failingWrite);
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        const auto fail = [failingWrite] {
            if (failingWrite < 0) testing::FailFolderRename();
            else testing::FailAtomicWrite(testing::AtomicStep::Write, ENOSPC, failingWrite);
        };
        fail();
        QVERIFY(!RegisterLearner("Ann", "Lee", "ann@example.org"));
        QVERIFY(CurrentUserFolderName().isEmpty() && UserEmail.isEmpty());
        QVERIFY(!QFileInfo::exists(ProductFolderPath()));

        // Beside another learner only the new folder goes; then a retry works.
        QVERIFY(CreateUserProfile("Bo", "Ng", "bo@example.org"));
        UserFirstName.clear();
        UserLastName.clear();
        fail();
        QVERIFY(!RegisterLearner("Ann", "Lee", "ann@example.org"));
        QCOMPARE(QDir(UserDataRootPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"Bo Ng"});
        QVERIFY(CheckRegistration("Ann", "Lee", "ann@example.org").ok());
        QVERIFY(RegisterLearner("Ann", "Lee", "ann@example.org"));
        QCOMPARE(CurrentUserFolderName(), QString("Ann Lee"));
    }

    void profileChecks()
    {
        qmtest::TestEnvironment env;
        QVERIFY(CreateUserProfile("Bo", "Ng", "bo@example.org"));
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));

        ProfileCheck c = CheckProfile("", "Lee", "ann@example.org");
        QCOMPARE(c.message.text(), QString("Error"));
        QCOMPARE(c.message.title(), QString("Veltrane Quillmark 1.0 [Run]"));
        QCOMPARE(CheckProfile("Ann", "Lee", "").message.textId, 502);
        QCOMPARE(CheckProfile("Ann", "", "ann@example.org").message.textId, 502);
        // Unlike registration, blanks only are refused before trimming.
        c = CheckProfile("Ann  ", "   ", "ann@example.org");
        QCOMPARE(c.message.textId, 500);
        QCOMPARE(c.firstName + "|" + c.lastName, QString("Ann|   "));
        QCOMPARE(CheckProfile("Ann", "L|ee", "ann@example.org").message.textId, 510);
        QCOMPARE(CheckProfile("Ann", "Lee", "ann@example").message.textId, 504);

        QVERIFY(CheckProfile("Ann ", "Lee", "new@example.org").ok());
        QVERIFY(CheckProfile("ANN", "LEE", "ann@example.org").ok()); // own folder, new case
        c = CheckProfile("bo", "Ng ", "ann@example.org");
        QCOMPARE(c.message.textId, 545);
        QCOMPARE(c.lastName, QString("Ng"));
    }
};

QTEST_GUILESS_MAIN(RegistrationTest)
#include "test_registration.moc"
