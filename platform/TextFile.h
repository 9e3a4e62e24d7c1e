#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qm {

// Content text files are UTF-8 when their bytes are valid UTF-8 (a BOM is
// dropped) and Windows-1252 otherwise, decided line by line.
QString DecodeText(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);
bool IsValidUtf8(const QByteArray& bytes);

// Caps of the content files that are read whole, one per kind. Reading takes
// about ten times a file's size in memory; each cap stands far above any real
// file of its kind, so only a damaged or foreign file is refused.
inline constexpr qint64 kMaxPageMapBytes = qint64(2) << 20;
inline constexpr qint64 kMaxTestFileBytes = qint64(2) << 20;
inline constexpr qint64 kMaxGlossaryBytes = qint64(16) << 20;
inline constexpr qint64 kMaxAboutBytes = qint64(1) << 20;
inline constexpr qint64 kMaxRegistryBytes = qint64(8) << 20;

// How the read of a content file ended.
enum class ContentRead { Done, Missing, Unreadable, TooLarge };

// Reads a content file (path resolved without regard to case) of at most
// maxBytes; a larger file is refused before it is read into memory. On
// failure bytes are untouched and error, when given, holds the platform's
// wording of the problem followed by the path, for example
// "File not found: /x/Map.txt" or "File too large (over 2097152 bytes): /x/Map.txt".
ContentRead ReadContentFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error = nullptr);
bool ReadContentBytes(const QString& path, QByteArray& bytes, qint64 maxBytes, QString* error = nullptr);
// The same read, decoded; outcome, when given, tells why it failed.
bool ReadContentText(const QString& path, QString& text, qint64 maxBytes, QString* error = nullptr,
                     ContentRead* outcome = nullptr);

// Splits text into lines; CR LF, LF and a lone CR each end a line. A final line
// end does not make an extra empty line.
QStringList SplitLines(const QString& text);

// The same split one line at a time: the line that starts at from (without
// its end) and where the next one starts; -1 when text has no line at from.
qsizetype NextLine(const QString& text, qsizetype from, QStringView& line);

// Text this program writes: UTF-8 without BOM (line ends are the caller's).
QByteArray EncodeText(const QString& text);

} // namespace qm
