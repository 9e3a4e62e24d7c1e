#include "app/SplashScreen.h"
#include "app/VisitStart.h"
#include "platform/ScreenMetrics.h"
#include "ui/Controls.h"
#include "ui/Pointer.h"

#include <QLinearGradient>
#include <QPainter>

namespace qm {

SplashScreen::SplashScreen() : SingleForm<SplashScreen>(QStringLiteral("SplashScreen"))
{
    setWindowTitle(RunCaption());
    Timer1 = addControl(new QTimer(this));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        if (held_) due_ = true;
        else unload();
    });
}

void SplashScreen::holdClosing(bool hold)
{
    held_ = hold;
    if (!held_ && due_) {
        due_ = false;
        // From the event loop, as the timer would have: not inside the
        // caller that held the window.
        QTimer::singleShot(0, this, [this] { unload(); });
    }
}

void SplashScreen::SizeSplash()
{
    // Sized in pixels (450 by 246), not rescaled from a design size.
    const ScreenInfo s = Screen();
    const int w = 450 * s.twipsPerPixelX / s.twipsPerPixelX;
    const int h = 246 * s.twipsPerPixelY / s.twipsPerPixelY;
    setFixedSize(w, h);
}

void SplashScreen::Form_Load()
{
    SizeSplash();
    move(0, 0);
    Timer1->setInterval(1000);
    Timer1->start();
    SetScreenPointer(vbHourglass);
}

void SplashScreen::Form_Unload()
{
    hide();
    StartLearnersVisit();
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    // The splash picture is painted rather than stored as a file.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0x33, 0x33, 0x99));
    g.setColorAt(1, QColor(0x66, 0x66, 0xFF));
    p.fillRect(rect(), g);
    p.setPen(QPen(QColor(0xCC, 0xCC, 0xFF), 3));
    p.drawRoundedRect(rect().adjusted(12, 12, -12, -12), 10, 10);
    p.setPen(Qt::white);
    // A picture of fixed pixels: its text keeps its size at larger fonts
    // (26 and 12 points at 96 dpi), so the name is never cut.
    QFont f = font();
    f.setPixelSize(35);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 60, width(), 60), Qt::AlignCenter, QStringLiteral("Veltrane Quillmark"));
    f.setPixelSize(16);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 120, width(), 30), Qt::AlignCenter, QStringLiteral("Staff training course player  1.0"));
    p.drawText(QRect(0, 180, width(), 30), Qt::AlignCenter, QStringLiteral("Loading the course..."));
}

} // namespace qm
