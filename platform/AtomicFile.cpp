#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace qm {
namespace {
qint64 interruptAfter = -1;
}

namespace testing {
void InterruptNextAtomicWriteAfter(qint64 bytes) { interruptAfter = bytes; }
} // namespace testing

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (interruptAfter >= 0) {
        const qint64 n = qMin<qint64>(interruptAfter, data.size());
        interruptAfter = -1;
        file.write(data.constData(), n);
        file.cancelWriting();
        if (error) *error = QStringLiteral("Write interrupted");
        return false;
    }
    if (file.write(data) != data.size()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace qm
