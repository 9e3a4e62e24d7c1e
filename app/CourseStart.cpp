#include "app/CourseStart.h"
#include "app/Globals.h"
#include "app/SplashScreen.h"
#include "content/CourseData.h"
#include "ui/FormsCollection.h"
#include "viewer/Form1.h"

namespace qm {

bool StartChosenCourse(int course, int allModulesMode)
{
    const FormsCollection::Hold starting;
    if (Form1::ifLoaded() && !CourseCanBeOpened(course)) {
        // Found out before the old window goes, so the learner stays where
        // they were.
        TellCourseCannotBeOpened(course);
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
