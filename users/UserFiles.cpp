#include "users/UserFiles.h"
#include "app/Globals.h"
#include "platform/AtomicFile.h"
#include "platform/QuotedItems.h"
#include "ui/NameChecks.h"
#include "users/LearnerText.h"
#include "users/UserPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace qm {
namespace {
void setError(QString* error, const QString& text)
{
    if (error) *error = text;
}

bool namesUsable(const QString& first, const QString& last, const QString& email, QString* error)
{
    if (IsRefusedNameText(first) || IsRefusedNameText(last)) {
        setError(error, QStringLiteral("The name cannot be used as a folder name"));
        return false;
    }
    if (email.contains('"') || HasControlChars(email)) {
        setError(error, QStringLiteral("The e-mail address cannot be stored"));
        return false;
    }
    return true;
}

const QString kUserFile = QStringLiteral("User");

// A registration makes the learner's folder whole under this name and then
// renames it into place, so that a kill never leaves a half-made learner
// under a learner's name. No learner name can hold the ":" of its suffix.
QString unfinishedRegistrationBase() { return UserDataRootPath() + QStringLiteral("/.registration"); }

bool isUnfinishedRegistration(const QString& entry)
{
    return IsAtomicWriteLeftover(entry, QStringLiteral(".registration"));
}

QStringList entriesOf(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// A folder holding nothing but a User file that never got written: what a
// registration killed half-way left before folders were made whole first.
// Nobody can sign in with it, so its name is free.
bool isAbandonedFolder(const QString& path)
{
    if (!QFileInfo(path).isDir()) return false;
    for (const QString& entry : entriesOf(path))
        if (!IsAtomicWriteLeftover(entry, kUserFile)) return false;
    return true;
}

// Removes the User file and the leftovers of its writes, then the folder;
// anything else in it keeps the folder where it is. A link is never followed.
void removeRegistrationRemains(const QString& path)
{
    if (QFileInfo(path).isSymLink()) return;
    const QDir dir(path);
    for (const QString& entry : entriesOf(path))
        if (entry == kUserFile || IsAtomicWriteLeftover(entry, kUserFile)) QFile::remove(dir.filePath(entry));
    QDir().rmdir(path);
}

// Clears what killed registrations left in the root: unfinished folders, and
// abandoned folders of the learner folder name (in any case of letters).
void removeAbandonedFolders(const QString& folderName)
{
    RemoveUnfinishedRegistrations();
    const QString wanted = StoredNameForm(folderName);
    for (const QString& entry : entriesOf(UserDataRootPath())) {
        const QString path = UserFolderPath(entry);
        if (StoredNameForm(entry).compare(wanted, Qt::CaseInsensitive) == 0 && isAbandonedFolder(path))
            removeRegistrationRemains(path);
    }
}

bool makeFolder(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.isDir()) return true;
    errno = 0;
    // mkpath: a fresh account may not have its data home folder yet.
    if (info.exists() || !QDir().mkpath(path)) {
        // mkpath stops at the mkdir that failed, whose errno says why.
        const QString why = errno ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("Path/File access error");
        setError(error, QStringLiteral("%1: %2").arg(why, path));
        return false;
    }
    return true;
}
} // namespace

void RemoveUnfinishedRegistrations()
{
    for (const QString& entry : entriesOf(UserDataRootPath()))
        if (isUnfinishedRegistration(entry) && QFileInfo(UserFolderPath(entry)).isDir())
            removeRegistrationRemains(UserFolderPath(entry));
}

