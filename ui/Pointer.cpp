#include "ui/Pointer.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace qm {
namespace {
int screenPointer = vbDefault;
}

void SetWidgetPointer(QWidget* w, int pointer)
{
    if (!w) return;
    if (pointer == vbCustom) w->setCursor(Qt::PointingHandCursor);
    else if (pointer == vbHourglass) w->setCursor(Qt::WaitCursor);
    else w->unsetCursor();
}

void SetScreenPointer(int pointer)
{
    if (pointer == screenPointer) return;
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (screenPointer != vbDefault) QApplication::restoreOverrideCursor();
        if (pointer == vbHourglass) QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    screenPointer = pointer;
}

int ScreenPointer() { return screenPointer; }

} // namespace qm
