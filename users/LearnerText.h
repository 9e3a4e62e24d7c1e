#pragma once
#include <QString>

namespace qm {

// A learner file larger than this is damaged or not ours: reading it whole on
// every page shown would stall the program.
inline constexpr qint64 kMaxLearnerFileBytes = 8 * 1024 * 1024;

// Whether a learner file of that size is one the reader takes. The writer asks
// the same, so that no save makes a file the next read refuses.
bool FitsLearnerFileCap(qint64 bytes);

// Reads a learner file (exact path). Returns false, with the reason and path in
// error, when it is missing, a folder, unreadable or over kMaxLearnerFileBytes.
bool ReadLearnerText(const QString& path, QString& text, QString* error = nullptr);

// Writes a learner file as UTF-8, atomically: the old content or the new one,
// never a mixture. Text that would not fit the cap is not written (the file
// stays as it was) and false is returned with the reason.
bool WriteLearnerText(const QString& path, const QString& text, QString* error = nullptr);

} // namespace qm
