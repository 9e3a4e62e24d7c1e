#pragma once
#include <QString>

namespace qm {

// A learner file larger than this is damaged or not ours: reading it whole on
// every page shown would stall the program.
inline constexpr qint64 kMaxLearnerFileBytes = 8 * 1024 * 1024;

// Reads a learner file (exact path). Returns false, with the reason and path in
// error, when it is missing, a folder, unreadable or over kMaxLearnerFileBytes.
bool ReadLearnerText(const QString& path, QString& text, QString* error = nullptr);

// Writes a learner file as UTF-8, atomically: the old content or the new one,
// never a mixture.
bool WriteLearnerText(const QString& path, const QString& text, QString* error = nullptr);

} // namespace qm
