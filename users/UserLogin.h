#pragma once
#include "ui/Form.h"

class QComboBox;

namespace qm {

class PictureBox;
class SkinnedButtonSet;
class TextLabel;

// The returning-user sign-in: pick a name and resume at the bookmark, or
// register, or leave the course.
class UserLogin : public SingleForm<UserLogin> {
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
    SkinnedButtonSet* buttons() const { return buttons_; }

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;
    void Form_MouseMove() override;

private:
    void Timer1_Timer();
    SkinnedButtonSet* buttons_ = nullptr;
};

} // namespace qm
