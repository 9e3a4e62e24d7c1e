#include "viewer/ModuleMenu.h"
#include "app/Globals.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/ChromeHover.h"
#include "viewer/Form1.h"
#include "viewer/TopicMenu.h"

#include <QTimer>

namespace qm {
namespace {
const QString kRowOn = QStringLiteral("ModuleMenu_ON.jpg");
const QString kRowOff = QStringLiteral("ModuleMenu_Off.jpg");
const QString kButtonClosed = QStringLiteral("ModuleMenu_ButtonClosedOff.jpg");
const QString kButtonHover = QStringLiteral("ModuleMenu_ButtonOpenON.jpg");
constexpr int kRowsInView = 10;
} // namespace

ModuleMenu::ModuleMenu(Form1& window) : QObject(&window), f_(window)
{
    QWidget* bg = f_.Picture2;
    Main_Menu_frm = NewPictureBox(&f_, QStringLiteral("Main_Menu_frm"), QRect(12, 384, 300, 316), bg);
    MenuFrame = NewPictureBox(&f_, QStringLiteral("MenuFrame"), QRect(0, 0, 300, 28), Main_Menu_frm);
    rows_.append(NewMenuRow(&f_, MenuFrame, QStringLiteral("MenuSlice"), QStringLiteral("Label2"), 0,
                            QRect(0, 0, 300, 28)));
    MenuScrlUp = NewPictureBox(&f_, QStringLiteral("MenuScrlUp"), QRect(12, 364, 300, 16), bg);
    MenuScrlDwn = NewPictureBox(&f_, QStringLiteral("MenuScrlDwn"), QRect(12, 704, 300, 16), bg);
    MenuScrlUp->setSkin(QStringLiteral("MenuScrlUpOff.jpg"));
    MenuScrlDwn->setSkin(QStringLiteral("MenuScrlDwnOff.jpg"));
    for (PictureBox* p : {Main_Menu_frm, MenuFrame, MenuScrlUp, MenuScrlDwn}) {
        p->setFocusPolicy(Qt::NoFocus);
        p->hide();
    }
    MenuFrame->show(); // inside the hidden menu window
    ShowRowNormal(rows_[0], kRowOff);

    Timer2 = f_.addControl(new QTimer(this));
    Timer3 = f_.addControl(new QTimer(this));
    Timer4 = f_.addControl(new QTimer(this));
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
    connect(Timer4, &QTimer::timeout, this, [this] { Timer4_Timer(); });

    connect(f_.Modules, &PictureBox::clicked, this, [this] { ModLabel_Click(); });
    connect(f_.ModLabel, &TextLabel::clicked, this, [this] { ModLabel_Click(); });
    connect(f_.Modules, &PictureBox::mouseMoved, this, [this] { Modules_MouseMove(); });
    connect(f_.ModLabel, &TextLabel::mouseMoved, this, [this] {
        if (ScreenScaleMode != 0) f_.ShowToolTip(f_.Modules, 1, GetResString(102));
    });
    connect(MenuScrlDwn, &PictureBox::mouseMoved, this, [this] { MenuScrlDwn_MouseMove(); });
    connect(MenuScrlUp, &PictureBox::mouseMoved, this, [this] { MenuScrlUp_MouseMove(); });
    connect(MenuScrlDwn, &PictureBox::mouseDown, this, [this] { MenuScrlDwn_MouseDown(); });
    connect(MenuScrlUp, &PictureBox::mouseDown, this, [this] { MenuScrlUp_MouseDown(); });
    connect(MenuScrlDwn, &PictureBox::mouseUp, Timer2, &QTimer::stop);
    connect(MenuScrlUp, &PictureBox::mouseUp, Timer3, &QTimer::stop);
    connect(rows_[0].slice, &PictureBox::mouseMoved, this, [this] { MenuSlice_MouseMove(first_); });
    connect(rows_[0].caption, &TextLabel::mouseMoved, this, [this] { MenuSlice_MouseMove(first_); });
}

int ModuleMenu::rowPitch() const { return rows_[0].slice->height() + kMenuGap; }

bool ModuleMenu::isOpen() const { return Main_Menu_frm->isVisible(); }

void ModuleMenu::BuildModuleMenu()
{
    const QVector<ModuleRecord> modules =
        CurCourse >= 0 && CurCourse < Courses.size() ? Courses[CurCourse].Modules : QVector<ModuleRecord>();
    moduleCount_ = int(modules.size()) - 1;
    const int pitch = rowPitch();
    if (moduleCount_ < 0) {
        // A course without modules: an empty menu that never opens.
        rows_[0].slice->hide();
        Main_Menu_frm->resize(Main_Menu_frm->width(), 0);
        return;
    }
    // Only the rows in view have controls ("All modules" may gather tens of
    // thousands of modules): a scroll step shows the next module's title in
    // them instead of moving a frame of every row.
    const int inView = qMin(moduleCount_ + 1, kRowsInView);
    for (int k = 1; k < inView; ++k) {
        MenuRow r = CopyMenuRow(&f_, rows_[0], k);
        r.slice->move(0, rows_[k - 1].slice->y() + rows_[k - 1].slice->height() + kMenuGap);
        connect(r.slice, &PictureBox::mouseMoved, this, [this, k] { MenuSlice_MouseMove(first_ + k); });
        connect(r.caption, &TextLabel::mouseMoved, this, [this, k] { MenuSlice_MouseMove(first_ + k); });
        r.caption->show();
        r.slice->show();
        rows_.append(r);
    }
    MenuFrame->resize(MenuFrame->width(), pitch * inView);
    showRowsFrom(0);

    int height = pitch * (moduleCount_ + 1);
    if (moduleCount_ >= kRowsInView) height = pitch * kRowsInView - kMenuGap;
    const int top = f_.Modules->y() - height - (MenuScrlDwn->height() + 2 * kMenuGap);
    Main_Menu_frm->setGeometry(Main_Menu_frm->x(), top, Main_Menu_frm->width(), height);
    MenuFrame->show();
    menuTop_ = MenuFrame->y();
}

void ModuleMenu::showRowsFrom(int first)
{
    first_ = first;
    if (CurCourse < 0 || CurCourse >= Courses.size()) return;
    const QVector<ModuleRecord>& modules = Courses[CurCourse].Modules;
    for (int k = 0; k < rows_.size(); ++k) {
        const int i = first_ + k;
        if (i >= modules.size()) break;
        rows_[k].caption->setText(modules[i].Title);
        if (i == lit_) ShowRowHighlighted(rows_[k], kRowOn);
        else ShowRowNormal(rows_[k], kRowOff);
    }
}

MenuRow ModuleMenu::row(int i) const
{
    return i >= first_ && i - first_ < rows_.size() ? rows_[i - first_] : MenuRow();
}

void ModuleMenu::OpenModuleMenu()
{
    if (moduleCount_ < 0) return;
    AnimateModuleMenu();
    if (moduleCount_ >= kRowsInView) {
        MenuScrlDwn->setSkin(QStringLiteral("MenuScrlDwnOff.jpg"));
        MenuScrlDwn->show();
        MenuScrlDwn->raise();
        MenuScrlUp->move(MenuScrlUp->x(), Main_Menu_frm->y() - (MenuScrlUp->height() + kMenuGap));
        ModuleScrollPos = kRowsInView;
    }
}

void ModuleMenu::AnimateModuleMenu()
{
    // The menu always opens unscrolled.
    MenuFrame->move(MenuFrame->x(), menuTop_);
    showRowsFrom(0);
    const int steps = moduleCount_ < kRowsInView ? moduleCount_ : kRowsInView;
    AnimateMenuOpening(Main_Menu_frm, Main_Menu_frm->y() + Main_Menu_frm->height(), steps, rows_[0].slice->width(),
                       rowPitch(), 15);
}

void ModuleMenu::resetRow(int i)
{
    if (i != lit_) return;
    lit_ = -1;
    const MenuRow r = row(i);
    if (r.slice) ShowRowNormal(r, kRowOff);
}

void ModuleMenu::ScrollModuleMenuDown()
{
    MenuScrlUp->show();
    MenuScrlUp->raise();
    if (TopicMenuModule >= 0) resetRow(TopicMenuModule);
    f_.topicMenu->CloseTopicMenu();
    if (ModuleScrollPos <= moduleCount_) {
        ++ModuleScrollPos;
        showRowsFrom(first_ + 1);
    }
    if (ModuleScrollPos > moduleCount_) {
        MenuScrlDwn->hide();
        Timer2->stop();
    }
}

void ModuleMenu::ScrollModuleMenuUp()
{
    MenuScrlDwn->show();
    MenuScrlDwn->raise();
    if (TopicMenuModule >= 0) resetRow(TopicMenuModule);
    f_.topicMenu->CloseTopicMenu();
    if (ModuleScrollPos > kRowsInView) {
        --ModuleScrollPos;
        showRowsFrom(first_ - 1);
    }
    if (ModuleScrollPos <= kRowsInView) {
        MenuScrlUp->hide();
        Timer3->stop();
    }
}

void ModuleMenu::HighlightModuleSlice(int n)
{
    if (n == ModuleHilite || n < 0 || n > moduleCount_) return;
    // Arming the one-shot again while it runs keeps its first start.
    if (!Timer4->isActive()) Timer4->start();
    if (ModuleHilite >= 0) resetRow(ModuleHilite);
    lit_ = n;
    if (const MenuRow r = row(n); r.slice) ShowRowHighlighted(r, kRowOn);
    ModuleHilite = n;
}

void ModuleMenu::CloseModuleMenu()
{
    if (Main_Menu_frm->isVisible()) {
        f_.Modules->setSkin(kButtonClosed);
        f_.ModLabel->setForeColor(kWhite);
        f_.ModLabel->setBackColor(kNormalBack);
    }
    Main_Menu_frm->hide();
    MenuScrlDwn->hide();
    MenuScrlUp->hide();
    Timer2->stop();
    Timer3->stop();
    if (ModuleHilite >= 0) resetRow(ModuleHilite);
}

void ModuleMenu::showButtonResting()
{
    // The button matches its menu: the hovered look while the menu is open.
    if (isOpen()) return;
    f_.Modules->setSkin(kButtonClosed);
    f_.ModLabel->setForeColor(kWhite);
    f_.ModLabel->setBackColor(kNormalBack);
}

void ModuleMenu::ModLabel_Click()
{
    f_.Picture1->setFocus();
    if (Main_Menu_frm->isVisible()) {
        f_.CloseAllMenus();
        Timer4->stop();
        return;
    }
    TopicMenuModule = -1;
    ModuleHilite = -1;
    f_.CloseAllMenus();
    f_.repaint();
    OpenModuleMenu();
}

void ModuleMenu::Modules_MouseMove()
{
    if (ScreenScaleMode != 0) f_.ShowToolTip(f_.Modules, 1, GetResString(102));
    f_.setMousePointer(vbCustom);
    Timer2->stop();
    f_.ModLabel->setForeColor(kBlack);
    f_.ModLabel->setBackColor(kHighlightBack);
    f_.Modules->setSkin(kButtonHover);
    f_.hover->Hovered(f_.Modules);
}

void ModuleMenu::MenuSlice_MouseMove(int index)
{
    f_.setMousePointer(vbCustom);
    Timer2->stop();
    Timer3->stop();
    MenuScrlUp->setSkin(QStringLiteral("MenuScrlUpOff.jpg"));
    MenuScrlDwn->setSkin(QStringLiteral("MenuScrlDwnOff.jpg"));
    f_.ShowToolTip(nullptr, 0, QString());
    HighlightModuleSlice(index);
    f_.hover->Hovered(row(index).slice);
}

void ModuleMenu::hoverArrow(PictureBox* arrow, const QString& onSkin)
{
    f_.setMousePointer(vbCustom);
    Timer4->stop();
    f_.topicMenu->CloseTopicMenu();
    if (ModuleHilite >= 0) {
        resetRow(ModuleHilite);
        ModuleHilite = -1;
    }
    arrow->setSkin(onSkin);
    f_.hover->Hovered(arrow);
}

void ModuleMenu::MenuScrlDwn_MouseMove() { hoverArrow(MenuScrlDwn, QStringLiteral("MenuScrlDwnOn.jpg")); }
void ModuleMenu::MenuScrlUp_MouseMove() { hoverArrow(MenuScrlUp, QStringLiteral("MenuScrlUpOn.jpg")); }

void ModuleMenu::MenuScrlDwn_MouseDown()
{
    ScrollModuleMenuDown();
    StartArrowRepeat(MenuScrlDwn, Timer2);
    MenuScrlUp->show();
}

void ModuleMenu::MenuScrlUp_MouseDown()
{
    ScrollModuleMenuUp();
    StartArrowRepeat(MenuScrlUp, Timer3);
}

void ModuleMenu::Timer2_Timer()
{
    ScrollModuleMenuDown();
    QuickenArrowRepeat(Timer2, 200);
}

void ModuleMenu::Timer3_Timer()
{
    ScrollModuleMenuUp();
    QuickenArrowRepeat(Timer3, 200);
}

void ModuleMenu::Timer4_Timer()
{
    Timer4->stop();
    TopicMenuModule = ModuleHilite;
    f_.topicMenu->CloseTopicMenu();
    f_.repaint();
    TopicHilite = -1;
    if (TopicMenuModule >= 0) f_.topicMenu->BuildTopicMenu(TopicMenuModule);
}

} // namespace qm
