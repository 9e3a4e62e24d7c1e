#pragma once
#include <QString>

namespace qm {

// Progress that cannot be written must not be lost without a word, yet one
// failing disk must not bring a box on every page: the learner hears it once
// a visit.

// A new visit (a course was chosen): the next failure is said again.
void StartProgressNoticeVisit();

// Shows message 600 with the reason (which names the file) the first time in
// the visit; later calls do nothing.
void ReportProgressNotSaved(const QString& reason);

// Records the visit of the topic in the module for the signed-in learner and
// reports a failure as above. Nothing is written, and nothing said, while
// nobody is signed in. False when nothing was recorded.
bool RecordPageVisit(const QString& moduleCode, const QString& topicTitle);

} // namespace qm
