#include "platform/TextFile.h"
#include "platform/ContentPath.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// A file opened for reading with the system's own calls, closed when it goes.
struct OpenFile {
    int fd = -1;
    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (fd >= 0) ::close(fd);
    }
    // Never waits: a named pipe without a writer reads as empty or fails.
    bool open(const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        do fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        while (fd < 0 && errno == EINTR);
        return fd >= 0;
    }
};

qint64 readSome(int fd, char* into, qint64 want)
{
    ssize_t n;
    do n = ::read(fd, into, size_t(want));
    while (n < 0 && errno == EINTR);
    return qint64(n);
}

ContentRead failRead(QString* error, ContentRead why, const QString& wording, const QString& path)
{
    if (error) *error = wording.arg(path);
    return why;
}
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
    const QByteArray b = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    if (IsValidUtf8(b)) return QString::fromUtf8(b);
    // Each line on its own, so that one damaged or foreign line does not
    // turn every other line of the file into another encoding. CR and LF
    // never occur inside a UTF-8 sequence, so splitting on them is safe.
    QString out;
    out.reserve(b.size());
    qsizetype start = 0;
    const qsizetype n = b.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && b[end] != '\r' && b[end] != '\n') ++end;
        while (end < n && (b[end] == '\r' || b[end] == '\n')) ++end;
        const QByteArray line = b.sliced(start, end - start);
        out += IsValidUtf8(line) ? QString::fromUtf8(line) : DecodeWindows1252(line);
        start = end;
    }
    return out;
}

ContentRead ReadContentFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error)
{
    // A path that is right as written opens at once; only a miss pays for
    // the search without regard to case. The read itself costs four system
    // calls for a small file: the catalogue reads one per module at start.
    OpenFile file;
    QString resolved = path;
    if (path.isEmpty() || path.contains('\\') || !file.open(path)) {
        resolved = ResolveContentPath(path);
        if (resolved.isEmpty() || !file.open(resolved)) {
            const QFileInfo info(resolved);
            if (!info.exists()) return failRead(error, ContentRead::Missing, QStringLiteral("File not found: %1"), resolved);
            return failRead(error, ContentRead::Unreadable, QStringLiteral("Permission denied: %1"), resolved);
        }
    }
    struct stat st {};
    if (::fstat(file.fd, &st) != 0 || S_ISDIR(st.st_mode))
        return failRead(error, ContentRead::Unreadable, QStringLiteral("Path/File access error: %1"), resolved);
    const QString tooLarge = QStringLiteral("File too large (over %1 bytes): %2").arg(maxBytes);
    // A regular file over the cap is refused before any byte is read; the cap
    // is checked again while reading, so that a file that grows, or a device
    // that reports no size, stops at it too.
    const bool regular = S_ISREG(st.st_mode);
    const qint64 size = regular ? qint64(st.st_size) : 0;
    if (size > maxBytes) return failRead(error, ContentRead::TooLarge, tooLarge, resolved);
    QByteArray data(size + 1, Qt::Uninitialized);
    qint64 have = 0;
    for (;;) {
        if (have == data.size()) data.resize(qMin(maxBytes + 1, 2 * have + 64 * 1024));
        const qint64 want = data.size() - have;
        const qint64 n = readSome(file.fd, data.data() + have, want);
        if (n < 0) return failRead(error, ContentRead::Unreadable, QStringLiteral("Device I/O error: %1"), resolved);
        if (n == 0) break;
        have += n;
        if (have > maxBytes) return failRead(error, ContentRead::TooLarge, tooLarge, resolved);
        // A regular file gives less than asked only at its end.
        if (regular && n < want) break;
    }
    data.truncate(have);
    bytes = std::move(data);
    return ContentRead::Done;
}

bool ReadContentBytes(const QString& path, QByteArray& bytes, qint64 maxBytes, QString* error)
{
    return ReadContentFile(path, maxBytes, bytes, error) == ContentRead::Done;
}

bool ReadContentText(const QString& path, QString& text, qint64 maxBytes, QString* error, ContentRead* outcome)
{
    QByteArray bytes;
    const ContentRead result = ReadContentFile(path, maxBytes, bytes, error);
    if (outcome) *outcome = result;
    if (result != ContentRead::Done) return false;
    text = DecodeText(bytes);
    return true;
}

qsizetype NextLine(const QString& text, qsizetype from, QStringView& line)
{
    const qsizetype n = text.size();
    if (from < 0 || from >= n) return -1;
    const QChar* p = text.constData();
    qsizetype i = from;
    while (i < n && p[i] != u'\r' && p[i] != u'\n') ++i;
    line = QStringView(p + from, i - from);
    if (i < n && p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n') ++i;
    return i + 1;
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    QStringView line;
    for (qsizetype at = 0; (at = NextLine(text, at, line)) >= 0;) lines.append(line.toString());
    return lines;
}

QByteArray EncodeText(const QString& text) { return text.toUtf8(); }

} // namespace qm
