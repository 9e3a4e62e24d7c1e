#include "StoreFixture.h"
#include "platform/AtomicFile.h"
#include "users/UserFiles.h"

#include <QtTest>

#include <cerrno>

using namespace qm;
using namespace storetest;

class UserFilesTest : public QObject {
    Q_OBJECT

private slots:
    void userListHoldsOnlyFolders()
    {
        qmtest::TestEnvironment env;
        QStringList names{"stale"};
        qint16 count = 7;
        GetUserList(names, count); // no root yet
        QCOMPARE(count, qint16(0));
        QVERIFY(names.isEmpty());

        for (const char* folder : {"zoe Park", "Ann Lee", ".Dot Name"}) WriteBytes(UserFilePath(folder), "x");
        WriteBytes(UserDataRootPath() + "/notes.txt", "x");
        GetUserList(names, count);
        QCOMPARE(names, (QStringList{".Dot Name", "Ann Lee", "zoe Park"}));
        QCOMPARE(count, qint16(3));
    }

    void createUserProfileWritesFoldersAndUserFile()
    {
        qmtest::TestEnvironment env;
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
        const QString root = env.dataHome() + "/Veltrane Quillmark 1.0/UserData";
        QCOMPARE(ReadBytes(root + "/Ann Lee/User"), QByteArray("\"Ann\",\"Lee\",\"ann@example.org\"\r\n"));
        QCOMPARE(UserFirstName + "|" + UserLastName + "|" + UserEmail, QString("Ann|Lee|ann@example.org"));

        // An existing folder is reused; an empty last name leaves the blank.
        QVERIFY(CreateUserProfile("Ann", "Lee", "new@example.org"));
        QVERIFY(ReadBytes(root + "/Ann Lee/User").contains("new@example.org"));
        QVERIFY(CreateUserProfile("Bo", "", "bo@example.org"));
        QVERIFY(QFileInfo(root + "/Bo /User").isFile());
        QVERIFY(FileExists(root + "/Bo /User"));
        QVERIFY(!FileExists(root + "/Bo "));

        // AppDrive, once set, is the root of the store.
        AppDrive = env.dataHome() + "/drive/";
        QVERIFY(CreateUserProfile("Cy", "Ng", "cy@example.org"));
        QVERIFY(QFileInfo(env.dataHome() + "/drive/Veltrane Quillmark 1.0/UserData/Cy Ng/User").isFile());
    }

    void createUserProfileRefusesUnsafeItems()
    {
        qmtest::TestEnvironment env;
        QString error;
        QVERIFY(!CreateUserProfile("Ann/..", "Lee", "a@b.c", &error));
        QVERIFY(!CreateUserProfile("Ann", "Lee\n", "a@b.c"));
        QVERIFY(!CreateUserProfile("Ann", "Lee", "a\"@b.c"));
        QVERIFY(!error.isEmpty());
        QVERIFY(UserFirstName.isEmpty());
        QVERIFY(!QFileInfo::exists(ProductFolderPath()));

        // A plain file where the folder should be is reported, not crashed on.
        WriteBytes(UserFolderPath("Ann Lee"), "x");
        QVERIFY(!CreateUserProfile("Ann", "Lee", "a@b.c", &error));
        QVERIFY(error.contains("Ann Lee"));
        QVERIFY(UserFirstName.isEmpty());
    }

    void readUserFile()
    {
        qmtest::TestEnvironment env;
        QString first, last, email, error;
        WriteBytes(UserFilePath("Ann Lee"), "\"Ann\",\"Lee\",\"a@b.c\",\"\",\"\"\r\n");
        QVERIFY(ReadUserFile("Ann Lee", first, last, email));
        QCOMPARE(first + "|" + last + "|" + email, QString("Ann|Lee|a@b.c"));

        QDir().mkpath(UserFolderPath("No File"));
        QVERIFY(!ReadUserFile("No File", first, last, email, &error));
        QVERIFY(error.startsWith("File not found"));
        WriteBytes(UserFilePath("Empty One"), "");
        QVERIFY(!ReadUserFile("Empty One", first, last, email, &error));
        QVERIFY(error.contains("incomplete"));
        // Names that are not the folder's give way to the folder name, so the
        // progress goes on into this folder.
        WriteBytes(UserFilePath("New Mary Name"), "\"Old\",\"Name\",\"o@b.c\"\r\n");
        QVERIFY(ReadUserFile("New Mary Name", first, last, email));
        QCOMPARE(first + "|" + last + "|" + email, QString("New|Mary Name|o@b.c"));
        WriteBytes(UserFilePath("Blankless"), "\"Ann\",\"Lee\"\r\n");
        QVERIFY(!ReadUserFile("Blankless", first, last, email, &error));
        QVERIFY(error.contains("another learner"));
        QCOMPARE(first, QString("New"));
        // A file without the e-mail item still names its learner.
        WriteBytes(UserFilePath("Bo Ng"), "\"Bo\",\"Ng\"");
        QVERIFY(ReadUserFile("Bo Ng", first, last, email));
        QCOMPARE(email, QString());
    }

