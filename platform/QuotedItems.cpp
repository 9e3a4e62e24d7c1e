#include "platform/QuotedItems.h"

namespace qm {
namespace {
bool isLineEnd(QChar c) { return c == '\r' || c == '\n'; }
bool isBlank(QChar c) { return IsItemBlank(c); }
} // namespace

bool IsItemBlank(QChar c) { return c.isSpace() && !isLineEnd(c); }

QuotedItemReader::QuotedItemReader(const QString& text) : text_(text) {}

void QuotedItemReader::skipBlanks()
{
    while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) ++pos_;
}

bool QuotedItemReader::atEnd() const
{
    qsizetype p = pos_;
    while (p < text_.size() && (isBlank(text_[p]) || isLineEnd(text_[p]) || text_[p] == QChar(0x1A))) ++p;
    return p >= text_.size();
}

bool QuotedItemReader::next(QString& item)
{
    item.clear();
    const qsizetype n = text_.size();
    if (afterComma_) {
        // A comma promises an item: one that is cut short by a line end (or
        // the end of the text) is empty, and the line end is its separator.
        afterComma_ = false;
        while (pos_ < n && isBlank(text_[pos_])) ++pos_;
        if (pos_ >= n) return true;
        if (isLineEnd(text_[pos_])) {
            skipLineEnd();
            return true;
        }
    }
    // Otherwise blanks and line ends before an item are skipped.
    skipBlanks();
    if (pos_ >= n) return false;
    if (text_[pos_] == '"') {
        ++pos_;
        const qsizetype close = text_.indexOf('"', pos_);
        if (close < 0) {
            item = text_.mid(pos_);
            pos_ = n;
        } else {
            item = text_.mid(pos_, close - pos_);
            pos_ = close + 1;
        }
        // Anything after the closing quote up to the separator is dropped.
        while (pos_ < n && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < n && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        item = text_.mid(start, pos_ - start).trimmed();
    }
    if (pos_ < n && text_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
    } else {
        skipLineEnd();
    }
    return true;
}

void QuotedItemReader::skipLineEnd()
{
    const qsizetype n = text_.size();
    if (pos_ >= n || !isLineEnd(text_[pos_])) return;
    if (text_[pos_] == '\r' && pos_ + 1 < n && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
}

bool QuotedItemReader::read(int n, QStringList& items)
{
    items.clear();
    for (int i = 0; i < n; ++i) {
        QString item;
        if (!next(item)) return false;
        items.append(item);
    }
    return true;
}

QString QuotedItemLine(const QStringList& items)
{
    QString line;
    for (int i = 0; i < items.size(); ++i) {
        if (i) line += ',';
        line += '"';
        line += items[i];
        line += '"';
    }
    line += QStringLiteral("\r\n");
    return line;
}

} // namespace qm
