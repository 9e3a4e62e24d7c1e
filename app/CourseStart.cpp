#include "app/CourseStart.h"
#include "app/Globals.h"
#include "app/SplashScreen.h"
#include "content/CourseData.h"
#include "content/ModuleLoader.h"
#include "platform/MessageBox.h"
#include "ui/FormsCollection.h"
#include "users/SignIn.h"
#include "viewer/Form1.h"

namespace qm {

namespace {
// The page the learner would land on in the course can be shown; else the
// learner is told why. Found out before the old window goes, so that a
// learner who cannot go stays where they were.
bool canLandIn(int course)
{
    if (!CourseCanBeOpened(course)) {
        TellCourseCannotBeOpened(course);
        return false;
    }
    int module = 0;
    QString page, why;
    ResumePlace(course, module, page);
    if (CanShowModulePage(Courses[course].Modules[module].Code, page, &why)) return true;
    MsgBox(why, vbExclamation);
    return false;
}
} // namespace

bool StartChosenCourse(int course, int allModulesMode)
{
    const FormsCollection::Hold starting;
    if (Form1::ifLoaded() && !canLandIn(course)) {
        Form1::TakeKeysBack();
        return false;
    }
    CurCourse = course;
    AllModulesMode = allModulesMode;
    SplashScreen& splash = SplashScreen::instance();
    splash.showModeless();
    splash.repaint();
    // The visit starts only once the load below has finished, also when one
    // of its messages keeps the learner longer than the splash's second.
    splash.holdClosing(true);
    if (Form1* old = Form1::ifLoaded()) {
        // A change of course: the old main window goes, a fresh one reads the course.
        old->RemoveMovieControl();
        old->unload();
    }
    Form1::instance();
    if (SplashScreen* s = SplashScreen::ifLoaded()) s->holdClosing(false);
    return true;
}

} // namespace qm
