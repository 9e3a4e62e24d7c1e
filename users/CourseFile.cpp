#include "users/CourseFile.h"
#include "content/ModuleCode.h"
#include "platform/QuotedItems.h"
#include "platform/TextFile.h"
#include "users/LearnerText.h"
#include "users/VisitedTitle.h"

namespace qm {
namespace {
// The first character that is not an item blank, or a null character.
QChar firstNonBlank(const QString& line)
{
    for (const QChar c : line)
        if (!IsItemBlank(c)) return c;
    return QChar();
}

bool isBlankLine(const QString& line)
{
    for (const QChar c : line)
        if (!IsItemBlank(c) && c != QChar(0x1A)) return false;
    return true;
}

// The items of one line. A comma at the end of the line adds no item, so a
// bookmark line written with a trailing comma still reads as a bookmark. An
// unquoted item may hold a double quote, which a quoted item cannot: it is
// kept as « (as visited sets keep one), so that the line written back reads
// as the same items.
QStringList lineItems(const QString& line)
{
    QStringList items;
    items.reserve(kProgressItems);
    QuotedItemReader reader(line);
    QString item;
    while (!reader.atEnd() && reader.next(item)) items.append(VisitedSetTitle(item));
    return items;
}

// The program writes every item in double quotes and never a line without
// a module code first: anything else is damage or a foreign line, which is
// neither the bookmark nor a record.
bool isItemLine(const QString& line, const QStringList& items)
{
    return firstNonBlank(line) == u'"' && !items.isEmpty() && !items[0].isEmpty();
}

QStringList toRecord(QStringList items)
{
    items.resize(kProgressItems);
    return items;
}

CourseFileContent parse(const QString& text, bool bookmarkOnly)
{
    CourseFileContent content;
    bool first = true;
    QStringView view;
    for (qsizetype at = 0; (at = NextLine(text, at, view)) >= 0;) {
        const QString line = view.toString();
        if (isBlankLine(line)) continue;
        QStringList items = lineItems(line);
        if (!isItemLine(line, items)) continue;
        if (first) {
            first = false;
            if (items.size() <= 2) {
                content.HasBookmark = items.size() == 2 && !items[0].isEmpty() && !items[1].isEmpty();
                if (content.HasBookmark) {
                    content.BookmarkModule = items[0];
                    content.BookmarkPage = items[1];
                }
                continue;
            }
        }
        if (bookmarkOnly) break;
        content.Records.append(toRecord(std::move(items)));
    }
    return content;
}
} // namespace

int LearnerRecordIndex(const CourseFileContent& content, const QString& moduleCode)
{
    for (int i = 0; i < content.Records.size(); ++i)
        if (SameModuleCode(content.Records[i][0], moduleCode)) return i;
    return -1;
}

CourseFileContent ParseCourseFile(const QString& text) { return parse(text, false); }

CourseFileContent ParseCourseBookmark(const QString& text) { return parse(text, true); }

QString FormatProgressRecord(QStringList record) { return QuotedItemLine(toRecord(std::move(record))); }

QString FormatCourseFile(const CourseFileContent& content)
{
    QString text;
    if (content.HasBookmark) text += QuotedItemLine({content.BookmarkModule, content.BookmarkPage});
    for (const QStringList& record : content.Records) text += FormatProgressRecord(record);
    return text;
}

bool ReadCourseFile(const QString& path, CourseFileContent& content, QString* error, QString* text)
{
    content = CourseFileContent();
    QString read;
    if (!ReadLearnerText(path, read, error)) return false;
    content = ParseCourseFile(read);
    if (text) *text = read;
    return true;
}

bool WriteCourseFile(const QString& path, const CourseFileContent& content, QString* error)
{
    return WriteLearnerText(path, FormatCourseFile(content), error);
}

} // namespace qm
