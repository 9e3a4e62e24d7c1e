#pragma once
#include "ui/SkinnedDialog.h"

class QLineEdit;

namespace qm {

class PictureBox;
class TextLabel;

// The "First time user" window: first name, last name and e-mail address;
// Sign in checks them and creates the learner.
class NewUserLogin : public SkinnedDialog<NewUserLogin> {
    Q_OBJECT
public:
    NewUserLogin();

    void InitNewUserForm();
    void SignIn();
    void CancelRegistration();

    QLineEdit* LoginBox = nullptr;
    QLineEdit* LastNameBox = nullptr;
    QLineEdit* EMailBox = nullptr;
    PictureBox* SignIn_Btn = nullptr;
    PictureBox* Cancel_Btn = nullptr;
    TextLabel* Label2[6] = {};
    bool signInHighlighted() const { return highlighted_; }

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;

private:
    void Timer1_Timer();
    bool highlighted_ = false;
};

} // namespace qm
