// The program on a 1024 by 768 screen whose desktop scales by 125%: the
// screen is counted in its own pixels and every window fits it.
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/ScreenMetrics.h"
#include "reference/Repository.h"
#include "support/CourseBuilder.h"
#include "support/MainWindow.h"
#include "support/ScaledScreen.h"
#include "support/TestDoubles.h"
#include "ui/Form.h"
#include "viewer/Form1.h"

#include <QScreen>
#include <QTemporaryFile>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

// The window fits the screen and the middle of every control shown is inside it.
void checkFits(Form& w)
{
    const QRect screen = w.screen()->geometry();
    QVERIFY2(screen.contains(w.frameGeometry()), qPrintable(w.objectName()));
    for (QObject* c : w.controls()) {
        auto* control = qobject_cast<QWidget*>(c);
        if (!control || !control->isVisibleTo(&w) || control->size().isEmpty()) continue;
        const QPoint middle = control->mapTo(&w, control->rect().center());
        QVERIFY2(w.rect().contains(middle), qPrintable(control->objectName()));
    }
}

} // namespace

class ScaledDesktopTest : public QObject {
    Q_OBJECT
private slots:
    void theScreenIsCountedInItsPixelsAndTheScaleGoesToTheFonts()
    {
        const ScreenInfo s = Screen();
        QCOMPARE(s.widthPx, 1024);
        QCOMPARE(s.heightPx, 768);
        QCOMPARE(s.twipsPerPixelX, 12);
        QCOMPARE(s.twipsPerPixelY, 12);
    }

    void everyWindowFitsTheScreen()
    {
        const ScreenInfo real = Screen();
        CourseBuilder b;
        b.module("MOD001", "First", CourseBuilder::pages(2, "Topic"));
        b.course("Course A", {"MOD001"});
        b.writeRegistry();
        b.writeFile("Repository/12/notes.txt", "notes");
        qmtest::TestEnvironment env(b.path());
        env.screen.info = real;
        Form1& f = qmtest::OpenCourse();
        checkFits(f);
        Repository& r = Repository::instance();
        r.showModeless(&f);
        checkFits(r);
    }
};

int main(int argc, char** argv)
{
    // An offscreen screen of 1024 by 768 pixels, scaled as the learner's
    // desktop asks, before the program's own start turns the scale around.
    QTemporaryFile config;
    if (!qmtest::UseScaledScreen(config, "1.25")) return 1;
    QApplication app(argc, argv);
    ScaledDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaled_desktop.moc"
