#pragma once

class QWidget;

namespace qm {

// Makes the window (a visible, not minimised one) the window that gets the
// keys, also where no window manager hands them back. Unlike
// QWidget::activateWindow it also asks while a window of its own that just
// closed still counts as the active one.
void TakeKeys(QWidget* window);

} // namespace qm
