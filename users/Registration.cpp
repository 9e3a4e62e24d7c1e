#include "users/Registration.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "users/ProgressRecords.h"
#include "users/UserFiles.h"

namespace qm {

RegistrationCheck CheckRegistration(const QString& firstName, const QString& lastName, const QString& email)
{
    RegistrationCheck check;
    check.firstName = TrimTrailingBlanks(firstName);
    check.lastName = lastName;
    // A first name of blanks only would leave the learner without a first
    // name, which the program takes for "nobody signed in".
    if (check.firstName.isEmpty()) {
        check.message = CheckMessage::of(MsgLeadingBlank);
        return check;
    }
    check.message = CheckNameText(check.firstName);
    if (!check.ok()) return check;

    check.lastName = TrimTrailingBlanks(lastName);
    check.message = CheckNameText(check.lastName);
    if (!check.ok()) return check;

    check.message = CheckEmailText(email);
    if (!check.ok()) return check;

    // Registering again would overwrite that learner's User file and course
    // file; a returning learner picks the name from the list instead.
    if (IsNameRegistered(check.firstName, check.lastName)) check.message = CheckMessage::of(MsgAlreadyRegistered);
    return check;
}

bool RegisterLearner(const QString& firstName, const QString& lastName, const QString& email, QString* error)
{
    if (!HasCurrentModule()) {
        if (error) *error = QStringLiteral("No module is open");
        return false;
    }
    if (!CreateUserProfile(firstName, lastName, email, error)) return false;
    if (!WriteUserBookmark(error)) return false;
    return SaveProgressRecord(CurrentModule().Code, PageList().GetCurrentPageTopName(), firstName, lastName, {},
                              QString(), error);
}

} // namespace qm
