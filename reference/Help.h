#pragma once
#include "ui/SkinnedDialog.h"

namespace qm {

class PictureBox;
class TextControl;
class TextLabel;

// The help viewer: one help document in a text view and a Close button.
// The window that offers help loads its document into TXTextControl1 and
// shows the viewer modal over itself; closing hides the viewer, which stays
// loaded for the next opener.
class Help : public SkinnedDialog<Help> {
    Q_OBJECT
public:
    Help();

    void CloseHelp();

    TextControl* TXTextControl1 = nullptr;
    PictureBox* Command1 = nullptr;
    TextLabel* Label2 = nullptr;   // Label2(1), the caption on Command1
    PictureBox* Picture1 = nullptr; // takes the focus away from the button

protected:
    void Form_Load() override;
    bool Form_QueryUnload(int unloadMode) override;
};

// Loads a help document of the program folder (such as "StatusHelp.rtf")
// into the viewer and shows it modal over owner; returns once it is closed.
// A document that cannot be read is reported and the viewer is not shown;
// false then.
bool ShowHelpDocument(const QString& fileName, QWidget* owner);

} // namespace qm
