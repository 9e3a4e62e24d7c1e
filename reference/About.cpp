#include "reference/About.h"
#include "app/Globals.h"
#include "app/Version.h"
#include "content/ModuleLoader.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QPlainTextEdit>

namespace qm {

QString AboutFilePath()
{
    if (CurCourse < 0 || CurCourse >= Courses.size()) return QString();
    const QString name = QStringLiteral("About ") + Courses[CurCourse].Name + QStringLiteral(".txt");
    const QString path = ContentPathInside(JoinPath(ContentRoot(), QStringLiteral("About")), name);
    return path.isEmpty() ? QString() : ResolveContentPath(path);
}

About::About() : SkinnedDialog<About>(QStringLiteral("About"))
{
    // Wide enough for the lines of a course's About text to stand unbroken.
    SetupDialog(this, QSize(640, 400));
    Label2 = NewHeading(this, QStringLiteral("Label2"), -1, QRect(12, 8, 610, 22));
    Text1 = Place(this, new QPlainTextEdit(this), QStringLiteral("Text1"), QRect(20, 48, 600, 250));
    Text1->setReadOnly(true);
    Label4 = NewLabel(this, QStringLiteral("Label4"), QRect(20, 310, 600, 20));
    Label5 = NewLabel(this, QStringLiteral("Label5"), QRect(20, 332, 200, 20));
    Label6 = NewLabel(this, QStringLiteral("Label6"), QRect(220, 332, 80, 20));
    for (TextLabel* l : {Label4, Label5, Label6}) {
        l->setForeColor(0x333333);
        l->setWordWrap(false);
    }
    NewSkinButton(this, QStringLiteral("Picture1"), QStringLiteral("Label3"), -1, QRect(520, 360, 100, 28), Picture1,
                  Label3);
    Picture2 = NewPictureBox(this, QStringLiteral("Picture2"), QRect(0, 399, 1, 1));

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(Picture1, Label3, [this] { CloseAbout(); });
    buttons_->addOtherControl(Picture2);
    buttons_->setEscapeExits(false);
}

void About::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Label2->setText(GetResString(415));
    Label4->setText(GetResString(417));
    Label5->setText(GetResString(418));
    // The version starts where the product's name ends, however long it is.
    // Only the width follows the text: both labels keep one height, so that
    // their texts share a baseline.
    Label5->resize(Label5->sizeHint().width(), Label6->height());
    Label6->move(Label5->x() + Label5->width(), Label6->y());
    Label6->setText(QString::fromLatin1(kProgramVersion));
    Label3->setText(GetResString(416));
    buttons_->showNormal(Picture1);

    // A missing or unreadable file leaves the text empty, without a message;
    // one over its cap is named.
    QString text;
    QString error;
    ContentRead outcome = ContentRead::Done;
    const QString path = AboutFilePath();
    if (!path.isEmpty() && ReadContentText(path, text, kMaxAboutBytes, &error, &outcome)) Text1->setPlainText(text);
    else if (outcome == ContentRead::TooLarge) MsgBox(error);
}

void About::CloseAbout()
{
    buttons_->showNormal(Picture1);
    unload();
}

void ShowAbout() { About::instance().showModal(Form1::ifLoaded()); }

} // namespace qm
