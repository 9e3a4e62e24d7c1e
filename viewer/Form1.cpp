#include "viewer/Form1.h"
#include "app/Globals.h"
#include "content/CourseData.h"
#include "platform/MessageBox.h"
#include "platform/ScreenMetrics.h"
#include "platform/TextControl.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/ScaleForm.h"
#include "ui/TakeKeys.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/ChromeHover.h"
#include "viewer/CompanionWindows.h"
#include "viewer/KeyboardShortcuts.h"
#include "viewer/ModuleMenu.h"
#include "viewer/MovieObjects.h"
#include "viewer/Hyperlinks.h"
#include "viewer/Navigation.h"
#include "viewer/ToolbarMenu.h"
#include "viewer/ToolCommands.h"
#include "viewer/TopicMenu.h"
#include "viewer/Trademark.h"

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
    shortcuts_.reset();
    removeEventFilter(hover);
    if (CurrentPageView() == this) SetPageView(nullptr);
}

void Form1::buildControls()
{
    // The layout follows the main window's background skin: a title bar on
    // top, the page in the middle and the navigation bar at the bottom.
    Picture2 = NewPictureBox(this, QStringLiteral("Picture2"), QRect(0, 0, 1024, 768));
    Picture2->setFocusPolicy(Qt::NoFocus);
    Picture2->setSkin(QStringLiteral("MainBackground.jpg"));
    QWidget* bg = Picture2;

    // The heading and the course name below it share the title bar: each
    // has room for its text at larger fonts without reaching the other.
    Label1 = NewLabel(this, QStringLiteral("Label1"), QRect(16, 4, 900, 26), bg);
    QFont heading = Label1->font();
    heading.setPointSize(13);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setForeColor(kWhite);
    Label1->setWordWrap(false);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setElided(true); // long module and topic titles
    connect(Label1, &TextLabel::clicked, this, [this] { CloseAllMenus(); });

    CourseNameLbl = NewLabel(this, QStringLiteral("CourseNameLbl"), QRect(16, 34, 900, 20), bg);
    CourseNameLbl->setForeColor(0xFFE0E0);
    CourseNameLbl->setWordWrap(false);
    connect(CourseNameLbl, &TextLabel::clicked, this, [this] { CourseNameLbl_Click(); });

    Min_btn = NewPictureBox(this, QStringLiteral("Min_btn"), QRect(956, 16, 24, 24), bg);
    Min_btn->setSkin(QStringLiteral("minimizeOff.jpg"));
    connect(Min_btn, &PictureBox::clicked, this, [this] { Min_btn_Click(); });
    Exit_Pic = NewPictureBox(this, QStringLiteral("Exit_Pic"), QRect(988, 16, 24, 24), bg);
    Exit_Pic->setSkin(QStringLiteral("ExitButton_Off.jpg"));
    connect(Exit_Pic, &PictureBox::clicked, this, [this] { Exit_Pic_Click(); });

    TXTextControl1 = Place(this, new TextControl(bg), QStringLiteral("TXTextControl1"), QRect(16, 66, 992, 636));
    connect(TXTextControl1, &TextControl::hyperlinkClick, this,
            [this](int item, int kind, QString* target, bool* follow) { HyperlinkClick(*this, item, kind, target, follow); });
    connect(TXTextControl1, &TextControl::textClick, this, [this] { PageTextClick(*this); });
    connect(TXTextControl1, &TextControl::objectClick, this, [this](int id) { PageObjectClick(*this, id); });
    connect(TXTextControl1, &TextControl::itemQuery, this, [](int item, int* answer) { PageItemQuery(item, answer); });

    Modules = NewPictureBox(this, QStringLiteral("Modules"), QRect(12, 724, 140, 32), bg);
    Modules->setSkin(QStringLiteral("ModuleMenu_ButtonClosedOff.jpg"));
    ModLabel = NewLabel(this, QStringLiteral("ModLabel"), QRect(20, 730, 96, 20), bg);
    toolBar_But = NewPictureBox(this, QStringLiteral("toolBar_But"), QRect(160, 724, 140, 32), bg);
    toolBar_But->setSkin(QStringLiteral("ToolbarMenu_OpenOff.jpg"));
    ToolLabel = NewLabel(this, QStringLiteral("ToolLabel"), QRect(168, 730, 96, 20), bg);
    for (TextLabel* l : {ModLabel, ToolLabel}) {
        l->setAlignment(Qt::AlignCenter);
        l->setForeColor(kWhite);
        l->setWordWrap(false);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    Prev = NewPictureBox(this, QStringLiteral("Prev"), QRect(852, 724, 48, 32), bg);
    Prev->setSkin(QStringLiteral("previousOff.jpg"));
    connect(Prev, &PictureBox::mouseDown, this, [this] { CloseAllMenus(); });
    connect(Prev, &PictureBox::mouseUp, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) PrevPage();
    });
    Return_Btn = NewPictureBox(this, QStringLiteral("Return_Btn"), QRect(908, 724, 48, 32), bg);
    Return_Btn->setSkin(QStringLiteral("ReturnButtonDisabled.jpg"));
    Return_Btn->setEnabled(false);
    connect(Return_Btn, &PictureBox::clicked, this, [] { ReturnToSavedPage(); });
    NextBtn = NewPictureBox(this, QStringLiteral("NextBtn"), QRect(964, 724, 48, 32), bg);
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

    // The menus lie over the page; the tooltip over everything.
    toolbarMenu = new ToolbarMenu(*this);
    moduleMenu = new ModuleMenu(*this);
    topicMenu = new TopicMenu(*this);
    hover = new ChromeHover(*this);
    shortcuts_ = std::make_unique<KeyboardShortcuts>(*this);
    Movies = new MovieObjects(TXTextControl1, this);
    connect(TXTextControl1, &TextControl::objectWindowRequest, Movies, &MovieObjects::ObjectWindowRequest,
            Qt::DirectConnection);
    connect(TXTextControl1, &TextControl::objectLoad, Movies, &MovieObjects::ObjectLoad, Qt::DirectConnection);
}

