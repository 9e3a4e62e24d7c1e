#include "viewer/TopicMenu.h"
#include "app/Globals.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/TextLabel.h"
#include "viewer/ChromeHover.h"
#include "viewer/Form1.h"
#include "viewer/ModuleMenu.h"
#include "viewer/Navigation.h"

#include <QTimer>

namespace qm {
namespace {
const QString kRowOn = QStringLiteral("TopicMenuBlankOn.jpg");
const QString kRowOff = QStringLiteral("TopicMenuBlank.jpg");
const QString kUpOff = QStringLiteral("TopicMenuScrollUpOff.jpg");
const QString kDownOff = QStringLiteral("TopicMenuScrollDownOff.jpg");
constexpr int kRowsInView = 10;
} // namespace

TopicMenu::TopicMenu(Form1& window) : QObject(&window), f_(window)
{
    QWidget* bg = f_.Picture2;
    Main_Topic_frm = NewPictureBox(&f_, QStringLiteral("Main_Topic_frm"), QRect(316, 100, 300, 316), bg);
    TopicFrame = NewPictureBox(&f_, QStringLiteral("TopicFrame"), QRect(0, 0, 300, 28), Main_Topic_frm);
    rows_.append(NewMenuRow(&f_, TopicFrame, QStringLiteral("TopicSlice"), QStringLiteral("TopicLabel"), 0,
                            QRect(0, 0, 300, 28)));
    TopicScrlup = NewPictureBox(&f_, QStringLiteral("TopicScrlup"), QRect(316, 80, 300, 16), bg);
    TopicScrlDwn = NewPictureBox(&f_, QStringLiteral("TopicScrlDwn"), QRect(316, 420, 300, 16), bg);
    for (PictureBox* p : {Main_Topic_frm, TopicFrame, TopicScrlup, TopicScrlDwn}) {
        p->setFocusPolicy(Qt::NoFocus);
        p->hide();
    }
    resetArrows();
    ShowRowNormal(rows_[0], kRowOff);
    connectRow(0);

    Timer5 = f_.addControl(new QTimer(this));
    Timer6 = f_.addControl(new QTimer(this));
    Timer5->setObjectName(QStringLiteral("Timer5"));
    Timer6->setObjectName(QStringLiteral("Timer6"));
    connect(Timer5, &QTimer::timeout, this, [this] { Timer5_Timer(); });
    connect(Timer6, &QTimer::timeout, this, [this] { Timer6_Timer(); });
    connect(TopicScrlDwn, &PictureBox::mouseDown, this, [this] { TopicScrlDwn_MouseDown(); });
    connect(TopicScrlup, &PictureBox::mouseDown, this, [this] { TopicScrlup_MouseDown(); });
    connect(TopicScrlDwn, &PictureBox::mouseUp, Timer5, &QTimer::stop);
    connect(TopicScrlup, &PictureBox::mouseUp, Timer6, &QTimer::stop);
    connect(TopicScrlDwn, &PictureBox::mouseMoved, this, [this] { TopicScrlDwn_MouseMove(); });
    connect(TopicScrlup, &PictureBox::mouseMoved, this, [this] { TopicScrlup_MouseMove(); });
}

void TopicMenu::connectRow(int i)
{
    const MenuRow& r = rows_[i];
    connect(r.slice, &PictureBox::mouseMoved, this, [this, i] { TopicSlice_MouseMove(i); });
    connect(r.caption, &TextLabel::mouseMoved, this, [this, i] { TopicLabel_MouseMove(i); });
    auto up = [this, i](Qt::MouseButton b) {
        if (b == Qt::LeftButton) TopicClickProc(i);
    };
    connect(r.slice, &PictureBox::mouseUp, this, up);
    connect(r.caption, &TextLabel::mouseUp, this, up);
}

int TopicMenu::rowPitch() const { return rows_[0].slice->height() + kMenuGap; }

bool TopicMenu::isOpen() const { return Main_Topic_frm->isVisible(); }

int TopicMenu::rowInView(int n) const
{
    return ModuleScrollPos <= kRowsInView ? n : n - (ModuleScrollPos - kRowsInView);
}

void TopicMenu::BuildTopicMenu(int n)
{
    if (CurCourse < 0 || CurCourse >= Courses.size() || n < 0 || n >= Courses[CurCourse].Modules.size()) return;
    const QStringList topics = Courses[CurCourse].Modules[n].Topics;
    topicCount_ = int(topics.size()) - 1;
    // A module without topics shows no menu at all.
    if (topicCount_ < 0) return;

    const int pitch = rowPitch();
    rows_[0].caption->setText(topics[0]);
    rows_[0].slice->show();
    int total = pitch;
    for (int i = 1; i <= topicCount_; ++i) {
        if (rows_.size() <= i) {
            rows_.append(CopyMenuRow(&f_, rows_[0], i));
            ShowRowNormal(rows_[i], kRowOff);
            connectRow(i);
        }
        const MenuRow& r = rows_[i];
        r.slice->move(0, rows_[i - 1].slice->y() + rows_[i - 1].slice->height() + kMenuGap);
        total += pitch;
        r.caption->setText(topics[i]);
        r.caption->show();
        r.slice->show();
    }
    // Rows left from a longer menu lie below the frame and stay out of sight.
    const int height = topicCount_ > kRowsInView ? pitch * kRowsInView - kMenuGap : total;
    TopicFrame->resize(TopicFrame->width(), total);
    const int top = f_.moduleMenu->Main_Menu_frm->y() + pitch * (rowInView(n) + 1) - height;
    Main_Topic_frm->setGeometry(Main_Topic_frm->x(), top, Main_Topic_frm->width(), height);
    AnimateTopicMenu(topicCount_, n);
    if (topicCount_ > kRowsInView) {
        TopicScrlDwn->move(TopicScrlDwn->x(), top + height + kMenuGap);
        TopicScrlDwn->show();
        TopicScrlDwn->raise();
        TopicScrollPos = kRowsInView;
    }
    TopicFrame->show();
}

void TopicMenu::AnimateTopicMenu(int count, int n)
{
    TopicFrame->move(TopicFrame->x(), 0);
    TopicFrame->show();
    const int pitch = rowPitch();
    const int steps = count < kRowsInView ? count : kRowsInView;
    // The pause a step shrinks as rows grow, so menus open at about one pace;
    // a one-row menu opens at once.
    int d = steps > 0 ? kRowsInView / steps : 0;
    if (d < 1) d = 1;
    if (d >= 10) d = 0;
    AnimateMenuOpening(Main_Topic_frm, f_.moduleMenu->Main_Menu_frm->y() + pitch * (rowInView(n) + 1), steps,
                       rows_[0].slice->width(), pitch, 10 * d);
}

void TopicMenu::ScrollTopicMenuDown()
{
    ScrollMenuRowDown(TopicFrame, TopicScrollPos, topicCount_, rowPitch(), TopicScrlDwn, Timer5);
}

void TopicMenu::ScrollTopicMenuUp()
{
    ScrollMenuRowUp(TopicFrame, TopicScrollPos, kRowsInView, rowPitch(), TopicScrlup, Timer6);
}

void TopicMenu::ShowTopicScrollUp()
{
    TopicScrlup->move(TopicScrlup->x(), Main_Topic_frm->y() - (TopicScrlup->height() + kMenuGap));
    TopicScrlup->show();
    TopicScrlup->raise();
}

void TopicMenu::HighlightTopicSlice(int n)
{
    if (n == TopicHilite || n < 0 || n >= rows_.size()) return;
    ShowRowHighlighted(rows_[n], kRowOn);
    if (TopicHilite >= 0 && TopicHilite < rows_.size()) ShowRowNormal(rows_[TopicHilite], kRowOff);
    TopicHilite = n;
}

void TopicMenu::CloseTopicMenu()
{
    Main_Topic_frm->hide();
    f_.repaint();
    TopicScrlDwn->hide();
    TopicScrlup->hide();
    Timer5->stop();
    Timer6->stop();
    if (TopicHilite >= 0 && TopicHilite < rows_.size()) ShowRowNormal(rows_[TopicHilite], kRowOff);
}

void TopicMenu::TopicMoveProc(int index)
{
    f_.moduleMenu->Timer4->stop();
    f_.moduleMenu->HighlightModuleSlice(TopicMenuModule);
    // Coming back from another module row keeps this menu: the one-shot that
    // the highlight armed would only build it again under the pointer.
    f_.moduleMenu->Timer4->stop();
    HighlightTopicSlice(index);
}

void TopicMenu::TopicClickProc(int index)
{
    const int module = TopicMenuModule;
    const QString title = rows_.value(index).caption ? rows_[index].caption->text() : QString();
    f_.CloseAllMenus();
    if (module < 0 || module >= CurrentCourse().Modules.size() || index > topicCount_) return;
    OpenTopic(module, index, title);
}

void TopicMenu::resetArrows()
{
    TopicScrlup->setSkin(kUpOff);
    TopicScrlDwn->setSkin(kDownOff);
}

void TopicMenu::TopicSlice_MouseMove(int index)
{
    f_.setMousePointer(vbCustom);
    f_.moduleMenu->Timer2->stop();
    f_.moduleMenu->Timer3->stop();
    resetArrows();
    TopicMoveProc(index);
    f_.hover->Hovered(rows_.value(index).slice);
}

void TopicMenu::TopicLabel_MouseMove(int index)
{
    f_.setMousePointer(vbCustom);
    resetArrows();
    TopicMoveProc(index);
    f_.hover->Hovered(rows_.value(index).caption);
}

void TopicMenu::TopicScrlDwn_MouseDown()
{
    ScrollTopicMenuDown();
    StartArrowRepeat(TopicScrlDwn, Timer5);
    ShowTopicScrollUp();
}

void TopicMenu::TopicScrlup_MouseDown()
{
    ScrollTopicMenuUp();
    StartArrowRepeat(TopicScrlup, Timer6);
    TopicScrlDwn->show();
}

void TopicMenu::Timer5_Timer()
{
    ScrollTopicMenuDown();
    QuickenArrowRepeat(Timer5, 90);
}

void TopicMenu::Timer6_Timer()
{
    ScrollTopicMenuUp();
    QuickenArrowRepeat(Timer6, 90);
}

void TopicMenu::TopicScrlDwn_MouseMove()
{
    f_.setMousePointer(vbCustom);
    TopicScrlDwn->setSkin(QStringLiteral("TopicMenuScrollDownOn.jpg"));
    if (TopicHilite >= 0 && TopicHilite < rows_.size()) ShowRowNormal(rows_[TopicHilite], kRowOff);
    f_.hover->Hovered(TopicScrlDwn);
}

void TopicMenu::TopicScrlup_MouseMove()
{
    f_.setMousePointer(vbCustom);
    TopicScrlup->setSkin(QStringLiteral("TopicMenuScrollUpOn.jpg"));
    if (TopicHilite >= 0 && TopicHilite < rows_.size()) ShowRowNormal(rows_[TopicHilite], kRowOff);
    f_.hover->Hovered(TopicScrlup);
}

} // namespace qm
