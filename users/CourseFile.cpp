#include "users/CourseFile.h"
#include "platform/QuotedItems.h"
#include "platform/TextFile.h"
#include "users/LearnerText.h"

namespace qm {
namespace {
bool isBlankLine(const QString& line)
{
    for (const QChar c : line)
        if (!c.isSpace() && c != QChar(0x1A)) return false;
    return true;
}

// The items of one line. A comma at the end of the line adds no item, so a
// bookmark line written with a trailing comma still reads as a bookmark.
QStringList lineItems(const QString& line)
{
    QStringList items;
    QuotedItemReader reader(line);
    QString item;
    while (!reader.atEnd() && reader.next(item)) items.append(item);
    return items;
}

// The program writes every item in double quotes and never a line without
// a module code first: anything else is damage or a foreign line, which is
// neither the bookmark nor a record.
bool isItemLine(const QString& line, const QStringList& items)
{
    return line.trimmed().startsWith(u'"') && !items.isEmpty() && !items[0].isEmpty();
}

QStringList toRecord(QStringList items)
{
    while (items.size() < kProgressItems) items.append(QString());
    return items.mid(0, kProgressItems);
}
} // namespace

CourseFileContent ParseCourseFile(const QString& text)
{
    CourseFileContent content;
    bool first = true;
    for (const QString& line : SplitLines(text)) {
        if (isBlankLine(line)) continue;
        const QStringList items = lineItems(line);
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
        content.Records.append(toRecord(items));
    }
    return content;
}

QString FormatProgressRecord(QStringList record) { return QuotedItemLine(toRecord(std::move(record))); }

QString FormatCourseFile(const CourseFileContent& content)
{
    QString text;
    if (content.HasBookmark) text += QuotedItemLine({content.BookmarkModule, content.BookmarkPage});
    for (const QStringList& record : content.Records) text += FormatProgressRecord(record);
    return text;
}

bool ReadCourseFile(const QString& path, CourseFileContent& content, QString* error)
{
    content = CourseFileContent();
    QString text;
    if (!ReadLearnerText(path, text, error)) return false;
    content = ParseCourseFile(text);
    return true;
}

bool WriteCourseFile(const QString& path, const CourseFileContent& content, QString* error)
{
    return WriteLearnerText(path, FormatCourseFile(content), error);
}

} // namespace qm
