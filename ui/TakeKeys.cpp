#include "ui/TakeKeys.h"

#include <QWidget>
#include <QWindow>

namespace qm {

void TakeKeys(QWidget* window)
{
    if (!window) return;
    QWidget* top = window->window();
    if (!top->isVisible() || top->isMinimized()) return;
    if (QWindow* handle = top->windowHandle()) handle->requestActivate();
}

} // namespace qm
