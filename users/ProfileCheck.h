#pragma once
#include "ui/NameChecks.h"

#include <QString>

namespace qm {

// What the profile editor's OK decides before anything is written.
struct ProfileCheck {
    CheckMessage message; // ok() when every check passed
    QString firstName;    // the names as far as they were trimmed
    QString lastName;
    bool ok() const { return message.ok(); }
};

// Field by field: a name that is empty (502/503), begins with a blank
// (500/501) or holds a refused character (510/511) is refused, then trimmed of
// trailing blanks; the e-mail address empty (502/503) or malformed (504/505);
// names whose folder name would not fit the file system (601/501).
// New names that another learner's folder already has are refused (545/501),
// since the folder could not take them.
ProfileCheck CheckProfile(const QString& firstName, const QString& lastName, const QString& email);

} // namespace qm
