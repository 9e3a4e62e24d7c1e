#pragma once
#include <QString>
#include <QStringList>

namespace qm {

// True when path names an existing file (a folder does not count).
bool FileExists(const QString& path);

// Creates the product folder, the user-data root and the learner's folder as
// far as they are missing (an existing folder is reused), writes the User file
// (first, last, e-mail) and makes the learner the current one. A new folder
// is made under a temporary name and takes the learner's name only once its
// User file is whole; a folder of that name holding no User file (left by a
// registration killed half-way) is replaced. Refuses names
// that cannot be a folder name or items that would not read back. On failure
// returns false with the reason in error; the current learner is unchanged.
bool CreateUserProfile(const QString& firstName, const QString& lastName, const QString& email,
                       QString* error = nullptr);

// The learner folders of the user-data root, in name order without regard to
// case. Plain files, the folders of unfinished registrations and folders
// holding nothing but leftovers of an unwritten User file (or nothing at all)
// are ignored. Empty when the root does not exist.
void GetUserList(QStringList& names, qint16& count);
QStringList GetUserList();

// True when an existing learner folder other than exceptFolder has the name
// first & " " & last, compared without regard to case (on the system the data
// was first kept on, such names were one folder). Only folders GetUserList
// lists count.
bool IsNameRegistered(const QString& firstName, const QString& lastName,
                      const QString& exceptFolder = QString());

// Gives the current learner's folder the new name, then rewrites its User file
// with five items (first, last, e-mail, "", ""). Nothing is changed when
// nobody is signed in, the names are refused, a folder of the new name already
// exists (one holding no User file gives way), or the rename fails; when the User file cannot be written the folder
// gets its old name back (should that fail too, the current learner takes the
// new names, as the folder has them). Unchanged names skip the rename. Returns
// false with the reason.
bool UpdateUserProfile(const QString& firstName, const QString& lastName, const QString& email,
                       QString* error = nullptr);

// Removes the temporary files that writes killed half-way left in the
// learner's folder: "<name>:XXXXXX" beside the User file or a course file
// (of the catalogue or present in the folder). No other file is ever removed.
// Call it at sign-in, when no write of that learner can be under way.
void RemoveStaleTemporaryFiles(const QString& folderName);

// Removes the folders that registrations killed before the learner's folder
// took its name left in the user-data root. Call it when no registration can
// be under way.
void RemoveUnfinishedRegistrations();

// Reads the first three items of a learner folder's User file. Returns false
// with the reason when the file is missing, unreadable or holds fewer than two
// items. A missing e-mail item reads as empty. When the names are not the
// folder's (a profile change stopped between the folder's rename and the
// User file's rewrite), the folder name wins: the first name is the text
// before its first blank, the last name the rest, so that the learner's
// progress goes on into this folder; a folder name without a blank is refused.
bool ReadUserFile(const QString& folderName, QString& firstName, QString& lastName, QString& email,
                  QString* error = nullptr);

} // namespace qm
