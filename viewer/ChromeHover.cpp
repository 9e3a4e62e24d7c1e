#include "viewer/ChromeHover.h"
#include "app/Globals.h"
#include "platform/ScreenMetrics.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"
#include "viewer/ModuleMenu.h"
#include "viewer/ToolbarMenu.h"

#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <cmath>

namespace qm {
namespace {
constexpr int kToolTipGapTwips = 40;

int toPixels(long twips, int tpp) { return int(std::lround(double(twips) / tpp)); }
} // namespace

ChromeHover::ChromeHover(Form1& window) : QObject(&window), f_(window)
{
    ToolTip = NewLabel(&f_, QStringLiteral("ToolTip"), QRect(0, 0, 100, 18), f_.Picture2);
    ToolTip->setWordWrap(false);
    ToolTip->setForeColor(0x000000);
    ToolTip->setBackColor(0xE1FFFF);
    ToolTip->setFrameShape(QFrame::Box);
    ToolTip->hide();
    ToolTipTimer = f_.addControl(new QTimer(this));
    ToolTipTimer->setObjectName(QStringLiteral("ToolTipTimer"));
    ToolTipTimer->setInterval(700);
    tmrMouseLeave = f_.addControl(new QTimer(this));
    tmrMouseLeave->setObjectName(QStringLiteral("tmrMouseLeave"));
    tmrMouseLeave->setInterval(100);
    connect(ToolTipTimer, &QTimer::timeout, this, [this] { ToolTipTimer_Timer(); });
    connect(tmrMouseLeave, &QTimer::timeout, this, [this] { tmrMouseLeave_Timer(); });

    connect(f_.Exit_Pic, &PictureBox::mouseMoved, this, [this] { Exit_Pic_MouseMove(); });
    connect(f_.Min_btn, &PictureBox::mouseMoved, this, [this] { Min_btn_MouseMove(); });
    connect(f_.NextBtn, &PictureBox::mouseMoved, this, [this] { NextBtn_MouseMove(); });
    connect(f_.Prev, &PictureBox::mouseMoved, this, [this] { Prev_MouseMove(); });
    connect(f_.Return_Btn, &PictureBox::mouseMoved, this, [this] { Return_Btn_MouseMove(); });
    f_.installEventFilter(this);
}

void ChromeHover::ShowToolTip(QWidget* container, QWidget* control, int show, const QString& text)
{
    if (show == 0 || !container || !control) {
        hideToolTip();
        return;
    }
    ToolTip->setText(QLatin1Char(' ') + text + QLatin1Char(' '));
    ToolTip->resize(ToolTip->fontMetrics().horizontalAdvance(QStringLiteral("   ") + text), ToolTip->height());

    // Placed in twips as the window was designed: 40 twips below the control
    // when the tooltip fits there, else above; left edges aligned when it
    // fits, else right edges.
    const ScreenInfo s = Screen();
    const int tx = s.twipsPerPixelX > 0 ? s.twipsPerPixelX : 15;
    const int ty = s.twipsPerPixelY > 0 ? s.twipsPerPixelY : 15;
    const QRect c(control->mapTo(f_.window(), QPoint(0, 0)) - container->mapTo(f_.window(), QPoint(0, 0)),
                  control->size());
    const long top = long(c.top()) * ty, height = long(c.height()) * ty, left = long(c.left()) * tx;
    const long width = long(c.width()) * tx;
    const long tipH = long(ToolTip->height()) * ty, tipW = long(ToolTip->width()) * tx;
    const long tipTop = top + height + kToolTipGapTwips + tipH < long(container->height()) * ty
                          ? top + height + kToolTipGapTwips
                          : top - tipH - kToolTipGapTwips;
    const long tipLeft = left + tipW < long(container->width()) * tx ? left : left + width - tipW;
    const QPoint inWindow = container->mapTo(f_.window(), QPoint(toPixels(tipLeft, tx), toPixels(tipTop, ty)));
    ToolTip->move(ToolTip->parentWidget()->mapFrom(f_.window(), inWindow));
    if (!ToolTipTimer->isActive()) ToolTipTimer->start();
}

void ChromeHover::hideToolTip()
{
    ToolTip->hide();
    ToolTip->lower();
    ToolTipTimer->stop();
}

void ChromeHover::ToolTipTimer_Timer()
{
    ToolTip->show();
    ToolTip->raise();
}

void ChromeHover::Hovered(QWidget* control)
{
    // A quick move from one control to the next can beat the poll: the
    // control left behind gets its resting look now.
    if (HoveredControl && HoveredControl != control) {
        const bool armed = ToolTipTimer->isActive(), shown = ToolTip->isVisible();
        restoreHovered();
        f_.setMousePointer(vbCustom);
        // The new control's tooltip stays as its handler set it.
        if (armed) ToolTipTimer->start();
        if (shown) ToolTipTimer_Timer();
    }
    HoveredControl = control;
    if (!tmrMouseLeave->isActive()) tmrMouseLeave->start();
}

void ChromeHover::tmrMouseLeave_Timer()
{
    QWidget* c = HoveredControl;
    if (c && c->isVisible()) {
        const QRect area(c->mapToGlobal(QPoint(0, 0)), c->size());
        if (area.contains(QCursor::pos())) return;
    }
    tmrMouseLeave->stop();
    restoreHovered();
}

bool ChromeHover::eventFilter(QObject* watched, QEvent* event)
{
    // A pointer that leaves the window between two polls never leaves an On
    // look behind.
    if (watched == &f_ && event->type() == QEvent::Leave && HoveredControl && f_.isLoaded()) {
        tmrMouseLeave->stop();
        restoreHovered();
    }
    return false;
}

void ChromeHover::restoreHovered()
{
    QWidget* c = HoveredControl;
    if (!c) return;
    const QString name = c->objectName();
    auto* box = qobject_cast<PictureBox*>(c);
    ModuleMenu& modules = *f_.moduleMenu;
    if (name == QLatin1String("TopicScrlup")) {
        f_.setMousePointer(vbDefault);
        box->setSkin(QStringLiteral("TopicMenuScrollUpOff.jpg"));
    } else if (name == QLatin1String("TopicScrlDwn")) {
        f_.setMousePointer(vbDefault);
        box->setSkin(QStringLiteral("TopicMenuScrollDownOff.jpg"));
    } else if (name == QLatin1String("MenuScrlUp")) {
        modules.Timer3->stop();
        f_.setMousePointer(vbDefault);
        box->setSkin(QStringLiteral("MenuScrlUpOff.jpg"));
        hideToolTip();
    } else if (name == QLatin1String("MenuScrlDwn")) {
        modules.Timer2->stop();
        f_.setMousePointer(vbDefault);
        box->setSkin(QStringLiteral("MenuScrlDwnOff.jpg"));
        hideToolTip();
    } else if (name == QLatin1String("NextBtn")) {
        f_.setMousePointer(vbDefault);
        if (box->isEnabled()) box->setSkin(QStringLiteral("nextOff.jpg"));
        hideToolTip();
    } else if (name == QLatin1String("Prev")) {
        f_.setMousePointer(vbDefault);
        hideToolTip();
        if (box->isEnabled()) box->setSkin(QStringLiteral("previousOff.jpg"));
    } else if (name == QLatin1String("Exit_Pic")) {
        f_.setMousePointer(vbDefault);
        hideToolTip();
        box->setSkin(QStringLiteral("ExitButton_Off.jpg"));
    } else if (name == QLatin1String("Min_btn")) {
        f_.setMousePointer(vbDefault);
        hideToolTip();
        box->setSkin(QStringLiteral("minimizeOff.jpg"));
    } else if (name == QLatin1String("Return_Btn")) {
        f_.setMousePointer(vbDefault);
        if (box->isEnabled()) box->setSkin(QStringLiteral("ReturnOff.jpg"));
        hideToolTip();
    } else if (name == QLatin1String("toolBar_But")) {
        f_.setMousePointer(vbDefault);
        f_.toolbarMenu->showButtonResting();
        hideToolTip();
    } else if (name == QLatin1String("Modules")) {
        f_.setMousePointer(vbDefault);
        modules.showButtonResting();
        hideToolTip();
    } else if (name == QLatin1String("MenuSlice") || name == QLatin1String("TopicSlice")
               || name == QLatin1String("TopicLabel") || name == QLatin1String("Label3")
               || name == QLatin1String("toolBar_Slice")) {
        f_.setMousePointer(vbDefault); // the row keeps its highlight
    }
}

void ChromeHover::Exit_Pic_MouseMove()
{
    if (AppPath.isEmpty()) return;
    f_.setMousePointer(vbCustom);
    f_.Min_btn->setSkin(QStringLiteral("minimizeOff.jpg"));
    f_.toolbarMenu->showButtonResting();
    f_.Exit_Pic->setSkin(QStringLiteral("ExitButton_On.jpg"));
    ShowToolTip(f_.Picture2, f_.Exit_Pic, 1, GetResString(103));
    Hovered(f_.Exit_Pic);
}

void ChromeHover::Min_btn_MouseMove()
{
    f_.setMousePointer(vbCustom);
    f_.Min_btn->setSkin(QStringLiteral("minimizeOn.jpg"));
    f_.toolbarMenu->showButtonResting();
    f_.Exit_Pic->setSkin(QStringLiteral("ExitButton_Off.jpg"));
    ShowToolTip(f_.Picture2, f_.Min_btn, 1, GetResString(143));
    Hovered(f_.Min_btn);
}

void ChromeHover::NextBtn_MouseMove()
{
    if (AppPath.isEmpty()) return;
    f_.setMousePointer(vbCustom);
    if (f_.Prev->isEnabled()) f_.Prev->setSkin(QStringLiteral("previousOff.jpg"));
    if (f_.NextBtn->isEnabled()) f_.NextBtn->setSkin(QStringLiteral("nextOn.jpg"));
    ShowToolTip(f_.Picture2, f_.NextBtn, 1, GetResString(112));
    Hovered(f_.NextBtn);
}

void ChromeHover::Prev_MouseMove()
{
    if (AppPath.isEmpty()) return;
    f_.setMousePointer(vbCustom);
    if (f_.NextBtn->isEnabled()) f_.NextBtn->setSkin(QStringLiteral("nextOff.jpg"));
    if (f_.Prev->isEnabled()) f_.Prev->setSkin(QStringLiteral("previousOn.jpg"));
    ShowToolTip(f_.Picture2, f_.Prev, 1, GetResString(111));
    Hovered(f_.Prev);
}

void ChromeHover::Return_Btn_MouseMove()
{
    if (AppPath.isEmpty()) return;
    ShowToolTip(f_.Picture2, f_.Return_Btn, 1,
                GetResString(113) + SavedPosition.ModuleTitle + QLatin1Char(' ') + SavedPosition.TopicTitle);
    f_.Return_Btn->setSkin(QStringLiteral("ReturnOn.jpg"));
    f_.setMousePointer(vbCustom);
    Hovered(f_.Return_Btn);
}

} // namespace qm
