#include "users/Registration.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

RegistrationCheck CheckRegistration(const QString& firstName, const QString& lastName, const QString& email)
{
    RegistrationCheck check;
    // One form for every name, so that a name typed composed and decomposed
    // is one learner.
    check.firstName = TrimTrailingBlanks(StoredNameForm(firstName));
    check.lastName = StoredNameForm(lastName);
    // A first name of blanks only would leave the learner without a first
    // name, which the program takes for "nobody signed in".
    if (check.firstName.isEmpty()) {
        check.message = CheckMessage::of(MsgLeadingBlank);
        return check;
    }
    check.message = CheckNameText(check.firstName);
    if (!check.ok()) return check;

    check.lastName = TrimTrailingBlanks(check.lastName);
    check.message = CheckNameText(check.lastName);
    if (!check.ok()) return check;

    check.message = CheckEmailText(email);
    if (!check.ok()) return check;

    if (!FitsFolderName(check.firstName, check.lastName)) {
        check.message = CheckMessage::of(MsgNameTooLong);
        return check;
    }

    // Registering again would overwrite that learner's User file and course
    // file; a returning learner picks the name from the list instead.
    if (IsNameRegistered(check.firstName, check.lastName)) check.message = CheckMessage::of(MsgAlreadyRegistered);
    return check;
}

namespace {
// What the store held before a registration, so that a failed one can be
// taken back: folders it created and files it added are removed.
class RegistrationUndo {
public:
    explicit RegistrationUndo(const QString& folderName)
        : folders_{ProductFolderPath(), UserDataRootPath(), UserFolderPath(folderName)},
          first_(UserFirstName), last_(UserLastName), email_(UserEmail)
    {
        for (const QString& f : folders_) existed_.append(QFileInfo(f).isDir());
        if (existed_.last()) filesBefore_ = QDir(folders_.last()).entryList(QDir::Files | QDir::Hidden);
    }

    void takeBack()
    {
        if (!existed_.last()) {
            QDir(folders_.last()).removeRecursively();
        } else {
            const QDir dir(folders_.last());
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
                if (!filesBefore_.contains(name)) QFile::remove(dir.filePath(name));
        }
        for (int i = folders_.size() - 2; i >= 0; --i)
            if (!existed_[i]) QDir().rmdir(folders_[i]); // only when empty
        UserFirstName = first_;
        UserLastName = last_;
        UserEmail = email_;
    }

private:
    QStringList folders_;
    QVector<bool> existed_;
    QStringList filesBefore_;
    QString first_, last_, email_;
};
} // namespace

bool RegisterLearner(const QString& firstName, const QString& lastName, const QString& email, QString* error)
{
    if (!HasCurrentModule()) {
        if (error) *error = QStringLiteral("No module is open");
        return false;
    }
    // All or nothing: a half-made learner would be signed in with files that
    // lock the name out of a second try.
    RegistrationUndo undo(UserFolderName(firstName, lastName));
    const bool done = CreateUserProfile(firstName, lastName, email, error) && WriteUserBookmark(error)
                      && SaveProgressRecord(CurrentModule().Code, PageList().GetCurrentPageTopName(), firstName,
                                            lastName, {}, QString(), error);
    if (!done) undo.takeBack();
    return done;
}

} // namespace qm
