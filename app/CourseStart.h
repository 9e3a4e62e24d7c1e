#pragma once

namespace qm {

// Takes the course at CurCourse: shows the splash window and (re)loads the
// main window, whose load reads the course's first module. The splash
// window's unload then starts the learner's visit.
void StartChosenCourse();

} // namespace qm
