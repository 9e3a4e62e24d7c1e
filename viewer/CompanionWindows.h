#pragma once

namespace qm {

// Unloads the windows that go with the main window: the glossary when the
// learner leaves the course, a slideshow with nothing to show, the test
// window.
void UnloadCompanionWindows();

} // namespace qm
