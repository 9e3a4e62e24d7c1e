#include "platform/TextFile.h"
#include "platform/ContentPath.h"

#include <QFile>
#include <QFileInfo>

namespace qm {
namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

bool IsValidUtf8(const QByteArray& b)
{
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData());
    const qsizetype n = b.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) { ++i; continue; }
        int len = 0;
        unsigned int cp = 0;
        if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > n) return false;
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000)) return false;
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0) out.append(QChar(kCp1252High[c - 0x80]));
        else out.append(QChar(char16_t(c)));
    }
    return out;
}

QString DecodeText(const QByteArray& bytes)
{
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    if (IsValidUtf8(b)) return QString::fromUtf8(b);
    return DecodeWindows1252(b);
}

bool ReadContentBytes(const QString& path, QByteArray& bytes, QString* error, qint64 maxBytes)
{
    const QString resolved = ResolveContentPath(path);
    QFile f(resolved);
    const QFileInfo info(resolved);
    if (!info.exists()) {
        if (error) *error = QStringLiteral("File not found: %1").arg(resolved);
        return false;
    }
    if (info.isDir()) {
        if (error) *error = QStringLiteral("Path/File access error: %1").arg(resolved);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("Permission denied: %1").arg(resolved);
        return false;
    }
    if (f.size() > maxBytes) {
        if (error) *error = QStringLiteral("Out of memory: %1").arg(resolved);
        return false;
    }
    bytes = f.readAll();
    return true;
}

bool ReadContentText(const QString& path, QString& text, QString* error)
{
    QByteArray bytes;
    if (!ReadContentBytes(path, bytes, error)) return false;
    text = DecodeText(bytes);
    return true;
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    QString current;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == '\r') {
            lines.append(current);
            current.clear();
            if (i + 1 < n && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            lines.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) lines.append(current);
    return lines;
}

QByteArray EncodeText(const QString& text) { return text.toUtf8(); }

} // namespace qm
