#pragma once
#include "app/Globals.h"
#include "users/ProgressRecords.h"

#include <QString>
#include <QStringList>

namespace qm {

// Items 3 to 10 of a module's progress record after a completed attempt:
// the results the user store writes.
using ResultItems = ProgressResults;

// The stored record is the module's record in progress (ModuleRecordOf). Attempts are its count + 1; the first result is kept
// once there is one; the best is replaced when this score is equal or higher;
// the last score is always this one. With no stored record, or a stored
// record without a first score, this attempt is the first and the best.
// A stored attempt count or best score that is not a whole number (a
// hand-edited file) counts as absent.
ResultItems BuildResultRecord(const ProgressArrays& progress, const QString& moduleCode, int score,
                              const QString& answerString, const QString& today);

} // namespace qm
