#pragma once
#include <QRect>

class QWidget;

namespace qm {
class Form1;
}

namespace qmtest {

// Reads the installed courses and shows the main window modeless on course
// `index` (no sign-in).
qm::Form1& OpenCourse(int index = 0);

// A control's rectangle in its window's coordinates.
QRect InWindow(QWidget* w);

} // namespace qmtest
