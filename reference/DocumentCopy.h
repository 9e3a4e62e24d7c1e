#pragma once
#include <QString>

namespace qm {

// Copies a document to where the learner chose. The copy is written beside
// the target and renamed over it, so a failed copy never costs the learner
// the file that was there. Copying a file onto itself does nothing and
// succeeds. False with the reason in error otherwise.
bool CopyDocument(const QString& source, const QString& target, QString* error);

// True when both paths name one existing file.
bool IsSameFile(const QString& a, const QString& b);

} // namespace qm
