#pragma once
#include "ui/SkinnedDialog.h"

class QComboBox;

namespace qm {

class PictureBox;
class TextLabel;

// The returning-user sign-in: pick a name and resume at the bookmark, or
// register, or leave the course.
class UserLogin : public SkinnedDialog<UserLogin> {
    Q_OBJECT
public:
    UserLogin();

    void SignIn();
    void Register();
    void ExitLogin();

    QComboBox* UserName_Cmb_3 = nullptr;
    PictureBox* SignIN_Btn_5 = nullptr;
    PictureBox* Here_Btn_5 = nullptr;
    PictureBox* Exit_btn = nullptr;
    TextLabel* Label2[10] = {};

protected:
    void Form_Load() override;

private:
    void Timer1_Timer();
};

} // namespace qm