    void updateUserProfile()
    {
        qmtest::TestEnvironment env;
        QVERIFY(!UpdateUserProfile("Ann", "Lee", "a@b.c")); // nobody signed in
        QVERIFY(CreateUserProfile("Ann", "Lee", "a@b.c"));
        WriteBytes(UserFolderPath("Ann Lee") + "/Safety", "\"SAF001\",\"0001.txm\"\r\n");

        // Unchanged names: five items, same folder, new e-mail.
        QVERIFY(UpdateUserProfile("Ann", "Lee", "ann@b.c"));
        QCOMPARE(ReadBytes(UserFilePath("Ann Lee")), QByteArray("\"Ann\",\"Lee\",\"ann@b.c\",\"\",\"\"\r\n"));
        QCOMPARE(UserEmail, QString("ann@b.c"));

        // New names move the folder with its course files.
        QVERIFY(UpdateUserProfile("Anne", "Lee-Park", "ann@b.c"));
        QVERIFY(!QFileInfo::exists(UserFolderPath("Ann Lee")));
        QCOMPARE(ReadBytes(UserFilePath("Anne Lee-Park")),
                 QByteArray("\"Anne\",\"Lee-Park\",\"ann@b.c\",\"\",\"\"\r\n"));
        QVERIFY(FileExists(UserFolderPath("Anne Lee-Park") + "/Safety"));
        QCOMPARE(CurrentUserFolderName(), QString("Anne Lee-Park"));

        // Names of another learner: both folders stay as they were.
        const QByteArray other = "\"Bo\",\"Ng\",\"bo@b.c\"\r\n";
        WriteBytes(UserFilePath("Bo Ng"), other);
        const QByteArray mine = ReadBytes(UserFilePath("Anne Lee-Park"));
        QString error;
        QVERIFY(!UpdateUserProfile("Bo", "Ng", "x@y.z", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadBytes(UserFilePath("Anne Lee-Park")), mine);
        QCOMPARE(ReadBytes(UserFilePath("Bo Ng")), other);
        QCOMPARE(UserFirstName + " " + UserLastName + " " + UserEmail, QString("Anne Lee-Park ann@b.c"));

        // A rename that fails changes nothing, in memory either.
        testing::FailFolderRename();
        QVERIFY(!UpdateUserProfile("Dee", "Lee", "dee@b.c"));
        QCOMPARE(UserFirstName + " " + UserLastName + " " + UserEmail, QString("Anne Lee-Park ann@b.c"));
        QCOMPARE(ReadBytes(UserFilePath("Anne Lee-Park")), mine);

        // A folder that cannot get its old name back keeps its learner.
        testing::FailAtomicWrite(testing::AtomicStep::Rename, EIO);
        testing::FailFolderRename(1);
        QVERIFY(!UpdateUserProfile("Cy", "Lee", "cy@b.c"));
        testing::ClearAtomicWriteFaults();
        QCOMPARE(GetUserList(), (QStringList{"Bo Ng", "Cy Lee"}));
        QCOMPARE(CurrentUserFolderName(), QString("Cy Lee"));

        QVERIFY(IsNameRegistered("bo", "NG"));
        QVERIFY(!IsNameRegistered("Bo", "Ng", "Bo Ng"));
        QVERIFY(!IsNameRegistered("Cy", "Ng"));
    }
};

QTEST_GUILESS_MAIN(UserFilesTest)
#include "test_user_files.moc"
