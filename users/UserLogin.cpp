#include "users/UserLogin.h"
#include "app/Globals.h"
#include "assessment/StatusWindow.h"
#include "platform/MessageBox.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "users/NewUserLogin.h"
#include "users/SignIn.h"
#include "users/UserFiles.h"
#include "viewer/Form1.h"

#include <QComboBox>

namespace qm {

UserLogin::UserLogin() : SkinnedDialog<UserLogin>(QStringLiteral("UserLogin"))
{
    SetupDialog(this, QSize(400, 300));
    Label2[9] = NewHeading(this, QStringLiteral("Label2"), 9, QRect(12, 8, 340, 22));
    Exit_btn = NewPictureBox(this, QStringLiteral("Exit_btn"), QRect(368, 6, 24, 24));

    Label2[5] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 44, 360, 22), nullptr, 5);
    // Room for two lines: at larger text the hint wraps, and sits on the box,
    // which grows with the text (so Sign in keeps its distance).
    Label2[8] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 66, 360, 40), nullptr, 8);
    Label2[8]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    UserName_Cmb_3 = Place(this, new QComboBox(this), QStringLiteral("UserName_Cmb_3"), QRect(20, 110, 360, 28));
    SetFieldLook(UserName_Cmb_3, false);
    NewSkinButton(this, QStringLiteral("SignIN_Btn_5"), QStringLiteral("Label2"), 2, QRect(280, 156, 100, 28),
                  SignIN_Btn_5, Label2[2]);

    Label2[4] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 214, 360, 22), nullptr, 4);
    NewSkinButton(this, QStringLiteral("Here_Btn_5"), QStringLiteral("Label2"), 1, QRect(280, 256, 100, 28), Here_Btn_5,
                  Label2[1]);
    for (int i : {4, 5, 8}) Label2[i]->setForeColor(0x333333);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(Here_Btn_5, Label2[1], [this] { Register(); });
    buttons_->addPlainButton(SignIN_Btn_5, Label2[2], [this] { SignIn(); }, true);
    buttons_->setExitButton(Exit_btn, QStringLiteral("ExitButton_On.jpg"), QStringLiteral("ExitButton_Off.jpg"),
                            [this] { ExitLogin(); }, SkinnedButtonSet::ExitOnEnter::WhenTagIsOn);
    buttons_->setEscapeExits(false);
    buttons_->addOtherControl(UserName_Cmb_3);
    buttons_->setEnablingTimer([this] { Timer1_Timer(); }, 100, true);
    setTabOrder(UserName_Cmb_3, SignIN_Btn_5);
    setTabOrder(SignIN_Btn_5, Here_Btn_5);
    setTabOrder(Here_Btn_5, Exit_btn);
}

void UserLogin::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Label2[9]->setText(GetResString(300));
    Label2[4]->setText(GetResString(303));
    Label2[5]->setText(GetResString(305));
    Label2[8]->setText(GetResString(306));
    Label2[1]->setText(GetResString(308));
    Label2[2]->setText(GetResString(309));
    Exit_btn->setToolTip(GetResString(103));

    buttons_->showDisabled(SignIN_Btn_5);
    QStringList names;
    qint16 count = 0;
    GetUserList(names, count);
    UserName_Cmb_3->clear();
    UserName_Cmb_3->addItems(names);
    UserName_Cmb_3->setCurrentIndex(-1);
    buttons_->showExit(false);
    buttons_->showNormal(Here_Btn_5);
}

void UserLogin::Timer1_Timer()
{
    const bool present = !UserName_Cmb_3->currentText().isEmpty();
    if (present) {
        SignIN_Btn_5->setEnabled(true);
        const quint32 c = Label2[2]->foreColor();
        if (c == kGrey || c == kWhite) {
            Label2[2]->setForeColor(kWhite);
            SignIN_Btn_5->setSkin(QStringLiteral("Button_Off.jpg"));
        }
    } else {
        buttons_->showDisabled(SignIN_Btn_5);
    }
}

void UserLogin::SignIn()
{
    SignIN_Btn_5->setSkin(QStringLiteral("Button_Off.jpg"));
    const int index = UserName_Cmb_3->currentIndex();
    if (index < 0) return;
    const QString folder = UserName_Cmb_3->itemText(index);
    QString problem;
    if (!TakeLearnerFromFolder(folder, &problem)) {
        MsgBox(problem, vbExclamation);
        return;
    }
    EnsureCourseFile();
    if (!ResumeAtBookmark(&problem)) {
        // Nobody is signed in until a bookmark could be read.
        SignOutLearner();
        MsgBox(problem, vbExclamation);
        return;
    }
    unload();
    ShowStatusForm();
}

void UserLogin::Register()
{
    Here_Btn_5->setSkin(QStringLiteral("Button_Off.jpg"));
    NewUserLogin& reg = NewUserLogin::instance();
    reg.InitNewUserForm();
    reg.showModal(Form1::ifLoaded());
}

void UserLogin::ExitLogin()
{
    buttons_->showExit(false);
    if (MsgBox(GetResString(124), vbYesNo, GetResString(125)) != vbYes) return;
    unload();
    ExitRequested = true;
}

} // namespace qm
