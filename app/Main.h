#pragma once

class QApplication;

namespace qm {

// The start of the program: the single-instance test, the catalogue, the
// screen test and the course chooser. Returns false when the program ended
// during the start (a second copy, no course, the screen question answered No).
bool Main();

// Runs Main and then the event loop until the last window has gone.
int RunProgram(QApplication& app);

} // namespace qm
