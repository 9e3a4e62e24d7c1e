#include "viewer/Form1.h"
#include "app/Globals.h"
#include "content/CourseData.h"
#include "platform/MessageBox.h"
#include "platform/ScreenMetrics.h"
#include "platform/TextControl.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/ScaleForm.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/Navigation.h"
#include "viewer/ViewerSeams.h"

#include <QApplication>

namespace qm {

Form1::Form1() : SingleForm<Form1>(QStringLiteral("Form1"))
{
    setWindowTitle(RunCaption());
    setFixedSize(1024, 768);
    buildControls();
}

Form1::~Form1()
{
    if (CurrentPageView() == this) SetPageView(nullptr);
}

void Form1::buildControls()
{
    Picture2 = NewPictureBox(this, QStringLiteral("Picture2"), QRect(0, 0, 1024, 768));
    Picture2->setFocusPolicy(Qt::NoFocus);
    Picture2->setBackColor(0xFAF3EE);
    QWidget* bg = Picture2;
    auto* banner = NewPictureBox(this, QStringLiteral("Banner"), QRect(0, 0, 1024, 56), bg);
    banner->setBackColor(0x993333);
    banner->setFocusPolicy(Qt::NoFocus);

    CourseNameLbl = NewLabel(this, QStringLiteral("CourseNameLbl"), QRect(20, 10, 860, 36), bg);
    QFont big = CourseNameLbl->font();
    big.setPointSize(18);
    big.setBold(true);
    CourseNameLbl->setFont(big);
    CourseNameLbl->setForeColor(kWhite);
    CourseNameLbl->setWordWrap(false);
    connect(CourseNameLbl, &TextLabel::clicked, this, [this] { CourseNameLbl_Click(); });

    Min_btn = NewPictureBox(this, QStringLiteral("Min_btn"), QRect(940, 12, 32, 32), bg);
    Min_btn->setSkin(QStringLiteral("minimizeOff.jpg"));
    connect(Min_btn, &PictureBox::clicked, this, [this] { Min_btn_Click(); });
    Exit_Pic = NewPictureBox(this, QStringLiteral("Exit_Pic"), QRect(980, 12, 32, 32), bg);
    Exit_Pic->setSkin(QStringLiteral("ExitButton_Off.jpg"));
    connect(Exit_Pic, &PictureBox::clicked, this, [this] { Exit_Pic_Click(); });

    Label1 = NewLabel(this, QStringLiteral("Label1"), QRect(20, 62, 984, 28), bg);
    QFont heading = Label1->font();
    heading.setPointSize(13);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setForeColor(0x663333);
    Label1->setWordWrap(false);
    connect(Label1, &TextLabel::clicked, this, [this] { CloseAllMenus(); });

    TXTextControl1 = Place(this, new TextControl(bg), QStringLiteral("TXTextControl1"), QRect(20, 96, 984, 590));

    Modules = NewPictureBox(this, QStringLiteral("Modules"), QRect(20, 700, 150, 44), bg);
    Modules->setSkin(QStringLiteral("ModuleMenu_ButtonClosedOff.jpg"));
    ModLabel = NewLabel(this, QStringLiteral("ModLabel"), QRect(30, 712, 130, 20), bg);
    toolBar_But = NewPictureBox(this, QStringLiteral("toolBar_But"), QRect(180, 700, 150, 44), bg);
    toolBar_But->setSkin(QStringLiteral("ToolbarMenu_ClosedOff.jpg"));
    ToolLabel = NewLabel(this, QStringLiteral("ToolLabel"), QRect(190, 712, 130, 20), bg);
    for (TextLabel* l : {ModLabel, ToolLabel}) {
        l->setAlignment(Qt::AlignCenter);
        l->setForeColor(kWhite);
        l->setWordWrap(false);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    Return_Btn = NewPictureBox(this, QStringLiteral("Return_Btn"), QRect(744, 700, 80, 44), bg);
    Return_Btn->setSkin(QStringLiteral("ReturnButtonDisabled.jpg"));
    Return_Btn->setEnabled(false);
    connect(Return_Btn, &PictureBox::clicked, this, [] { ReturnToSavedPage(); });
    Prev = NewPictureBox(this, QStringLiteral("Prev"), QRect(834, 700, 80, 44), bg);
    Prev->setSkin(QStringLiteral("previousOff.jpg"));
    connect(Prev, &PictureBox::mouseDown, this, [this] { CloseAllMenus(); });
    connect(Prev, &PictureBox::mouseUp, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) PrevPage();
    });
    NextBtn = NewPictureBox(this, QStringLiteral("NextBtn"), QRect(924, 700, 80, 44), bg);
    NextBtn->setSkin(QStringLiteral("nextOff.jpg"));
    connect(NextBtn, &PictureBox::mouseDown, this, [this] { CloseAllMenus(); });
    connect(NextBtn, &PictureBox::mouseUp, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) NextPage();
    });
    for (PictureBox* b : {NextBtn, Prev, Return_Btn, Exit_Pic, Min_btn, Modules, toolBar_But})
        b->setFocusPolicy(Qt::NoFocus);

    Picture1 = NewPictureBox(this, QStringLiteral("Picture1"), QRect(0, 0, 1, 1), bg);

    Timer1 = addControl(new QTimer(this));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form1::Form_Load()
{
    InstallKeyboardHook(this);
    ScaleFormToScreen(*this);
    ScreenScaleMode = Screen().twipsPerPixelX == 15 ? 0 : 3;
    LoadMenuCaptions();
    SetPageView(this);
    if (InitCourseData()) CourseNameLbl->setText(CurrentCourse().Name);
    BuildModuleMenu();
    BuildToolbarMenu();
}

