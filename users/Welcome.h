#pragma once
#include "ui/Form.h"

namespace qm {

class PictureBox;
class SkinnedButtonSet;
class TextLabel;

// Shown at the start of a visit when the machine knows exactly one learner:
// Sign in (resume at the bookmark), Switch ID or Exit.
class Welcome : public SingleForm<Welcome> {
    Q_OBJECT
public:
    Welcome();

    // Reads the learner of the folder, makes them the current learner and
    // prepares their course file. False (with a reason) when the folder holds
    // no readable User file.
    bool InitWelcomeForm(const QString& folder, QString& first, QString& last, QString& email,
                         QString* problem = nullptr);
    void SignIn();
    void SwitchId();
    void ExitWelcome();

    PictureBox* SignIn_Btn_2 = nullptr;
    PictureBox* New_Btn_3 = nullptr;
    PictureBox* Exit_btn = nullptr;
    PictureBox* Picture1 = nullptr;
    TextLabel* Welcome_lbl_1 = nullptr;
    TextLabel* New_lbl_3 = nullptr;
    TextLabel* Label2[10] = {};
    QString BookmarkModule;
    QString BookmarkPage;
    SkinnedButtonSet* buttons() const { return buttons_; }

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;
    bool Form_KeyPress(int keyAscii) override;
    bool Form_QueryUnload(int unloadMode) override;
    void Form_MouseMove() override;

private:
    SkinnedButtonSet* buttons_ = nullptr;
    bool closingByCode_ = false;
};

} // namespace qm
