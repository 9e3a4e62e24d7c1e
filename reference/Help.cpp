#include "reference/Help.h"
#include "content/ModuleLoader.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/TextControl.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/WindowBackdrop.h"

#include <QPointer>

namespace qm {

Help::Help() : SkinnedDialog<Help>(QStringLiteral("Help"))
{
    NewBackdrop(this, QStringLiteral("HelpBackground"), QSize(600, 480), true);
    TXTextControl1 = Place(this, new TextControl(this), QStringLiteral("TXTextControl1"), QRect(12, 44, 576, 384));
    NewSkinButton(this, QStringLiteral("Command1"), QStringLiteral("Label2"), 1, QRect(488, 440, 100, 28), Command1,
                  Label2);
    Picture1 = NewPictureBox(this, QStringLiteral("Picture1"), QRect(0, 479, 1, 1));

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(Command1, Label2, [this] { CloseHelp(); });
    buttons_->addOtherControl(Picture1);
    setTabOrder(Picture1, TXTextControl1);
    setTabOrder(TXTextControl1, Command1);
}

void Help::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Label2->setText(GetResString(253));
    buttons_->showNormal(Command1);
}

void Help::CloseHelp()
{
    buttons_->showNormal(Command1);
    hide();
}

bool Help::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != vbFormControlMenu) return false;
    CloseHelp(); // the viewer is hidden, never unloaded, when closed
    return true;
}

bool ShowHelpDocument(const QString& fileName, QWidget* owner)
{
    Help& help = Help::instance();
    const QString path = ResolveContentPath(JoinPath(ContentRoot(), fileName));
    if (!help.TXTextControl1->load(path, TextControl::LoadKind::RichText)) {
        MsgBox(help.TXTextControl1->errorText(), vbExclamation);
        return false;
    }
    help.buttons()->showNormal(help.Command1);
    help.Picture1->setFocus();
    QPointer<Help> guard(&help);
    help.showModal(owner ? owner->window() : nullptr);
    // The viewer outlives the window it was shown over.
    if (guard && guard->parentWidget()) guard->setParent(nullptr, Qt::Window);
    return true;
}

} // namespace qm
