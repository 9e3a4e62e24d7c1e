#include "viewer/ToolbarMenu.h"
#include "app/Globals.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/ChromeHover.h"
#include "viewer/Form1.h"
#include "viewer/ModuleMenu.h"
#include "viewer/ToolCommands.h"

#include <cmath>

namespace qm {
namespace {
const QString kRowOn = QStringLiteral("ToolBar_MenuSlice_On.jpg");
const QString kRowOff = QStringLiteral("ToolBar_MenuSlice_Off.jpg");
const QString kRowDis = QStringLiteral("ToolBar_MenuSlice_Dis.jpg");
constexpr int kChangeCourseRow = 5;
} // namespace

ToolbarMenu::ToolbarMenu(Form1& window) : QObject(&window), f_(window)
{
    Main_Tool_frm = NewPictureBox(&f_, QStringLiteral("Main_Tool_frm"), QRect(160, 496, 200, 220), f_.Picture2);
    toolBar_Frame = NewPictureBox(&f_, QStringLiteral("toolBar_Frame"), QRect(0, 0, 200, 28), Main_Tool_frm);
    rows_.append(NewMenuRow(&f_, toolBar_Frame, QStringLiteral("toolBar_Slice"), QStringLiteral("Label3"), 0,
                            QRect(0, 0, 200, 28)));
    for (PictureBox* p : {Main_Tool_frm, toolBar_Frame}) p->setFocusPolicy(Qt::NoFocus);
    Main_Tool_frm->hide();
    ShowRowNormal(rows_[0], kRowOff);

    connect(f_.toolBar_But, &PictureBox::clicked, this, [this] { toolBar_But_Click(); });
    connect(f_.ToolLabel, &TextLabel::clicked, this, [this] { toolBar_But_Click(); });
    connect(f_.toolBar_But, &PictureBox::mouseMoved, this, [this] { toolBar_But_MouseMove(); });
    connect(f_.ToolLabel, &TextLabel::mouseMoved, this, [this] { toolBar_But_MouseMove(); });
}

bool ToolbarMenu::isOpen() const { return Main_Tool_frm->isVisible(); }

bool ToolbarMenu::rowEnabled(int i) const { return i >= 0 && i < rows_.size() && rows_[i].slice->isEnabled(); }

void ToolbarMenu::resetRow(int i)
{
    if (rowEnabled(i)) ShowRowNormal(rows_[i], kRowOff);
}

void ToolbarMenu::BuildToolbarMenu()
{
    auto wire = [this](int i) {
        const MenuRow& r = rows_[i];
        connect(r.slice, &PictureBox::clicked, this, [i] { RunToolCommand(i); });
        connect(r.caption, &TextLabel::clicked, this, [i] { RunToolCommand(i); });
        connect(r.slice, &PictureBox::mouseMoved, this, [this, i] { toolBar_Slice_MouseMove(i); });
        connect(r.caption, &TextLabel::mouseMoved, this, [this, i] { toolBar_Slice_MouseMove(i); });
    };
    rows_[0].caption->setText(ToolMenuCaptions.value(0));
    wire(0);
    int frameHeight = toolBar_Frame->height();
    for (int i = 1; i < ToolMenuCaptions.size(); ++i) {
        rows_.append(CopyMenuRow(&f_, rows_[0], i));
        const MenuRow& r = rows_[i];
        const MenuRow& above = rows_[i - 1];
        r.slice->move(0, above.slice->y() + kMenuGap + above.slice->height());
        frameHeight += kMenuGap + above.slice->height();
        r.caption->setText(ToolMenuCaptions[i]);
        ShowRowNormal(r, kRowOff);
        if (i == kChangeCourseRow && Courses.size() <= 1) {
            // One installed course: nothing to change to.
            r.caption->setForeColor(kGrey);
            r.slice->setSkin(kRowDis);
            r.slice->setEnabled(false);
        }
        wire(i);
        r.caption->show();
        r.slice->show();
    }
    toolBar_Frame->resize(toolBar_Frame->width(), frameHeight);
    toolBar_Frame->show();
    // The menu ends where the module menu ends, above the room of its scroll
    // arrow, so that neither runs over the navigation bar.
    const int top = f_.toolBar_But->y() - frameHeight - (f_.moduleMenu->MenuScrlDwn->height() + 2 * kMenuGap);
    Main_Tool_frm->setGeometry(Main_Tool_frm->x(), top, Main_Tool_frm->width(), frameHeight);
}

void ToolbarMenu::toolBar_But_Click()
{
    f_.Picture1->setFocus();
    const bool wasOpen = isOpen();
    f_.CloseAllMenus();
    if (!wasOpen) OpenToolbarMenu();
}

void ToolbarMenu::OpenToolbarMenu()
{
    ToolHilite = -1;
    AnimateToolbarMenu();
}

void ToolbarMenu::AnimateToolbarMenu()
{
    toolBar_Frame->move(toolBar_Frame->x(), 0);
    const QRect full = Main_Tool_frm->geometry();
    QRect g(full.x(), full.y(), 0, 0);
    Main_Tool_frm->setGeometry(g);
    Main_Tool_frm->show();
    Main_Tool_frm->raise();
    const int stepH = int(std::lround(f_.moduleMenu->rowPitch() / 2.0));
    const int stepW = int(std::lround(rows_[0].slice->width() / 12.0));
    for (int round = 0; round < 12; ++round) {
        g.setHeight(g.height() + stepH);
        g.setWidth(g.width() + stepW);
        Main_Tool_frm->setGeometry(g);
        AnimationPause(Main_Tool_frm, 5);
    }
    Main_Tool_frm->setGeometry(full);
}

void ToolbarMenu::HighlightToolbarSlice(int n)
{
    if (n == ToolHilite || !rowEnabled(n)) return;
    ShowRowHighlighted(rows_[n], kRowOn);
    if (ToolHilite >= 0) resetRow(ToolHilite);
    ToolHilite = n;
}

void ToolbarMenu::CloseToolbarMenu()
{
    if (Main_Tool_frm->isVisible()) {
        f_.toolBar_But->setSkin(QStringLiteral("ToolbarMenu_OpenOff.jpg"));
        f_.ToolLabel->setForeColor(kWhite);
        f_.ToolLabel->setBackColor(kNormalBack);
    }
    Main_Tool_frm->hide();
    if (ToolHilite >= 0) resetRow(ToolHilite);
}

void ToolbarMenu::showButtonResting()
{
    // The image matches the menu ("Closed" images while it is open); the
    // caption is white whenever the pointer is elsewhere.
    f_.toolBar_But->setSkin(isOpen() ? QStringLiteral("ToolbarMenu_ClosedOff.jpg")
                                     : QStringLiteral("ToolbarMenu_OpenOff.jpg"));
    f_.ToolLabel->setForeColor(kWhite);
    f_.ToolLabel->setBackColor(kNormalBack);
}

void ToolbarMenu::toolBar_But_MouseMove()
{
    f_.ShowToolTip(nullptr, 0, QString());
    f_.setMousePointer(vbCustom);
    f_.Min_btn->setSkin(QStringLiteral("minimizeOff.jpg"));
    f_.Exit_Pic->setSkin(QStringLiteral("ExitButton_Off.jpg"));
    f_.toolBar_But->setSkin(isOpen() ? QStringLiteral("ToolbarMenu_ClosedOn.jpg")
                                     : QStringLiteral("ToolbarMenu_OpenOn.jpg"));
    f_.ToolLabel->setForeColor(kBlack);
    f_.ToolLabel->setBackColor(kHighlightBack);
    if (ScreenScaleMode != 0) f_.ShowToolTip(f_.toolBar_But, 1, GetResString(101));
    f_.hover->Hovered(f_.toolBar_But);
}

void ToolbarMenu::toolBar_Slice_MouseMove(int index)
{
    f_.setMousePointer(vbCustom);
    HighlightToolbarSlice(index);
    f_.hover->Hovered(rows_.value(index).slice);
}

} // namespace qm
