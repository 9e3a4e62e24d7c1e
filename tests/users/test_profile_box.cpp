#include "StoreFixture.h"
#include "support/ModalDriver.h"
#include "platform/QuotedItems.h"
#include "ui/Controls.h"
#include "ui/UiText.h"
#include "users/ProfileBox.h"
#include "users/UserFiles.h"

#include <QLineEdit>
#include <QtTest>

using namespace qm;

namespace {

QString userFileText(const QString& folder)
{
    QFile f(UserFilePath(folder));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Fills the editor as ShowProfileBox does, then types over the fields.
ProfileBox& editor(const QString& first, const QString& last, const QString& email)
{
    ProfileBox& box = ProfileBox::instance();
    box.FirstNameField->setText(first);
    box.LastNameField->setText(last);
    box.EmailField->setText(email);
    return box;
}

} // namespace

class ProfileBoxTest : public QObject {
    Q_OBJECT
private slots:
    void refusedInputKeepsTheWindowAndWritesNothing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("title");
        QTest::newRow("empty last name") << "Ann" << "" << "a@b.c" << 502 << 503;
        QTest::newRow("blanks only") << "   " << "Lee" << "a@b.c" << 500 << 501;
        QTest::newRow("refused character") << "Ann" << "L:ee" << "a@b.c" << 510 << 511;
        QTest::newRow("malformed e-mail") << "Ann" << "Lee" << "a@bc" << 504 << 505;
        QTest::newRow("another learner's name") << "bob " << "BROWN" << "a@b.c" << 545 << 501;
        QTest::newRow("too long for a folder") << QString(100, QChar(0x20AC)) << "Lee" << "a@b.c" << 601 << 501;
    }

    void refusedInputKeepsTheWindowAndWritesNothing()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, email);
        QFETCH(int, text);
        QFETCH(int, title);
        qmtest::TestEnvironment env;
        QVERIFY(CreateUserProfile("Bob", "Brown", "bob@b.c"));
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@b.c"));
        const QString bobBefore = userFileText("Bob Brown"), annBefore = userFileText("Ann Lee");
        ProfileBox& box = editor(first, last, email);
        QVERIFY(!box.OkayBut_Click());
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.calls[0].text, GetResString(text));
        QCOMPARE(env.box.calls[0].title, GetResString(title));
        QCOMPARE(env.box.calls[0].style, int(vbExclamation));
        QVERIFY(ProfileBox::loaded());
        QCOMPARE(userFileText("Bob Brown"), bobBefore);
        QCOMPARE(userFileText("Ann Lee"), annBefore);
        QCOMPARE(UserFirstName, QString("Ann"));
        QCOMPARE(GetUserList(), (QStringList{"Ann Lee", "Bob Brown"}));
    }

    // The editor opens on the stored details, so OK without typing keeps them.
    void opensOnTheStoredDetails()
    {
        qmtest::TestEnvironment env;
        QVERIFY(CreateUserProfile("Ann", "Lee", "stored@b.c"));
        QStringList shown;
        qmtest::WhenFormShown("ProfileBox", [&](Form& form) {
            auto& box = static_cast<ProfileBox&>(form);
            shown = QStringList{box.FirstNameField->text(), box.LastNameField->text(), box.EmailField->text()};
            if (!box.OkayBut_Click()) box.CancelBut_Click();
        });
        ShowProfileBox();
        QCOMPARE(shown, (QStringList{"Ann", "Lee", "stored@b.c"}));
        QCOMPARE(userFileText("Ann Lee"), QString("\"Ann\",\"Lee\",\"stored@b.c\",\"\",\"\"\r\n"));
    }

    void okRewritesTheFileAndRenamesTheFolder()
    {
        qmtest::TestEnvironment env;
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@b.c"));

        // Unchanged: five items, same folder.
        QVERIFY(editor("Ann", "Lee", "ann@b.c").OkayBut_Click());
        QCOMPARE(userFileText("Ann Lee"), QString("\"Ann\",\"Lee\",\"ann@b.c\",\"\",\"\"\r\n"));
        QVERIFY(!ProfileBox::ifLoaded()->isVisible());

        // Only the e-mail address: the folder keeps its name.
        QVERIFY(editor("Ann", "Lee", "new@b.c").OkayBut_Click());
        QCOMPARE(UserEmail, QString("new@b.c"));
        QCOMPARE(GetUserList(), QStringList{"Ann Lee"});

        // A change of letter case alone is the learner's own folder.
        QVERIFY(editor("ann", "LEE  ", "new@b.c").OkayBut_Click());
        QCOMPARE(GetUserList(), QStringList{"ann LEE"});
        QCOMPARE(UserLastName, QString("LEE"));
        QVERIFY(userFileText("ann LEE").startsWith("\"ann\",\"LEE\""));
        QVERIFY(env.box.calls.isEmpty());

        // Cancel writes nothing and unloads the window.
        editor("Zed", "Zee", "z@b.c").CancelBut_Click();
        QVERIFY(!ProfileBox::loaded());
        QCOMPARE(GetUserList(), QStringList{"ann LEE"});
    }

    void aFailedUpdateIsReportedAndChangesNothing()
    {
        qmtest::TestEnvironment env;
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@b.c"));
        const QString before = userFileText("Ann Lee");
        // A stray file, not a learner, holds the new folder name.
        QFile stray(UserFolderPath("Anne Lee"));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();
        ProfileBox& box = editor("Anne", "Lee", "ann@b.c");
        QVERIFY(!box.OkayBut_Click());
        QVERIFY(box.isLoaded());
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.calls[0].text.startsWith(GetResString(546)));
        QCOMPARE(env.box.calls[0].title, GetResString(547));
        QCOMPARE(userFileText("Ann Lee"), before);
        QCOMPARE(UserFirstName, QString("Ann"));
    }
};

QTEST_MAIN(ProfileBoxTest)
#include "test_profile_box.moc"
