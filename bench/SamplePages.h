#pragma once
#include <QByteArray>

namespace qmbench {

// A page like the course's own: a heading, sub-headings, paragraphs with
// formatting, a bulleted list, a table, a small picture, a few links, a mark.
QByteArray TypicalPage();

// A page of about the given size, made of typical page bodies one after another.
QByteArray LargePage(qsizetype bytes);

// A page map of the given number of page lines.
QByteArray PageMap(int pages);

} // namespace qmbench
