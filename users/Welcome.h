#pragma once
#include "ui/SkinnedDialog.h"

namespace qm {

class PictureBox;
class TextLabel;

// Shown at the start of a visit when the machine knows exactly one learner:
// Sign in (resume at the bookmark), Switch ID or Exit.
class Welcome : public SkinnedDialog<Welcome> {
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

protected:
    void Form_Load() override;
    bool Form_KeyPress(int keyAscii) override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    bool closingByCode_ = false;
};

} // namespace qm
