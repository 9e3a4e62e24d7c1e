#include "support/MainWindow.h"
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "viewer/Form1.h"

#include <QWidget>

namespace qmtest {

qm::Form1& OpenCourse(int index)
{
    qm::GetInstalledCourses();
    qm::CurCourse = qint16(index);
    qm::Form1& f = qm::Form1::instance();
    f.showModeless();
    return f;
}

QRect InWindow(QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

} // namespace qmtest
