#pragma once
#include <QString>

namespace qm {

// The UI text of a string-table id. The table is compiled into the program.
// An id that the table does not hold gives an empty text and a warning on the
// console (callers only pass ids the table holds).
QString GetResString(int id);
bool HasResString(int id);

} // namespace qm
