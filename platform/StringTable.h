#pragma once
#include <QHash>
#include <QString>

namespace qm {

// A numbered table of UI texts. The text form has one entry a line:
//   <id> "<text>"
// where the text may use \" for a double quote, \\ for a backslash, \t and \n.
// Blank lines and lines starting with "#" are ignored.
class StringTable {
public:
    // Parses the text; on a malformed line returns false and names the line.
    bool parse(const QString& text, QString* error = nullptr);
    const QString* find(int id) const;
    int size() const { return int(entries_.size()); }
    QList<int> ids() const;

private:
    QHash<int, QString> entries_;
};

// The program's own table, read from the compiled-in resource.
const StringTable& AppStringTable();

} // namespace qm
