#include "app/CourseSelection.h"
#include "app/CourseStart.h"
#include "app/Globals.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/Form1.h"

#include <QComboBox>

namespace qm {

CourseSelection::CourseSelection() : SkinnedDialog<CourseSelection>(QStringLiteral("CourseSelection"))
{
    SetupDialog(this, QSize(400, 300));
    // The title band names the choice: a first choice or a change of course.
    Label1 = NewHeading(this, QStringLiteral("Label1"), -1, QRect(12, 8, 340, 22));
    Label2 = NewHeading(this, QStringLiteral("Label2"), -1, QRect(12, 8, 340, 22));
    Exit_btn = NewPictureBox(this, QStringLiteral("Exit_btn"), QRect(368, 6, 24, 24));

    CourseList = Place(this, new QComboBox(this), QStringLiteral("CourseList"), QRect(20, 80, 360, 28));
    SetFieldLook(CourseList, false);

    NewSkinButton(this, QStringLiteral("BeginCourse"), QStringLiteral("OKlbl"), -1, QRect(180, 256, 100, 28),
                  BeginCourse, OKlbl);
    NewSkinButton(this, QStringLiteral("Cancel"), QStringLiteral("Cancellbl"), -1, QRect(288, 256, 100, 28), Cancel,
                  Cancellbl);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(BeginCourse, OKlbl, [this] { BeginSelectedCourse(); }, true);
    buttons_->addPlainButton(Cancel, Cancellbl, [this] { CancelSelection(); });
    buttons_->setExitButton(Exit_btn, QStringLiteral("ExitButton_On.jpg"), QStringLiteral("ExitButton_Off.jpg"),
                            [this] { ExitSelection(); });
    buttons_->setEnterOrder({Cancel, BeginCourse});
    buttons_->addOtherControl(CourseList);
    buttons_->setEnablingTimer([this] { Timer1_Timer(); }, 100);
    setTabOrder(CourseList, BeginCourse);
    setTabOrder(BeginCourse, Cancel);
    setTabOrder(Cancel, Exit_btn);
}

void CourseSelection::InsertFormText()
{
    Label1->setText(GetResString(200));
    Label2->setText(GetResString(201));
    OKlbl->setText(GetResString(122));
    Cancellbl->setText(GetResString(123));
    Exit_btn->setToolTip(GetResString(103));
}

void CourseSelection::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    InsertFormText();
    buttons_->showAllNormal();
    buttons_->enableWhen(BeginCourse, false);

    const bool changing = Form1::ifLoaded() != nullptr;
    Label1->setVisible(!changing);
    Label2->setVisible(changing);
    CourseList->clear();
    if (!IsArrayDimensioned(Courses)) {
        MsgBox(GetResString(529));
        EndProcess();
        return;
    }
    QStringList names;
    names.reserve(Courses.size());
    for (const CourseRecord& c : Courses) names.append(c.Name);
    CourseList->addItems(names);
    CourseList->setCurrentIndex(-1);

    if (Courses.size() > 1) {
        showModeless();
        CourseList->setFocus();
        return;
    }
    // A single course is taken at once; the chooser stays loaded and hidden
    // until the splash window unloads it.
    StartChosenCourse(0, AllModulesMode);
}

void CourseSelection::Timer1_Timer() { buttons_->enableWhen(BeginCourse, CourseList->currentIndex() >= 0); }

void CourseSelection::BeginSelectedCourse()
{
    const int selected = CourseList->currentIndex();
    if (selected < 0) return;
    const int allModules = selected == CourseList->count() - 1 && Courses.size() > 1 ? 1 : 0;
    unload();
    StartChosenCourse(selected, allModules);
}

void CourseSelection::CancelSelection()
{
    unload();
    // A change of course given up: the course on view takes the keys again.
    Form1::TakeKeysBack();
}

void CourseSelection::ExitSelection() { CancelSelection(); }

void CourseSelection::Form_KeyUp(int keyCode, int) { buttons_->keyUp(keyCode); }

} // namespace qm
