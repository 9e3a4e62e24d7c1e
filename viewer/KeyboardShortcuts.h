#pragma once
#include <QSet>

namespace qm {

class Form1;

// The main window's shortcuts. They act on the release of a key while the
// main window is active, and only when the key's press was seen there too:
// a key whose press closed a message box does not act again on its release.
// The key always goes on to the focused control.
class KeyboardShortcuts {
public:
    explicit KeyboardShortcuts(Form1& window) : f_(window) {}
    void keyDown(int keyCode, int shift);
    void keyUp(int keyCode, int shift);

private:
    void altKey(int keyCode);
    void plainKey(int keyCode);
    void returnKey();
    Form1& f_;
    QSet<int> pressed_;
};

} // namespace qm
