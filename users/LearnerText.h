#pragma once
#include <QString>

namespace qm {

// Reads a learner file (exact path). Returns false, with the reason and path in
// error, when it is missing, a folder or unreadable.
bool ReadLearnerText(const QString& path, QString& text, QString* error = nullptr);

// Writes a learner file as UTF-8, atomically: the old content or the new one,
// never a mixture.
bool WriteLearnerText(const QString& path, const QString& text, QString* error = nullptr);

} // namespace qm
