#pragma once
#include <QByteArray>
#include <QString>

namespace qmbench {

// Makes a scratch program folder whose shared "Glossary.txt" holds the text,
// with one course chosen, so that the glossary builders read that file.
void UseGlossary(const QString& folderName, const QByteArray& text);

// A sound glossary of that many terms under letter headings, each with an
// ordinary two-line definition.
QByteArray GeneratedGlossary(int terms);

} // namespace qmbench
