#pragma once
#include <QColor>
#include <QString>
#include <map>
#include <vector>

namespace qm::rtf {

// The font table: family names and character sets by font number.
class FontTable {
public:
    void begin(int number);            // \fN inside the table
    void setCharset(int charset);
    void setCodePage(int codePage);    // \cpgN inside the table
    void addText(const QString& text); // the name, up to ';'
    QString family(int number) const;
    int charset(int number) const;     // -1 when the entry gives none
    int codePage(int number) const;    // 0 when the entry gives none
    bool empty() const { return fonts_.empty(); }

private:
    struct Entry {
        QString name;
        int charset = -1;
        int codePage = 0;
        bool named = false;
    };
    std::map<int, Entry> fonts_;
    int current_ = -1;
};

// The colour table; entry 0 is usually "automatic" (an invalid QColor).
class ColorTable {
public:
    void setRed(int v);
    void setGreen(int v);
    void setBlue(int v);
    void endEntry(); // ';'
    QColor color(int index) const; // invalid for automatic or out of range
    int size() const { return int(colors_.size()); }

private:
    std::vector<QColor> colors_;
    int r_ = 0, g_ = 0, b_ = 0;
    bool any_ = false;
};

} // namespace qm::rtf
