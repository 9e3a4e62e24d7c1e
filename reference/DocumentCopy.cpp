#include "reference/DocumentCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace qm {

bool IsSameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

bool CopyDocument(const QString& source, const QString& target, QString* error)
{
    if (IsSameFile(source, target)) return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error) *error = in.errorString();
        return false;
    }
    const QFileInfo where(target);
    // Written beside the target, then renamed over it: a read-only file in a
    // writable folder is replaced too, as the learner asked.
    QTemporaryFile out(where.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(where.fileName())));
    if (!out.open()) {
        if (error) *error = out.errorString();
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            if (error) *error = in.errorString();
            return false; // the unfinished copy is discarded with the temporary file
        }
        if (n == 0) break;
        // A disk that fills up takes part of a block without an error; the
        // rest is written again, which then fails with the reason.
        for (qint64 done = 0; done < n;) {
            const qint64 written = out.write(buffer + done, n - done);
            if (written <= 0) {
                if (error) *error = out.errorString();
                return false;
            }
            done += written;
        }
    }
    if (!out.flush()) {
        if (error) *error = out.errorString();
        return false;
    }
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(where.absoluteFilePath()).constData()) != 0) {
        if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    out.setAutoRemove(false);
    return true;
}

} // namespace qm