bool FileExists(const QString& path)
{
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool CreateUserProfile(const QString& firstName, const QString& lastName, const QString& email, QString* error)
{
    if (!namesUsable(firstName, lastName, email, error)) return false;
    const QString folder = UserFolderName(firstName, lastName);
    if (!makeFolder(ProductFolderPath(), error) || !makeFolder(UserDataRootPath(), error)) return false;
    removeAbandonedFolders(folder);
    const QString path = UserFolderPath(folder);
    const QString userLine = QuotedItemLine({firstName, lastName, email});
    if (QFileInfo::exists(path)) {
        if (!makeFolder(path, error) || !WriteLearnerText(UserFilePath(folder), userLine, error)) return false;
    } else {
        const QString staged = CreateTemporaryFolder(unfinishedRegistrationBase(), error);
        if (staged.isEmpty()) return false;
        if (!WriteLearnerText(staged + '/' + kUserFile, userLine, error) || !RenameFolder(staged, path, error)) {
            // The learner knows the folder by its name, not by its passing one.
            if (error) error->replace(staged, path);
            removeRegistrationRemains(staged);
            return false;
        }
    }
    UserFirstName = firstName;
    UserLastName = lastName;
    UserEmail = email;
    return true;
}

QStringList GetUserList()
{
    const QDir root(UserDataRootPath());
    if (!root.exists()) return {};
    QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    // A folder with nothing of a learner in it (left empty by hand, or by a
    // killed registration) is nobody to sign in as, and its name is free.
    names.removeIf([](const QString& entry) {
        return isUnfinishedRegistration(entry) || isAbandonedFolder(UserFolderPath(entry));
    });
    return names;
}

void GetUserList(QStringList& names, qint16& count)
{
    names = GetUserList();
    count = qint16(names.size());
}

bool IsNameRegistered(const QString& firstName, const QString& lastName, const QString& exceptFolder)
{
    const QString wanted = StoredNameForm(UserFolderName(firstName, lastName));
    for (const QString& folder : GetUserList()) {
        if (folder == exceptFolder) continue;
        if (StoredNameForm(folder).compare(wanted, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

bool UpdateUserProfile(const QString& firstName, const QString& lastName, const QString& email, QString* error)
{
    const QString oldFolder = CurrentUserFolderName();
    if (!UserFolderExists(oldFolder)) {
        setError(error, QStringLiteral("No learner is signed in"));
        return false;
    }
    if (!namesUsable(firstName, lastName, email, error)) return false;
    const QString newFolder = UserFolderName(firstName, lastName);
    const bool rename = newFolder != oldFolder;
    const QString newPath = UserFolderPath(newFolder);
    if (rename) removeAbandonedFolders(newFolder);
    if (rename && QFileInfo::exists(newPath)) {
        setError(error, QStringLiteral("File already exists: %1").arg(newPath));
        return false;
    }

    // The folder takes the new name first and the User file follows. A kill
    // in between leaves the renamed folder with a User file of the old names,
    // which ReadUserFile accepts, so the learner keeps every course file.
    if (rename && !RenameFolder(UserFolderPath(oldFolder), newPath, error)) return false;
    if (!WriteLearnerText(UserFilePath(newFolder), QuotedItemLine({firstName, lastName, email, QString(), QString()}),
                          error)) {
        // When the old name cannot be given back, the learner goes on in the
        // folder as it is now named.
        if (rename && !RenameFolder(newPath, UserFolderPath(oldFolder))) {
            UserFirstName = firstName;
            UserLastName = lastName;
        }
        return false;
    }
    UserFirstName = firstName;
    UserLastName = lastName;
    UserEmail = email;
    return true;
}

void RemoveStaleTemporaryFiles(const QString& folderName)
{
    if (!UserFolderExists(folderName)) return;
    const QDir dir(UserFolderPath(folderName));
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    QStringList bases{QStringLiteral("User")};
    for (const CourseRecord& course : Courses) bases.append(course.Name);
    for (const QString& name : files) {
        const QString base = name.chopped(qMin(name.size(), 7));
        if ((bases.contains(base) || files.contains(base)) && IsAtomicWriteLeftover(name, base))
            QFile::remove(dir.filePath(name));
    }
}

bool ReadUserFile(const QString& folderName, QString& firstName, QString& lastName, QString& email, QString* error)
{
    QString text;
    if (!ReadLearnerText(UserFilePath(folderName), text, error)) return false;
    QuotedItemReader reader(text);
    QStringList items;
    reader.read(3, items);
    if (items.size() < 2) {
        setError(error, QStringLiteral("The User file is incomplete: %1").arg(UserFilePath(folderName)));
        return false;
    }
    if (UserFolderName(items[0], items[1]) != folderName) {
        // The folder was given new names and the User file was not rewritten
        // yet (a profile change that stopped half-way). The folder name is the
        // learner's: the progress must go on into this folder.
        const qsizetype blank = folderName.indexOf(' ');
        if (blank <= 0) {
            setError(error, QStringLiteral("The User file names another learner: %1").arg(UserFilePath(folderName)));
            return false;
        }
        items[0] = folderName.left(blank);
        items[1] = folderName.mid(blank + 1);
    }
    firstName = items[0];
    lastName = items[1];
    email = items.value(2);
    return true;
}

} // namespace qm
