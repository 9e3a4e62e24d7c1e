#pragma once
#include <QByteArray>
#include <QString>

namespace qm {

// Writes a learner's file so that a crash or a full disk never leaves it half
// written: the data goes to a temporary file "<name>:XXXXXX" in the same
// folder (learner names and content names refuse ":", so no learner file can
// have such a name); every step (write, sync, size on disk, close) is checked
// and only a complete file is renamed over the old one. On failure the
// temporary file is removed, the old file stays byte for byte as it was, false
// is returned and error (when given) says why. A rewrite keeps the old file's
// permissions.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// Whether fileName has the form of a temporary file left by a write of
// baseName that never finished: baseName, ":", six letters or digits.
bool IsAtomicWriteLeftover(const QString& fileName, const QString& baseName);

// Gives a folder its new name in one step (it has the old name or the new one,
// never neither); an existing entry of the new name is never replaced. On
// failure error (when given) names the new path.
bool RenameFolder(const QString& from, const QString& to, QString* error = nullptr);

// Creates a new folder "<path>:XXXXXX", in which something can be made whole
// before RenameFolder gives it its real name. Returns its path; empty on
// failure, with error (when given) saying why and naming the folder it was
// to be made in.
QString CreateTemporaryFolder(const QString& path, QString* error = nullptr);

namespace testing {
// Makes the next atomic write stop after this many bytes, as if the process had
// died mid-write; the write then reports failure. Negative disables it.
void InterruptNextAtomicWriteAfter(qint64 bytes);

// The steps of an atomic write, in order.
enum class AtomicStep { Open, Write, Sync, Size, Close, Rename };

// Makes one coming atomic write fail at that step with that errno value, as
// the file system would (a failing Write writes half the data first; a
// failing Size finds the file one byte short). skip counts the writes that
// succeed before it. ClearAtomicWriteFaults removes every kind of fault.
void FailAtomicWrite(AtomicStep step, int errorCode, int skip = 0);

// Makes one coming folder rename fail after skip renames that succeed.
void FailFolderRename(int skip = 0);

// Kills the process right after the count-th coming change to the file
// system (a temporary file or folder created, a temporary file renamed over
// its file, a folder renamed), as a crash at that moment would. For a child
// process.
void KillAfterFileChanges(int count);
void ClearAtomicWriteFaults();
} // namespace testing

} // namespace qm
