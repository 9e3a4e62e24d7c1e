#include "users/LearnerText.h"
#include "platform/AtomicFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace qm {

bool FitsLearnerFileCap(qint64 bytes) { return bytes <= kMaxLearnerFileBytes; }

bool ReadLearnerText(const QString& path, QString& text, QString* error)
{
    text.clear();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        if (error) *error = QStringLiteral("File not found: %1").arg(path);
        return false;
    }
    if (info.isDir()) {
        if (error) *error = QStringLiteral("Path/File access error: %1").arg(path);
        return false;
    }
    if (!FitsLearnerFileCap(info.size())) {
        if (error) *error = QStringLiteral("File too large (%1 bytes): %2").arg(info.size()).arg(path);
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("Permission denied: %1").arg(path);
        return false;
    }
    text = DecodeText(f.readAll());
    return true;
}

bool WriteLearnerText(const QString& path, const QString& text, QString* error)
{
    const QByteArray bytes = EncodeText(text);
    if (!FitsLearnerFileCap(bytes.size())) {
        if (error)
            *error = QStringLiteral("File would grow too large (%1 bytes, at most %2): %3")
                         .arg(bytes.size())
                         .arg(kMaxLearnerFileBytes)
                         .arg(path);
        return false;
    }
    QString why;
    if (WriteFileAtomically(path, bytes, &why)) return true;
    if (error) *error = QStringLiteral("%1: %2").arg(why, path);
    return false;
}

} // namespace qm
