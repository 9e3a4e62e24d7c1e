#include "users/ProfileCheck.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"

namespace qm {
namespace {
CheckMessage checkName(const QString& name)
{
    if (name.isEmpty()) return CheckMessage::of(MsgFieldEmpty);
    return CheckNameText(name);
}
} // namespace

ProfileCheck CheckProfile(const QString& firstName, const QString& lastName, const QString& email)
{
    ProfileCheck check;
    check.firstName = StoredNameForm(firstName);
    check.lastName = StoredNameForm(lastName);
    check.message = checkName(check.firstName);
    if (!check.ok()) return check;
    check.firstName = TrimTrailingBlanks(check.firstName);

    check.message = checkName(check.lastName);
    if (!check.ok()) return check;
    check.lastName = TrimTrailingBlanks(check.lastName);

    check.message = email.isEmpty() ? CheckMessage::of(MsgFieldEmpty) : CheckEmailText(email);
    if (!check.ok()) return check;

    if (!FitsFolderName(check.firstName, check.lastName)) {
        check.message = CheckMessage::of(MsgNameTooLong);
        return check;
    }

    const QString current = CurrentUserFolderName();
    if (UserFolderName(check.firstName, check.lastName) != current
        && IsNameRegistered(check.firstName, check.lastName, current))
        check.message = CheckMessage::of(MsgNameInUse);
    return check;
}

} // namespace qm
