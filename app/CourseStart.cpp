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
    if (Form1* old = Form1::ifLoaded()) {
        // A change of course: the old main window goes, a fresh one reads the course.
        old->RemoveMovieControl();
        old->unload();
    }
    Form1::instance();
}

} // namespace qm
