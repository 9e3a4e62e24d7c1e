#include "app/CourseStart.h"
#include "app/SplashScreen.h"
#include "ui/FormsCollection.h"
#include "viewer/Form1.h"


namespace qm {

void StartChosenCourse()
{
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
}

} // namespace qm
