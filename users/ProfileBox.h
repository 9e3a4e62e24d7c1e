#pragma once
#include "ui/SkinnedDialog.h"

class QLineEdit;

namespace qm {

class PictureBox;
class TextLabel;

// "Edit profile": the signed-in learner corrects first name, last name and
// e-mail address. OK checks them, rewrites the learner's User file and
// renames the learner's folder (all or nothing); Cancel changes nothing.
class ProfileBox : public SkinnedDialog<ProfileBox> {
    Q_OBJECT
public:
    ProfileBox();

    // Returns true when the profile was changed and the window hidden.
    bool OkayBut_Click();
    void CancelBut_Click();

    QLineEdit* FirstNameField = nullptr;
    QLineEdit* LastNameField = nullptr;
    QLineEdit* EmailField = nullptr;
    PictureBox* OkayBut = nullptr;
    PictureBox* CancelBut = nullptr;
    TextLabel* Label1 = nullptr;
    TextLabel* Label2 = nullptr; // OK's caption
    TextLabel* Label3 = nullptr; // Cancel's caption
    TextLabel* FirstNameLabel = nullptr;
    TextLabel* LastNameLabel = nullptr;
    TextLabel* EmailLabel = nullptr;

protected:
    void Form_Load() override;
};

// Fills the profile editor with the signed-in learner's details and shows it
// modal over the main window; returns once it is closed.
void ShowProfileBox();

} // namespace qm
