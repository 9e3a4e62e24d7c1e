#pragma once
#include <QString>

namespace qm {

// Names read from course content (courses, modules, pages, documents, movies,
// glossary and About files) are untrusted. A name may become part of a path
// only when it is one plain file name: not empty, not "." or "..", no control
// character and none of / \ " < > : | ? * (what a file name on the system the
// content was written for could never hold; items of learner files are not
// escaped, and ":" marks the learner files' temporary files). Every use of
// such a name as a path goes through this check.
bool IsPlainContentName(const QString& name);

// folder + "/" + name when the name is plain; an empty string otherwise, so a
// caller treats the refused name as a missing file.
QString ContentPathInside(const QString& folder, const QString& name);

} // namespace qm
