#pragma once
#include <QByteArray>
#include <QString>

namespace qm {

// Writes a learner's file so that a crash or a full disk never leaves it half
// written: the data goes to a temporary file in the same folder, which is
// flushed and renamed over the old file. On failure the old file is untouched,
// false is returned and error (when given) says why.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

namespace testing {
// Makes the next atomic write stop after this many bytes, as if the process had
// died mid-write; the write then reports failure. Negative disables it.
void InterruptNextAtomicWriteAfter(qint64 bytes);
} // namespace testing

} // namespace qm
