#pragma once
#include <QString>
#include <QStringList>

namespace qm {

// The quoted-item text form of the user files, course files and test files:
// items separated by commas or line ends; a quoted item runs to its closing
// quote and may hold commas; an unquoted item runs to the next comma or line
// end with surrounding blanks removed, so a comma followed by a line end ends
// an empty item. Otherwise line ends only separate items, so a reader that
// asks for N items takes the next N whatever the line breaks.
class QuotedItemReader {
public:
    explicit QuotedItemReader(const QString& text);

    // True when only blanks and line ends remain (a comma before them still
    // promises one empty item to next()).
    bool atEnd() const;
    // Reads the next item; false when the text has run out ("input past end").
    bool next(QString& item);
    // Reads n items; false (and items holds what was read) when the text runs out.
    bool read(int n, QStringList& items);
    // Where the next item's reading starts in the text.
    qsizetype position() const { return pos_; }

private:
    void skipBlanks();
    void skipLineEnd();
    QString text_;
    qsizetype pos_ = 0;
    bool afterComma_ = false;
};

// A blank around an item: every space character Qt knows (form feed,
// vertical tab, no-break space...) but a line end. Whoever checks the form of
// a line asks this too, so that what it takes for an item the reader reads as
// one.
bool IsItemBlank(QChar c);

// One line of items: each in double quotes, separated by commas, ended by CR LF.
// Items are written as they are, without escaping.
QString QuotedItemLine(const QStringList& items);

} // namespace qm
