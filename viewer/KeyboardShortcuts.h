#pragma once

namespace qm {

class Form1;

// The main window's shortcuts. They act on the release of a key while the
// main window is active; the window passes on only releases whose press it
// saw (a key whose press closed a message box does not act again on its
// release). The key always goes on to the focused control.
class KeyboardShortcuts {
public:
    explicit KeyboardShortcuts(Form1& window) : f_(window) {}
    void keyUp(int keyCode, int shift);

private:
    void altKey(int keyCode);
    void plainKey(int keyCode);
    void returnKey();
    Form1& f_;
};

} // namespace qm
