#include "assessment/TestWindows.h"
#include "app/Globals.h"
#include "assessment/QuestionForm.h"
#include "assessment/TestReview.h"
#include "content/LinkedList.h"
#include "platform/MessageBox.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

namespace qm {

bool InitTest()
{
    // Starting a test while the review list of an earlier pass is open would
    // reset that list's items under it: the list closes first. (A move onto a
    // test page never gets here while the list is open.)
    if (TestReview* review = TestReview::ifLoaded()) review->unload();
    return QuestionForm::instance().InitTest();
}

void ShowTestRefusal()
{
    const QuestionForm* test = QuestionForm::ifLoaded();
    const QString why = test ? test->refusal() : QString();
    MsgBox(why.isEmpty() ? GetResString(539) : GetResString(539) + QStringLiteral("\n\n") + why);
}

void ShowTestWindowModal()
{
    // Every caller starts the test of the current page; where it leads on
    // afterwards is taken from here, whoever opens the window.
    if (HasCurrentModule()) {
        TestPageName = PageList().GetCurrentPageName();
        TestModuleCode = CurrentModule().Code;
        NextPageAfterTest = PageList().GetNextPageName();
    }
    QuestionForm::instance().showModal(Form1::ifLoaded());
}

void UnloadTestWindows()
{
    if (TestReview* review = TestReview::ifLoaded()) review->unload();
    if (QuestionForm* test = QuestionForm::ifLoaded()) test->unload();
}

} // namespace qm
