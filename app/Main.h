#pragma once
#include <QString>

class QApplication;

namespace qm {

class SingleInstance;

// The start of the program: the single-instance test, the catalogue, the
// screen test and the course chooser. Returns false when the program ended
// during the start (a second copy, no course, the screen question answered No).
bool Main();

// The single-instance guard of this run (created by Main, kept for the run).
SingleInstance* RunningInstance();
// Tests give each run a key of its own.
void SetInstanceKey(const QString& key);

// Runs Main and then the event loop until the last window has gone.
int RunProgram(QApplication& app);

} // namespace qm

namespace qm {
// Lets go of the single-instance guard (tests run Main more than once).
void ReleaseRunningInstance();
} // namespace qm
