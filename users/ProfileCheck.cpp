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
    check.firstName = firstName;
    check.lastName = lastName;
    check.message = checkName(firstName);
    if (!check.ok()) return check;
    check.firstName = TrimTrailingBlanks(firstName);

    check.message = checkName(lastName);
    if (!check.ok()) return check;
    check.lastName = TrimTrailingBlanks(lastName);

    check.message = email.isEmpty() ? CheckMessage::of(MsgFieldEmpty) : CheckEmailText(email);
    if (!check.ok()) return check;

    const QString current = CurrentUserFolderName();
    if (UserFolderName(check.firstName, check.lastName) != current
        && IsNameRegistered(check.firstName, check.lastName, current))
        check.message = CheckMessage::of(MsgNameInUse);
    return check;
}

} // namespace qm
