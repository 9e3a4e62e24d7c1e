#pragma once
#include "ui/NameChecks.h"

#include <QString>

namespace qm {

// What the registration window's Sign in decides before anything is written.
struct RegistrationCheck {
    CheckMessage message; // the message to show; ok() when every check passed
    QString firstName;    // the names as far as they were trimmed: the boxes
    QString lastName;     // show these whether or not a check failed
    bool ok() const { return message.ok(); }
};

// The checks, in order: first name trimmed of trailing blanks, refused when it
// is empty or begins with a blank (500/501) or holds a refused character
// (510/511); the same for the last name, which may be empty; the e-mail
// address (504/505); and a name that already has a learner folder (544/501).
RegistrationCheck CheckRegistration(const QString& firstName, const QString& lastName, const QString& email);

// Creates the learner (folder, User file, current learner), bookmarks the
// selected course at the page shown and records the visit of its topic.
// Call it only after CheckRegistration passed. False, with the reason, when
// something could not be written; show message 546/547 then. A failure
// leaves the store and the current learner as they were.
bool RegisterLearner(const QString& firstName, const QString& lastName, const QString& email,
                     QString* error = nullptr);

} // namespace qm
