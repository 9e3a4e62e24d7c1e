#pragma once
#include <QStringList>
#include <functional>

namespace qm {

// Breaks a definition into the lines of the glossary's definition column.
// A line grows one character at a time: once it is wider than softLimit and a
// blank comes next, the line ends and that blank is dropped; a line that
// reaches hardLimit ends wherever it is, in the middle of a word if need be.
// charWidth gives the width of one character in the limits' unit; the line's
// width is the sum, kept as the line grows.
QStringList BreakDefinition(const QString& text, const std::function<double(QChar)>& charWidth,
                            double softLimit = 9000, double hardLimit = 10000);

} // namespace qm
