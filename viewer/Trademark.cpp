#include "viewer/Trademark.h"
#include "app/Globals.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/TextControl.h"
#include "ui/Controls.h"
#include "ui/ScaleForm.h"

#include <QTimer>

namespace qm {

QString TrademarkPagePath(const QString& courseName, int n)
{
    const QString name = QStringLiteral("Trademark ") + courseName + QLatin1Char('_') + QString::number(n)
                       + QStringLiteral(".txm");
    const QString path = ContentPathInside(JoinPath(AppPath, QStringLiteral("About")), name);
    return path.isEmpty() ? QString() : ResolveContentPath(path);
}

Trademark::Trademark() : SingleForm<Trademark>(QStringLiteral("Trademark"))
{
    setWindowTitle(RunCaption());
    setFixedSize(1024, 768);
    TXTextControl1 = Place(this, new TextControl(this), QStringLiteral("TXTextControl1"), QRect(0, 0, 1024, 768));
    Timer1 = addControl(new QTimer(this));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

bool Trademark::showPage(const QString& courseName)
{
    const QString path = TrademarkPagePath(courseName, n_);
    // A page that exists but cannot be read ends the show like a missing one.
    return !path.isEmpty() && ContentFileExists(path) && TXTextControl1->load(path, TextControl::LoadKind::Page);
}

void Trademark::Form_Load()
{
    ScaleFormToScreen(*this);
    n_ = 1;
    // Page 1 is named after the course of the module shown last (in "All
    // modules" mode that is the module's own course).
    const QString course = HasCurrentModule() ? CurrentModule().CourseName : QString();
    if (showPage(course)) {
        Timer1->setInterval(3000);
        Timer1->start();
    }
    // Without page 1 the timer stays off and the main window's unload takes
    // this window with it.
}

void Trademark::Timer1_Timer()
{
    ++n_;
    const QString course = CurCourse >= 0 && CurCourse < Courses.size() ? Courses[CurCourse].Name : QString();
    if (!showPage(course)) unload();
}

void ShowTrademarkSlideshow() { Trademark::instance().showModeless(); }

} // namespace qm
