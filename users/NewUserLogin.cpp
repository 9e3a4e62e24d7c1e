#include "users/NewUserLogin.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "platform/MessageBox.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/NameChecks.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "users/UserLogin.h"
#include "users/Registration.h"
#include "viewer/Form1.h"

#include <QLineEdit>

namespace qm {

NewUserLogin::NewUserLogin() : SkinnedDialog<NewUserLogin>(QStringLiteral("NewUserLogin"))
{
    SetupDialog(this, QSize(400, 300));
    Label2[5] = NewHeading(this, QStringLiteral("Label2"), 5, QRect(12, 8, 370, 22));
    const int left = 20, fieldLeft = 140, fieldWidth = 240;
    Label2[4] = NewLabel(this, QStringLiteral("Label2"), QRect(left, 70, 115, 24), nullptr, 4);
    LoginBox = Place(this, new QLineEdit(this), QStringLiteral("LoginBox"), QRect(fieldLeft, 68, fieldWidth, 28));
    Label2[3] = NewLabel(this, QStringLiteral("Label2"), QRect(left, 110, 115, 24), nullptr, 3);
    LastNameBox = Place(this, new QLineEdit(this), QStringLiteral("LastNameBox"), QRect(fieldLeft, 108, fieldWidth, 28));
    Label2[2] = NewLabel(this, QStringLiteral("Label2"), QRect(left, 150, 115, 24), nullptr, 2);
    EMailBox = Place(this, new QLineEdit(this), QStringLiteral("EMailBox"), QRect(fieldLeft, 148, fieldWidth, 28));
    for (int i : {2, 3, 4}) Label2[i]->setForeColor(0x333333);
    for (QLineEdit* box : {LoginBox, LastNameBox, EMailBox}) {
        box->setMaxLength(100);
        SetFieldLook(box, false);
    }

    NewSkinButton(this, QStringLiteral("SignIn_Btn"), QStringLiteral("Label2"), 1, QRect(180, 256, 100, 28), SignIn_Btn,
                  Label2[1]);
    NewSkinButton(this, QStringLiteral("Cancel_Btn"), QStringLiteral("Label2"), 0, QRect(288, 256, 100, 28), Cancel_Btn,
                  Label2[0]);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(SignIn_Btn, Label2[1], [this] { SignIn(); }, true);
    buttons_->addPlainButton(Cancel_Btn, Label2[0], [this] { CancelRegistration(); });
    for (QLineEdit* box : {LoginBox, LastNameBox, EMailBox}) buttons_->addOtherControl(box);
    buttons_->afterFocus = [this](QWidget* focused) {
        if (focused == SignIn_Btn) highlighted_ = true;
        else if (SignIn_Btn->isEnabled()) highlighted_ = false;
    };
    buttons_->setEnablingTimer([this] { Timer1_Timer(); }, 100, true);
    setTabOrder(LoginBox, LastNameBox);
    setTabOrder(LastNameBox, EMailBox);
    setTabOrder(EMailBox, SignIn_Btn);
    setTabOrder(SignIn_Btn, Cancel_Btn);
}

void NewUserLogin::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Label2[5]->setText(GetResString(320));
    Label2[4]->setText(GetResString(321));
    Label2[3]->setText(GetResString(322));
    Label2[2]->setText(GetResString(323));
    Label2[1]->setText(GetResString(324));
    Label2[0]->setText(GetResString(325));
    highlighted_ = false;
    buttons_->showNormal(SignIn_Btn);
    buttons_->showNormal(Cancel_Btn);
}

void NewUserLogin::InitNewUserForm()
{
    LoginBox->clear();
    LastNameBox->clear();
    EMailBox->clear();
    buttons_->showDisabled(SignIn_Btn);
    highlighted_ = false;
    buttons_->enablingTimer()->setInterval(100);
}

void NewUserLogin::Timer1_Timer()
{
    const bool present = !LoginBox->text().isEmpty() && !EMailBox->text().isEmpty();
    if (present) {
        SignIn_Btn->setEnabled(true);
        Label2[1]->setForeColor(highlighted_ ? kBlack : kWhite);
        SignIn_Btn->setSkin(highlighted_ ? QStringLiteral("Button_On.jpg") : QStringLiteral("Button_Off.jpg"));
    } else {
        SignIn_Btn->setEnabled(false);
        if (Label2[1]->foreColor() != kGrey) {
            Label2[1]->setForeColor(kGrey);
            SignIn_Btn->setSkin(QStringLiteral("Button_Dis.jpg"));
        }
    }
}

void NewUserLogin::SignIn()
{
    SignIn_Btn->setSkin(QStringLiteral("Button_Off.jpg"));
    const RegistrationCheck check = CheckRegistration(LoginBox->text(), LastNameBox->text(), EMailBox->text());
    // The boxes show the names as far as the checks trimmed them.
    LoginBox->setText(check.firstName);
    LastNameBox->setText(check.lastName);
    if (!check.ok()) {
        MsgBox(check.message.text(), vbExclamation, check.message.title());
        setMousePointer(vbDefault);
        return;
    }
    // Folders, User file, bookmark at the page shown and the visit record.
    QString problem;
    if (!RegisterLearner(check.firstName, check.lastName, EMailBox->text(), &problem)) {
        MsgBox(GetResString(546) + '\n' + problem, vbExclamation, GetResString(547));
        setMousePointer(vbDefault);
        return;
    }
    if (Form1* f = Form1::ifLoaded()) f->SetPrevButton(false, QStringLiteral("backDis.jpg"));
    setMousePointer(vbDefault);
    unload();
    if (UserLogin* login = UserLogin::ifLoaded()) login->unload();
}

void NewUserLogin::CancelRegistration()
{
    Label2[0]->setForeColor(kWhite);
    Cancel_Btn->setSkin(QStringLiteral("Button_Off.jpg"));
    unload();
}

void NewUserLogin::Form_KeyUp(int keyCode, int)
{
    if (keyCode != vbKeyReturn) return;
    if (Label2[1]->foreColor() == kBlack && SignIn_Btn->isEnabled()) SignIn();
    else if (Label2[0]->foreColor() == kBlack) CancelRegistration();
}

} // namespace qm
