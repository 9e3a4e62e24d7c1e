#include "StoreFixture.h"
#include "platform/AtomicFile.h"
#include "ui/UiText.h"
#include "users/LearnerText.h"
#include "users/ProgressNotice.h"
#include "users/ProgressRecords.h"
#include "users/Registration.h"
#include "users/SignIn.h"
#include "users/UserFiles.h"
#include "viewer/Navigation.h"

#include <QtTest>

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

    void oversizedLearnerFileIsRefused()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        SignIn("Ann", "Lee");
        QFile big(CourseFile(0));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write("\"SAF001\",\"0001.txm\"\r\n");
        QVERIFY(big.resize(kMaxLearnerFileBytes + 1));
        big.close();

        QString text, error;
        QVERIFY(!ReadLearnerText(CourseFile(0), text, &error));
        QVERIFY(error.contains("too large") && error.contains(CourseFile(0)));
        QVERIFY(text.isEmpty());
        // Not rewritten from what little could be read.
        UpdateHeadingAndProgress();
        QCOMPARE(QFileInfo(CourseFile(0)).size(), kMaxLearnerFileBytes + 1);
        QVERIFY(env.box.lastText().contains("too large"));
    }

    void signInRemovesStaleTemporaryFiles()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}, {"Fire", {"FIR001"}}});
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
        const QDir folder(UserFolderPath("Ann Lee"));
        const QStringList kept{"User", "Safety", "Safety.notes", "Other.AB12cd", "Safety.ABC", "Fire.kept.txt"};
        const QStringList stale{"User.x1Y2z3", "Safety.AbCdEf", "Fire.000000", "Gone.qwerty"};
        for (const QString& name : kept + stale)
            if (name != "User") WriteBytes(folder.filePath(name), "x");
        WriteBytes(folder.filePath("Gone"), "x"); // a course no longer in the catalogue
        SignOutLearner();

        QVERIFY(TakeLearnerFromFolder("Ann Lee", nullptr));
        QStringList expected = kept + QStringList{"Gone"};
        expected.removeOne("Other.AB12cd"); // beside no file of its name: left alone
        for (const QString& name : stale) QVERIFY2(!folder.exists(name), qPrintable(name));
        for (const QString& name : expected) QVERIFY2(folder.exists(name), qPrintable(name));
        QVERIFY(folder.exists("Other.AB12cd"));
    }

    // "José" typed composed or decomposed is one learner, stored composed.
    void namesAreOneUnicodeForm()
    {
        qmtest::TestEnvironment env;
        SetCourses({{"Safety", {"SAF001"}}});
        SetPages();
        const QString composed = QString::fromUtf8("Jos\u00e9");
        const QString decomposed = QString::fromUtf8("Jose\u0301");
        RegistrationCheck c = CheckRegistration(decomposed, decomposed, "j@example.org");
        QVERIFY(c.ok());
        QCOMPARE(c.firstName, composed);
        QCOMPARE(c.lastName, composed);
        QVERIFY(RegisterLearner(c.firstName, c.lastName, "j@example.org"));
        QCOMPARE(GetUserList(), QStringList{composed + ' ' + composed});
        QCOMPARE(CheckRegistration(composed, composed, "j@example.org").message.textId, 544);
        QCOMPARE(CheckRegistration(decomposed, composed, "j@example.org").message.textId, 544);
    }

    void folderNameOver255BytesIsRefused()
    {
        qmtest::TestEnvironment env;
        // 100 three-byte letters and a blank: 301 bytes as a folder name.
        const QString longName(100, QChar(0x20AC));
        RegistrationCheck c = CheckRegistration(longName, "", "a@example.org");
        QCOMPARE(c.message.textId, 601);
        QCOMPARE(c.message.titleId, 501);
        QVERIFY(!c.message.text().isEmpty());
        QVERIFY(CheckRegistration(QString(127, 'a'), QString(127, 'b'), "a@example.org").ok()); // 255 bytes
        QCOMPARE(CheckRegistration(QString(127, 'a'), QString(128, 'b'), "a@example.org").message.textId, 601);
    }
};

QTEST_GUILESS_MAIN(StoreSafetyTest)
#include "test_store_safety.moc"
