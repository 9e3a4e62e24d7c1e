#pragma once
#include <QString>

namespace qm {

// The folder of the running executable (links resolved): root of all content.
// Tests point it at a folder of their own.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// The root below which learner data lives: the XDG data home followed by "/".
QString DataHomeRoot();

} // namespace qm
