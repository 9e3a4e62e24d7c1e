#include "viewer/ToolCommands.h"
#include "app/CourseSelection.h"
#include "app/Globals.h"
#include "assessment/StatusWindow.h"
#include "platform/MessageBox.h"
#include "reference/About.h"
#include "reference/Glossary.h"
#include "reference/PrinterDialog.h"
#include "reference/Repository.h"
#include "ui/UiText.h"
#include "users/ProfileBox.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"

namespace qm {

void PrintPageCommand()
{
    ShowPagePrintDialog();
    Form1::TakeKeysBack();
}

void CheckProgressCommand()
{
    ShowStatusForm();
    Form1::TakeKeysBack();
}

void RepositoryCommand()
{
    if (AllModulesMode == 1) {
        MsgBox(GetResString(531));
        return;
    }
    ShowRepositoryWindow();
    Form1::TakeKeysBack();
}

void GlossaryCommand()
{
    ShowGlossary();
    Form1::TakeKeysBack();
}

void EditProfileCommand()
{
    ShowProfileBox();
    Form1::TakeKeysBack();
}

void ChangeCourseCommand()
{
    if (Courses.size() <= 1) return;
    UpdateHeadingAndProgress();
    if (CourseSelection* chooser = CourseSelection::ifLoaded()) chooser->showModeless();
    else CourseSelection::instance();
}

void AboutCommand()
{
    ShowAbout();
    Form1::TakeKeysBack();
}

void MinimiseCommand()
{
    if (Form1* f = Form1::ifLoaded()) f->showMinimized();
}

void RunToolCommand(int index)
{
    Form1* f = Form1::ifLoaded();
    if (!f) return;
    f->CloseAllMenus();
    f->repaint();
    switch (index) {
    case 0: PrintPageCommand(); break;
    case 1: CheckProgressCommand(); break;
    case 2: RepositoryCommand(); break;
    case 3: GlossaryCommand(); break;
    case 4: EditProfileCommand(); break;
    case 5: ChangeCourseCommand(); break;
    case 6: AboutCommand(); break;
    default: break;
    }
}

} // namespace qm
