#pragma once

namespace qm {

class Form1;

// Parts of the main window that come with later work: the keyboard
// shortcuts, the trademark slideshow and the windows that close with the
// main window. Each is a clearly bounded seam.
void InstallKeyboardHook(Form1* window);
void RemoveKeyboardHook(Form1* window);
// Shows the trademark slideshow on exit (nothing to show yet).
void ShowTrademarkSlideshow();
// Unloads the windows that go with the main window (glossary on exit, a
// finished slideshow, the test window).
void UnloadCompanionWindows();

} // namespace qm
