#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qm {

// Content text files are UTF-8 when their bytes are valid UTF-8 (a BOM is
// dropped) and Windows-1252 otherwise.
QString DecodeText(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);
bool IsValidUtf8(const QByteArray& bytes);

// Reads a content file (path resolved without regard to case). On failure
// returns false and, when given, sets error to the platform's wording of the
// problem followed by the path, for example "File not found: /x/Map.txt".
bool ReadContentText(const QString& path, QString& text, QString* error = nullptr);

// The same read without decoding, for formatted documents that carry their own
// encoding rules. Files larger than maxBytes are refused as "Out of memory".
bool ReadContentBytes(const QString& path, QByteArray& bytes, QString* error = nullptr,
                      qint64 maxBytes = qint64(1) << 30);

// Splits text into lines; CR LF, LF and a lone CR each end a line. A final line
// end does not make an extra empty line.
QStringList SplitLines(const QString& text);

// Text this program writes: UTF-8 without BOM (line ends are the caller's).
QByteArray EncodeText(const QString& text);

} // namespace qm
