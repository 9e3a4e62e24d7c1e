#pragma once
#include <QString>

namespace qm {

// Where the user store keeps its files. All paths are built from the data
// root: AppDrive when it is set, else the XDG data home, followed by
// "Veltrane Quillmark 1.0/UserData". Learner files use exact names.

QString ProductFolderPath();   // <root>/Veltrane Quillmark 1.0
QString UserDataRootPath();    // <root>/Veltrane Quillmark 1.0/UserData

// A learner's folder name: first name, one blank, last name.
QString UserFolderName(const QString& firstName, const QString& lastName);

// The Unicode form (NFC) in which names are stored and compared.
QString StoredNameForm(const QString& name);

// Whether the folder name of these names fits the file system's 255 bytes.
bool FitsFolderName(const QString& firstName, const QString& lastName);
// The signed-in learner's folder name; empty when nobody is signed in.
QString CurrentUserFolderName();

QString UserFolderPath(const QString& folderName);
// The User file and the course file of Courses[courseIndex]; empty when the
// folder name is empty, the index is out of range or the course's name cannot
// name a course file (IsUsableCourseName).
QString UserFilePath(const QString& folderName);
QString CourseFilePath(const QString& folderName, int courseIndex);

// True when the learner folder exists as a folder (not a file).
bool UserFolderExists(const QString& folderName);

} // namespace qm
