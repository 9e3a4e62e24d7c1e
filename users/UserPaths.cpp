#include "users/UserPaths.h"
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/ContentName.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>

namespace qm {
namespace {
QString dataDrive()
{
    QString root = AppDrive.isEmpty() ? DataHomeRoot() : AppDrive;
    if (!root.endsWith('/')) root += '/';
    return root;
}
} // namespace

QString ProductFolderPath() { return dataDrive() + QStringLiteral("Veltrane Quillmark 1.0"); }

QString UserDataRootPath() { return ProductFolderPath() + QStringLiteral("/UserData"); }

QString UserFolderName(const QString& firstName, const QString& lastName)
{
    return firstName + ' ' + lastName;
}

QString StoredNameForm(const QString& name) { return name.normalized(QString::NormalizationForm_C); }

bool FitsFolderName(const QString& firstName, const QString& lastName)
{
    return UserFolderName(firstName, lastName).toUtf8().size() <= 255;
}

QString CurrentUserFolderName()
{
    if (UserFirstName.isEmpty() && UserLastName.isEmpty()) return QString();
    return UserFolderName(UserFirstName, UserLastName);
}

QString UserFolderPath(const QString& folderName) { return UserDataRootPath() + '/' + folderName; }

// No learner, no file: an empty folder name must never lead into the root.
QString UserFilePath(const QString& folderName)
{
    if (folderName.isEmpty()) return QString();
    return UserFolderPath(folderName) + QStringLiteral("/User");
}

QString CourseFilePath(const QString& folderName, int courseIndex)
{
    if (folderName.isEmpty() || courseIndex < 0 || courseIndex >= Courses.size()) return QString();
    // The course name comes from content: it must not lead out of the folder
    // nor land on the learner's User file.
    const QString& name = Courses[courseIndex].Name;
    if (!IsUsableCourseName(name)) return QString();
    return ContentPathInside(UserFolderPath(folderName), name);
}

bool UserFolderExists(const QString& folderName)
{
    if (folderName.isEmpty()) return false;
    return QFileInfo(UserFolderPath(folderName)).isDir();
}

} // namespace qm