void Form1::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    ScreenScaleMode = Screen().twipsPerPixelX == 15 ? 0 : 3;
    LoadMenuCaptions();
    SetPageView(this);
    if (InitCourseData()) {
        CourseNameLbl->setText(CurrentCourse().Name);
        // The first page is titled before anybody signs in; signing in
        // records the visit.
        ShowHeading();
        GreyButtonsAtCourseEnds();
    } else {
        // A course without one readable module cannot be taken: say which,
        // and the window goes (the start then offers the chooser again).
        const QString name = CurCourse >= 0 && CurCourse < Courses.size() ? Courses[CurCourse].Name : QString();
        MsgBox(GetResString(620) + name, vbExclamation);
        unload();
        return;
    }
    BuildModuleMenu();
    BuildToolbarMenu();
    // The exit poll runs from the start: a sign-in window shown at once over
    // this window may keep it from ever being activated, and its Exit must
    // still end the visit.
    Timer1->setInterval(300);
    Timer1->start();
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

void Form1::Min_btn_Click() { MinimiseCommand(); }

void Form1::Form_KeyUp(int keyCode, int shift) { shortcuts_->keyUp(keyCode, shift); }

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

void Form1::CloseAllMenus()
{
    moduleMenu->Timer4->stop();
    moduleMenu->CloseModuleMenu();
    topicMenu->CloseTopicMenu();
    toolbarMenu->CloseToolbarMenu();
}

void Form1::TakeKeysBack() { TakeKeys(ifLoaded()); }

void Form1::BuildModuleMenu() { moduleMenu->BuildModuleMenu(); }
void Form1::BuildToolbarMenu() { toolbarMenu->BuildToolbarMenu(); }
void Form1::RemoveMovieControl() { Movies->RemoveMovieControl(); }

void Form1::ShowToolTip(QWidget* control, int show, const QString& text)
{
    hover->ShowToolTip(Picture2, control, show, text);
}

bool Form1::LoadPage(const QString& path, QString* error)
{
    if (TXTextControl1->load(path, TextControl::LoadKind::Page)) return true;
    if (error) *error = TXTextControl1->errorText();
    return false;
}

void Form1::Refresh() { TXTextControl1->refresh(); }

} // namespace qm
