#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {
using testing::AtomicStep;

qint64 interruptAfter = -1;

struct Fault {
    AtomicStep step;
    int errorCode;
    int skip;
};
std::optional<Fault> fault;
int folderRenameFault = -1; // renames left to succeed before one fails
int killAfter = -1;         // file-system changes left before the process dies

// One change to the file system is done; a planned kill comes right after it.
void changed()
{
    if (killAfter > 0 && --killAfter == 0) ::kill(::getpid(), SIGKILL);
}

// The fault planned for this step of the current write, if any.
bool injected(AtomicStep step, int& errorCode)
{
    if (!fault || fault->skip > 0 || fault->step != step) return false;
    errorCode = fault->errorCode;
    fault.reset();
    return true;
}

QString describe(int errorCode) { return QString::fromLocal8Bit(std::strerror(errorCode)); }

const char kSuffixChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The marker between a file's name and the six random characters of its
// temporary file.
constexpr char kMarker = ':';

// "<target>:" and six random letters or digits.
QByteArray temporaryName(const QByteArray& target)
{
    QByteArray name = target + kMarker;
    for (int i = 0; i < 6; ++i)
        name += kSuffixChars[QRandomGenerator::global()->bounded(int(sizeof kSuffixChars) - 1)];
    return name;
}

// Creates "<path>:XXXXXX" exclusively; the mode follows the old file's, or
// the umask for a new one.
int createTemporary(const QString& path, QByteArray& tempName)
{
    struct stat old {};
    const QByteArray target = QFile::encodeName(path);
    const bool hadFile = ::stat(target.constData(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = temporaryName(target);
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd >= 0 && hadFile) ::fchmod(fd, old.st_mode & 07777);
        return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const char* data, qint64 size, int& errorCode)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            errorCode = errno;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The write proper; on false errorCode says why and the caller cleans up.
bool writeTemporary(int fd, const QByteArray& data, int& errorCode)
{
    if (interruptAfter >= 0) {
        const qint64 n = qMin<qint64>(interruptAfter, data.size());
        interruptAfter = -1;
        writeAll(fd, data.constData(), n, errorCode);
        errorCode = EINTR;
        return false;
    }
    if (injected(AtomicStep::Write, errorCode)) {
        writeAll(fd, data.constData(), data.size() / 2, errorCode);
        return false;
    }
    if (!writeAll(fd, data.constData(), data.size(), errorCode)) return false;
    if (injected(AtomicStep::Sync, errorCode)) return false;
    if (::fsync(fd) != 0) {
        errorCode = errno;
        return false;
    }
    // What the file system holds must be all of it before it replaces the
    // old file.
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        errorCode = errno;
        return false;
    }
    qint64 onDisk = st.st_size;
    if (injected(AtomicStep::Size, errorCode)) onDisk = data.size() - 1;
    if (onDisk != data.size()) {
        if (errorCode == 0) errorCode = EIO;
        return false;
    }
    return true;
}

void syncFolder(const QString& path)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}
} // namespace

namespace testing {
void InterruptNextAtomicWriteAfter(qint64 bytes) { interruptAfter = bytes; }

void FailAtomicWrite(AtomicStep step, int errorCode, int skip) { fault = Fault{step, errorCode, skip}; }

void FailFolderRename(int skip) { folderRenameFault = skip; }

void KillAfterFileChanges(int count) { killAfter = count; }

void ClearAtomicWriteFaults()
{
    fault.reset();
    folderRenameFault = -1;
    killAfter = -1;
    interruptAfter = -1;
}
} // namespace testing

bool IsAtomicWriteLeftover(const QString& fileName, const QString& baseName)
{
    if (baseName.isEmpty() || fileName.size() != baseName.size() + 7 || !fileName.startsWith(baseName)
        || fileName[baseName.size()] != QLatin1Char(kMarker))
        return false;
    for (int i = baseName.size() + 1; i < fileName.size(); ++i)
        if (fileName[i].unicode() > 127 || !std::strchr(kSuffixChars, char(fileName[i].unicode()))) return false;
    return true;
}

bool RenameFolder(const QString& from, const QString& to, QString* error)
{
    const bool failed = folderRenameFault == 0;
    if (folderRenameFault >= 0) --folderRenameFault;
    // QDir::rename never replaces an existing entry of the new name.
    if (!failed && QDir().rename(from, to)) {
        syncFolder(to);
        changed();
        return true;
    }
    if (error) *error = QStringLiteral("Path/File access error: %1").arg(to);
    return false;
}

QString CreateTemporaryFolder(const QString& path, QString* error)
{
    const QByteArray target = QFile::encodeName(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(target);
        if (::mkdir(name.constData(), 0777) == 0) {
            changed();
            return QFile::decodeName(name);
        }
        if (errno != EEXIST) break;
    }
    // The learner knows the folder it was to be made in, not its passing name.
    if (error) *error = QStringLiteral("%1: %2").arg(describe(errno), QFileInfo(path).absolutePath());
    return QString();
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    int errorCode = 0;
    QByteArray tempName;
    int fd = -1;
    if (!injected(AtomicStep::Open, errorCode)) {
        fd = createTemporary(path, tempName);
        if (fd < 0) errorCode = errno;
        else changed();
    }
    bool ok = fd >= 0 && writeTemporary(fd, data, errorCode);
    if (fd >= 0) {
        // Some file systems report a failed write only when the file closes.
        int closeError = 0;
        if (injected(AtomicStep::Close, closeError)) ::close(fd);
        else if (::close(fd) != 0) closeError = errno;
        if (ok && closeError != 0) {
            ok = false;
            errorCode = closeError;
        }
    }
    if (ok && !injected(AtomicStep::Rename, errorCode)) {
        if (::rename(tempName.constData(), QFile::encodeName(path).constData()) == 0) {
            syncFolder(path);
            changed();
            if (fault && fault->skip > 0) --fault->skip;
            return true;
        }
        errorCode = errno;
    }
    if (!tempName.isEmpty()) ::unlink(tempName.constData());
    if (fault && fault->skip > 0) --fault->skip;
    if (error) *error = describe(errorCode ? errorCode : EIO);
    return false;
}

} // namespace qm
