#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

namespace qm {

// Number of items in one progress record of a course file.
inline constexpr int kProgressItems = 10;

// A learner's course file: the bookmark line (module code, page file name),
// then one ten-item progress record a line, in the order first written.
struct CourseFileContent {
    bool HasBookmark = false;
    QString BookmarkModule;
    QString BookmarkPage;
    QVector<QStringList> Records; // each exactly kProgressItems items
};

// The learner's record of a module: the first record whose code is the
// module's in any case. Later ones of the same code (left by older versions)
// are kept in the file but are not read or changed. -1 when there is none.
int LearnerRecordIndex(const CourseFileContent& content, const QString& moduleCode);

// Reads the text line by line so that a damaged line (a record cut short, an
// unclosed quote) costs only that line: every later record still reads as it
// was written. A short record is padded with empty items, extra items are
// dropped. A line that is not in the quoted form or has no module code first
// is passed over: it never counts as a record. The first line left is the
// bookmark when it holds at most two items; a bookmark with an empty item
// does not count as one.
CourseFileContent ParseCourseFile(const QString& text);

// The file text: bookmark line (when there is one) and records, each line in
// the quoted-item form ended by CR LF.
QString FormatCourseFile(const CourseFileContent& content);

// The line of one record; record is padded or cut to ten items.
QString FormatProgressRecord(QStringList record);

// Reads and parses a course file; text, when given, gets the text read.
// False, with the reason, when it is missing or unreadable (content is then
// empty).
bool ReadCourseFile(const QString& path, CourseFileContent& content, QString* error = nullptr,
                    QString* text = nullptr);

// The bookmark of a course file's text, without reading its records.
CourseFileContent ParseCourseBookmark(const QString& text);

// Writes the whole course file atomically.
bool WriteCourseFile(const QString& path, const CourseFileContent& content, QString* error = nullptr);

} // namespace qm
