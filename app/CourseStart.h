#pragma once

namespace qm {

// Takes the catalogue entry at course (CurCourse and AllModulesMode become
// these): shows the splash window and (re)loads the main window, whose load
// reads the course's first module. The splash window's unload then starts the
// learner's visit. A change of course to an entry that cannot be opened says
// why and returns false, leaving the main window and its course as they were.
bool StartChosenCourse(int course, int allModulesMode);

} // namespace qm
