#include "users/ProfileBox.h"
#include "app/Globals.h"
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
#include "users/ProfileCheck.h"
#include "users/UserFiles.h"
#include "viewer/Form1.h"

#include <QLineEdit>

namespace qm {

ProfileBox::ProfileBox() : SkinnedDialog<ProfileBox>(QStringLiteral("ProfileBox"))
{
    SetupDialog(this, QSize(400, 260));
    Label1 = NewHeading(this, QStringLiteral("Label1"), -1, QRect(12, 8, 370, 22));
    const int left = 20, fieldLeft = 140, fieldWidth = 240;
    FirstNameLabel = NewLabel(this, QStringLiteral("FirstNameLabel"), QRect(left, 62, 115, 24));
    FirstNameField = Place(this, new QLineEdit(this), QStringLiteral("FirstNameField"), QRect(fieldLeft, 60, fieldWidth, 28));
    LastNameLabel = NewLabel(this, QStringLiteral("LastNameLabel"), QRect(left, 102, 115, 24));
    LastNameField = Place(this, new QLineEdit(this), QStringLiteral("LastNameField"), QRect(fieldLeft, 100, fieldWidth, 28));
    EmailLabel = NewLabel(this, QStringLiteral("EmailLabel"), QRect(left, 142, 115, 24));
    EmailField = Place(this, new QLineEdit(this), QStringLiteral("EmailField"), QRect(fieldLeft, 140, fieldWidth, 28));
    for (TextLabel* l : {FirstNameLabel, LastNameLabel, EmailLabel}) l->setForeColor(0x333333);
    for (QLineEdit* field : {FirstNameField, LastNameField, EmailField}) {
        field->setMaxLength(100);
        SetFieldLook(field, false);
    }

    NewSkinButton(this, QStringLiteral("OkayBut"), QStringLiteral("Label2"), -1, QRect(180, 216, 100, 28), OkayBut,
                  Label2);
    NewSkinButton(this, QStringLiteral("CancelBut"), QStringLiteral("Label3"), -1, QRect(288, 216, 100, 28), CancelBut,
                  Label3);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(OkayBut, Label2, [this] { OkayBut_Click(); });
    buttons_->addPlainButton(CancelBut, Label3, [this] { CancelBut_Click(); });
    for (QLineEdit* field : {FirstNameField, LastNameField, EmailField}) buttons_->addOtherControl(field);
    buttons_->setEscapeExits(false);
    setTabOrder(FirstNameField, LastNameField);
    setTabOrder(LastNameField, EmailField);
    setTabOrder(EmailField, OkayBut);
    setTabOrder(OkayBut, CancelBut);
}

void ProfileBox::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Label1->setText(GetResString(400));
    FirstNameLabel->setText(GetResString(401));
    LastNameLabel->setText(GetResString(402));
    EmailLabel->setText(GetResString(403));
    Label2->setText(GetResString(404));
    Label3->setText(GetResString(405));
    buttons_->showNormal(OkayBut);
    buttons_->showNormal(CancelBut);
}

bool ProfileBox::OkayBut_Click()
{
    const QString email = EmailField->text();
    const ProfileCheck check = CheckProfile(FirstNameField->text(), LastNameField->text(), email);
    // The fields show the names as far as the checks trimmed them.
    FirstNameField->setText(check.firstName);
    LastNameField->setText(check.lastName);
    if (!check.ok()) {
        MsgBox(check.message.text(), vbExclamation, check.message.title());
        return false;
    }
    // The file and the folder change together or not at all; a failure is
    // reported and the learner may correct the details or cancel.
    QString problem;
    if (!UpdateUserProfile(check.firstName, check.lastName, email, &problem)) {
        MsgBox(GetResString(546) + QStringLiteral("\n") + problem, vbExclamation, GetResString(547));
        return false;
    }
    buttons_->showNormal(OkayBut);
    hide();
    return true;
}

void ProfileBox::CancelBut_Click()
{
    buttons_->showNormal(CancelBut);
    unload();
}

void ShowProfileBox()
{
    ProfileBox& box = ProfileBox::instance();
    box.FirstNameField->setText(UserFirstName);
    box.LastNameField->setText(UserLastName);
    box.EmailField->setText(UserEmail);
    box.showModal(Form1::ifLoaded());
    // The editor stays loaded after OK; it must not die with a main window
    // that is reloaded for another course.
    if (ProfileBox* still = ProfileBox::ifLoaded(); still && still->parentWidget())
        still->setParent(nullptr, Qt::Window);
}

} // namespace qm
