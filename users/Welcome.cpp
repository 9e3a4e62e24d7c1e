#include "users/Welcome.h"
#include "app/Globals.h"
#include "assessment/StatusWindow.h"
#include "content/LinkedList.h"
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
#include "users/SignIn.h"
#include "users/UserLogin.h"
#include "viewer/Form1.h"

namespace qm {

Welcome::Welcome() : SkinnedDialog<Welcome>(QStringLiteral("Welcome"))
{
    SetupDialog(this, QSize(400, 300));
    Picture1 = NewPictureBox(this, QStringLiteral("Picture1"), QRect(0, 36, 400, 264));
    Picture1->lower();
    connect(Picture1, &PictureBox::mouseMoved, this, [this] { setMousePointer(vbDefault); });
    Label2[9] = NewHeading(this, QStringLiteral("Label2"), 9, QRect(12, 8, 340, 22));
    Exit_btn = NewPictureBox(this, QStringLiteral("Exit_btn"), QRect(368, 6, 24, 24));
    Label2[3] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 52, 360, 24), nullptr, 3);
    QFont bold = Label2[3]->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    Label2[3]->setFont(bold);
    Welcome_lbl_1 = NewLabel(this, QStringLiteral("Welcome_lbl_1"), QRect(20, 80, 360, 24));
    Welcome_lbl_1->setFont(bold);
    Label2[8] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 124, 360, 22), nullptr, 8);
    New_lbl_3 = NewLabel(this, QStringLiteral("New_lbl_3"), QRect(20, 148, 360, 22));
    Label2[4] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 172, 360, 22), nullptr, 4);
    Label2[2] = NewLabel(this, QStringLiteral("Label2"), QRect(20, 196, 360, 1), nullptr, 2);
    Label2[2]->hide(); // the short form of the sentence, kept for small screens
    for (TextLabel* l : {Label2[3], Welcome_lbl_1, Label2[8], New_lbl_3, Label2[4]}) l->setForeColor(0x333333);

    // Wide enough for "Switch ID" at larger text.
    NewSkinButton(this, QStringLiteral("SignIn_Btn_2"), QStringLiteral("Label2"), 0, QRect(160, 256, 110, 28),
                  SignIn_Btn_2, Label2[0]);
    NewSkinButton(this, QStringLiteral("New_Btn_3"), QStringLiteral("Label2"), 1, QRect(278, 256, 110, 28), New_Btn_3,
                  Label2[1]);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(SignIn_Btn_2, Label2[0], [this] { SignIn(); });
    buttons_->addPlainButton(New_Btn_3, Label2[1], [this] { SwitchId(); });
    buttons_->setExitButton(Exit_btn, QStringLiteral("ExitButton_On.jpg"), QStringLiteral("ExitButton_Off.jpg"),
                            [this] { ExitWelcome(); }, SkinnedButtonSet::ExitOnEnter::WhenTagIsOn);
    buttons_->setEscapeExits(false);
}

void Welcome::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Exit_btn->setToolTip(GetResString(103));
    buttons_->showExit(false);
    buttons_->showNormal(SignIn_Btn_2);
    buttons_->showNormal(New_Btn_3);
}

bool Welcome::InitWelcomeForm(const QString& folder, QString& first, QString& last, QString& email, QString* problem)
{
    if (!TakeLearnerFromFolder(folder, problem)) return false;
    first = UserFirstName;
    last = UserLastName;
    email = UserEmail;
    EnsureCourseFile();
    Label2[9]->setText(GetResString(150));
    Label2[3]->setText(GetResString(151));
    Label2[8]->setText(GetResString(152));
    Label2[4]->setText(GetResString(153));
    Label2[2]->setText(GetResString(154));
    Label2[0]->setText(GetResString(155));
    Label2[1]->setText(GetResString(156));
    const QString name = first + ' ' + last;
    Welcome_lbl_1->setText(name);
    New_lbl_3->setText(name);
    return true;
}

void Welcome::SignIn()
{
    setMousePointer(vbHourglass);
    Label2[0]->setForeColor(0xFFFFFF);
    SignIn_Btn_2->setSkin(QStringLiteral("Button_Off.jpg"));
    QString problem;
    if (!ResumeAtBookmark(&problem)) {
        setMousePointer(vbDefault);
        MsgBox(problem, vbExclamation);
        return;
    }
    setMousePointer(vbDefault);
    closingByCode_ = true;
    unload();
    ShowStatusForm();
}

void Welcome::SwitchId()
{
    // The welcomed learner is not the one at the keyboard: record nothing
    // for them while another learner picks a name or registers.
    SignOutLearner();
    closingByCode_ = true;
    unload();
    UserLogin::instance().showModal(Form1::ifLoaded());
}

void Welcome::ExitWelcome()
{
    buttons_->showExit(false);
    if (MsgBox(GetResString(124), vbYesNo, GetResString(125)) != vbYes) return;
    closingByCode_ = true;
    unload();
    ExitRequested = true;
}

bool Welcome::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != vbFormControlMenu || closingByCode_) return false;
    if (MsgBox(GetResString(124), vbYesNo, GetResString(125)) != vbYes) return true;
    // Leaving the welcome by its close box leaves the course, as Exit does:
    // otherwise the course would go on with nobody signed in.
    ExitRequested = true;
    return false;
}

bool Welcome::Form_KeyPress(int keyAscii)
{
    if (keyAscii != 9) return false;
    QWidget* active = activeControl();
    const QString name = active ? active->objectName() : QString();
    if (name == QLatin1String("SignIn_Btn_2")) New_Btn_3->setFocus(Qt::TabFocusReason);
    else if (name == QLatin1String("New_Btn_3")) Exit_btn->setFocus(Qt::TabFocusReason);
    else SignIn_Btn_2->setFocus(Qt::TabFocusReason); // from Exit_btn, Picture1 or nothing
    return true;
}

} // namespace qm
