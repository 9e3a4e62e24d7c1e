#pragma once
#include <QString>

namespace qm {

// Course content was authored on a system whose file names ignore case
// ("previousOff.jpg" and "PreviousOff.jpg" are one file). Each component of the
// path that does not exist as written is matched without regard to case.
// Backslashes are taken as separators. When a component matches nothing, it
// and the rest of the path are returned as written (with "/" separators, the
// components before it resolved) so that callers report it.
QString ResolveContentPath(const QString& path);

// True when the resolved path names an existing file (not a folder).
bool ContentFileExists(const QString& path);

// Joins folder and name with one "/".
QString JoinPath(const QString& folder, const QString& name);

} // namespace qm
