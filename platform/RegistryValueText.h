#pragma once
#include "platform/RegistryFile.h"

#include <QString>

namespace qm {

// Reads a double-quoted name or string starting at text[pos] (which must be
// '"'); "\\" stands for a backslash and "\"" for a quote, any other backslash
// is kept as written. On success pos is just past the closing quote.
bool ReadRegQuoted(const QString& text, qsizetype& pos, QString& out);

// Decodes the data part of a value line, the text after "=":
//   "text" | dword:0000000c | hex:0c,00 | hex(N):.. | -   (the last deletes)
// In a REGEDIT4 file (ansi) the bytes of hex(1)/hex(2)/hex(7) are ANSI text,
// otherwise UTF-16LE. On failure returns false with a short reason.
bool ParseRegData(const QString& data, bool ansi, RegValue& value, bool& remove, QString& error);

} // namespace qm
