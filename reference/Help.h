#pragma once
#include "ui/Form.h"

namespace qm {

class PictureBox;
class SkinnedButtonSet;
class TextControl;
class TextLabel;

// The help viewer: one help document in a text view and a Close button.
// The window that offers help loads its document into TXTextControl1 and
// shows the viewer modal over itself; closing hides the viewer, which stays
// loaded for the next opener.
class Help : public SingleForm<Help> {
    Q_OBJECT
public:
    Help();

    void CloseHelp();

    TextControl* TXTextControl1 = nullptr;
    PictureBox* Command1 = nullptr;
    TextLabel* Label2 = nullptr;   // Label2(1), the caption on Command1
    PictureBox* Picture1 = nullptr; // takes the focus away from the button
    SkinnedButtonSet* buttons() const { return buttons_; }

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;
    bool Form_QueryUnload(int unloadMode) override;
    void Form_MouseMove() override;

private:
    SkinnedButtonSet* buttons_ = nullptr;
};

// Loads a help document of the program folder (such as "StatusHelp.rtf")
// into the viewer and shows it modal over owner; returns once it is closed.
// A document that cannot be read is reported and the viewer is not shown;
// false then.
bool ShowHelpDocument(const QString& fileName, QWidget* owner);

} // namespace qm