void Form1::LoadMenuCaptions()
{
    ModLabel->setText(GetResString(102));
    ToolLabel->setText(GetResString(101));
    ToolMenuCaptions = {GetResString(104), GetResString(105), GetResString(106), GetResString(107),
                        GetResString(108), GetResString(201), GetResString(110)};
}

void Form1::Form_Activate()
{
    Timer1->setInterval(300);
    if (!Timer1->isActive()) Timer1->start();
}

void Form1::Timer1_Timer()
{
    QCoreApplication::processEvents();
    if (ExitRequested && isLoaded()) unload();
}

void Form1::Form_Unload()
{
    RemoveKeyboardHook(this);
    UnloadCompanionWindows();
    if (CurrentPageView() == this) SetPageView(nullptr);
}

bool Form1::Form_QueryUnload(int unloadMode)
{
    // The window manager's close box asks the same question as Exit.
    if (unloadMode == vbFormControlMenu) {
        Exit_Pic_Click();
        return true;
    }
    return false;
}

void Form1::Exit_Course() { Exit_Pic_Click(); }

void Form1::Exit_Pic_Click()
{
    if (MsgBox(GetResString(124), vbYesNo, GetResString(125)) != vbYes) return;
    ExitRequested = true;
    UpdateHeadingAndProgress();
    ShowTrademarkSlideshow();
    unload();
}

void Form1::CourseNameLbl_Click() { CloseAllMenus(); }

void Form1::Min_btn_Click() { showMinimized(); }

void Form1::NextPage()
{
    NextBtn->setSkin(QStringLiteral("nextOn.jpg"));
    Prev->setEnabled(true);
    Prev->setSkin(QStringLiteral("previousOff.jpg"));
    GoToNextPage();
}

void Form1::PrevPage()
{
    Prev->setSkin(QStringLiteral("previousOn.jpg"));
    NextBtn->setEnabled(true);
    NextBtn->setSkin(QStringLiteral("nextOff.jpg"));
    GoToPrevPage();
}

void Form1::SetNextButton(bool enabled, const QString& skin)
{
    NextBtn->setEnabled(enabled);
    NextBtn->setSkin(skin);
}

void Form1::SetPrevButton(bool enabled, const QString& skin)
{
    Prev->setEnabled(enabled);
    Prev->setSkin(skin);
}

void Form1::SetReturnButton(bool enabled, const QString& skin)
{
    Return_Btn->setEnabled(enabled);
    Return_Btn->setSkin(skin);
}

void Form1::DisableReturnButton()
{
    SetReturnButton(false, QStringLiteral("ReturnButtonDisabled.jpg"));
    ShowToolTip(nullptr, 0, QString());
}

// The slide-out menus are not built yet: these are their seams.
void Form1::CloseAllMenus() {}
void Form1::BuildModuleMenu() {}
void Form1::BuildToolbarMenu() {}
// Movies in pages are not built yet: nothing to remove.
void Form1::RemoveMovieControl() {}
// Hover tooltips are not built yet.
void Form1::ShowToolTip(QWidget*, int, const QString&) {}

bool Form1::LoadPage(const QString& path, QString* error) { return TXTextControl1->load(path, error); }

void Form1::Refresh() { TXTextControl1->refresh(); }

} // namespace qm
