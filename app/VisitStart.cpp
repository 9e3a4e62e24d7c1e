#include "app/VisitStart.h"
#include "app/CourseSelection.h"
#include "app/Globals.h"
#include "assessment/StatusWindow.h"
#include "content/LinkedList.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "reference/Glossary.h"
#include "ui/FormsCollection.h"
#include "ui/Pointer.h"
#include "users/ProgressNotice.h"
#include "users/SignIn.h"
#include "users/UserLogin.h"
#include "users/UserFiles.h"
#include "users/Welcome.h"
#include "viewer/Form1.h"

namespace qm {
namespace {

void resumeSignedInLearner()
{
    if (!CourseFileExists()) {
        // First visit to this course: start at module 0, first page.
        EnsureCourseFile();
        return;
    }
    QString problem;
    if (!ResumeAtBookmark(&problem, true)) {
        MsgBox(problem, vbExclamation);
        return;
    }
    ShowStatusForm();
}

void openSignIn(Form1& main, const QStringList& folders)
{
    if (folders.size() == 1) {
        Welcome& w = Welcome::instance();
        QString first, last, email, problem;
        if (w.InitWelcomeForm(folders[0], first, last, email, &problem)) {
            w.showModal(&main);
            return;
        }
        // The one folder cannot be read: say so and let the learner choose.
        w.unload();
        MsgBox(problem, vbExclamation);
    }
    UserLogin::instance().showModal(&main);
}

// The start up to the main window on screen; nullptr when the course could
// not be opened.
Form1* startUntilTheMainWindowShows(QStringList& folders)
{
    if (CourseSelection* chooser = CourseSelection::ifLoaded()) chooser->unload();
    StartProgressNoticeVisit();
    qint16 count = 0;
    GetUserList(folders, count);
    SetScreenPointer(vbDefault);
    BuildGlossaryViews();

    Form1* main = Form1::ifLoaded();
    if (!main) {
        // The course could not be opened (its load said why): another may
        // be chosen, and where there was no choice the program ends.
        if (Courses.size() > 1) CourseSelection::instance();
        else EndProcess();
        return nullptr;
    }
    main->showModeless();
    return main;
}

} // namespace

void StartLearnersVisit()
{
    Form1* main = nullptr;
    QStringList folders;
    {
        // Until the main window shows, no window may be visible: a message
        // then (a refused glossary, say) must not end the program.
        const FormsCollection::Hold starting;
        main = startUntilTheMainWindowShows(folders);
        if (!main) return;
    }
    if (!UserFirstName.isEmpty()) resumeSignedInLearner();
    else openSignIn(*main, folders);
}

} // namespace qm
