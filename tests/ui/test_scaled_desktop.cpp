// The program on a 1024 by 768 screen whose desktop scales by 125%: the
// screen is counted in its own pixels and every window fits it.
#include "app/CourseSelection.h"
#include "app/Globals.h"
#include "assessment/Status.h"
#include "assessment/TestReview.h"
#include "content/Catalogue.h"
#include "platform/ScreenMetrics.h"
#include "platform/XResources.h"
#include "reference/About.h"
#include "reference/Help.h"
#include "reference/PrinterDialog.h"
#include "reference/Repository.h"
#include "support/CourseBuilder.h"
#include "support/LabelFit.h"
#include "support/MainWindow.h"
#include "support/ScaledScreen.h"
#include "support/TestDoubles.h"
#include "ui/Form.h"
#include "users/NewUserLogin.h"
#include "users/ProfileBox.h"
#include "users/UserFiles.h"
#include "users/UserLogin.h"
#include "users/Welcome.h"
#include "viewer/Form1.h"

#include <cmath>

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
        const int tpp = int(std::lround(15 / qEnvironmentVariable("QM_TEST_SCALE", "1.25").toDouble()));
        QCOMPARE(s.twipsPerPixelX, tpp);
        QCOMPARE(s.twipsPerPixelY, tpp);
    }

    // The desktop's text size as xrdb lists it, read as the toolkit reads it.
    void xftDpiIsReadFromTheResources()
    {
        QCOMPARE(XftDpiIn("Xft.antialias:\t1\nXft.dpi:\t120\nXft.hinting:\t1\n"), 120);
        QCOMPARE(XftDpiIn("Xft.dpi: 143.6"), 144);
        QCOMPARE(XftDpiIn("Xft.dpis:\t120\n*dpi:\t120\nXft.dpi:\tlarge\n"), 0);
        QCOMPARE(XftDpiIn(""), 0);
    }

    // No caption is cut or drawn over another at the larger text.
    void everyLabelIsReadable()
    {
        const ScreenInfo real = Screen();
        CourseBuilder b;
        b.module("MOD001", "First", CourseBuilder::pages(2, "Topic"));
        b.module("MOD002", "Second", CourseBuilder::pages(2, "Topic"));
        b.course("Course A", {"MOD001"});
        b.course("Course B", {"MOD002"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        env.screen.info = real;
        Form1& f = qmtest::OpenCourse();
        QVERIFY(CreateUserProfile("Ann", "Lee", "ann@example.org"));
        ReviewItems = {ReviewItem{"Spotting hazards", "MOD001_0001.txm"}};
        QString first, last, email;
        QVERIFY(Welcome::instance().InitWelcomeForm("Ann Lee", first, last, email));
        NewUserLogin::instance().InitNewUserForm();
        const QList<Form*> windows{&f, &CourseSelection::instance(), &Welcome::instance(), &UserLogin::instance(),
                                   &NewUserLogin::instance(), &ProfileBox::instance(), &Status::instance(),
                                   &Repository::instance(), &About::instance(), &TestReview::instance(),
                                   &Help::instance(), &frmPrinterDialog::instance()};
        QStringList unreadable;
        for (Form* w : windows) {
            w->showModeless();
            for (const QString& label : qmtest::UnreadableLabels(*w)) unreadable.append(w->objectName() + "." + label);
            if (w != &f) w->unload();
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join("\n")));
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
    if (!qmtest::UseScaledScreen(config, qgetenv("QM_TEST_SCALE").isEmpty() ? "1.25" : qgetenv("QM_TEST_SCALE")))
        return 1;
    QApplication app(argc, argv);
    ScaledDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaled_desktop.moc"
