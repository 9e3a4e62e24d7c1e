#pragma once

namespace qm {

// The test window as the rest of the program reaches it: prepare the test of
// the current page, show it modal, and close it together with the main window.
bool InitTest();
// Tells the learner that the test of the current page cannot be run, and why
// (after InitTest returned false).
void ShowTestRefusal();
void ShowTestWindowModal();
void UnloadTestWindows();

} // namespace qm
