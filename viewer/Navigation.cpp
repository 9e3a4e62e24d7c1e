#include "viewer/Navigation.h"
#include "app/Globals.h"
#include "assessment/TestWindows.h"
#include "content/LinkedList.h"
#include "content/ModuleLoader.h"
#include "platform/MessageBox.h"
#include "ui/FormsCollection.h"
#include "ui/UiText.h"
#include "users/ProgressNotice.h"
#include "users/ProgressRecords.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "viewer/Form1.h"
#include "viewer/MovieObjects.h"
#include "viewer/ReturnStack.h"

namespace qm {
namespace {

Form1* window() { return Form1::ifLoaded(); }

void resetObjectMemory()
{
    LastTxObjectId = 0;
    LastTxObjectIdSet = false;
}

void enableReturn()
{
    if (Form1* f = window()) f->SetReturnButton(true, QStringLiteral("ReturnOff.jpg"));
}

void removeMovies()
{
    if (Form1* f = window()) f->RemoveMovieControl();
}

bool isLastModule() { return CurModule >= CurrentCourse().Modules.size() - 1; }
bool isFirstModule() { return CurModule <= 0; }

// A module that cannot be opened leaves the learner where they were: the
// position saved before the move is opened again, quietly.
void restore(const PagePosition& at)
{
    if (at.ModuleIndex < 0 || at.ModuleIndex >= CurrentCourse().Modules.size()) return;
    CurModule = at.ModuleIndex;
    ModuleRecord& m = CurrentModule();
    PageList().InitLinedList();
    QString title;
    if (!PageList().LoadExistingList(ModuleMapPath(m.Code), title)) return;
    m.Title = title;
    if (!at.PageName.isEmpty()) PageList().SetPageAsCurrent(at.PageName);
}

PagePosition currentPosition()
{
    PagePosition p;
    p.ModuleIndex = CurModule;
    p.PageName = PageList().GetCurrentPageName();
    return p;
}

bool openModuleAt(int index, bool toLast)
{
    ModuleRecord& m = CurrentCourse().Modules[index];
    QString page = ModuleMapPath(m.Code);
    return LoadModuleMap(page, m.Code, m.Title, toLast);
}

} // namespace

MoveStart beginMove()
{
    const Form1* f = window();
    return {currentPosition(), ReturnStack, SavedPosition, f && !f->Movies->frames().isEmpty()};
}

void undoMove(const MoveStart& start, bool viewMoved)
{
    const PagePosition now = currentPosition();
    if (now.ModuleIndex != start.position.ModuleIndex || now.PageName != start.position.PageName)
        restore(start.position);
    if ((viewMoved || start.hadMovies) && HasCurrentModule())
        ShowPageFile(CurrentModule().Code, start.position.PageName);
    if (viewMoved) UpdateHeadingAndProgress();
    else ShowHeading();
    ReturnStack = start.stack;
    SavedPosition = start.saved;
    if (Form1* f = window()) {
        if (ReturnStack.isEmpty()) f->DisableReturnButton();
        else f->SetReturnButton(true, QStringLiteral("ReturnOff.jpg"));
    }
    ApplyButtonStateRule();
    resetObjectMemory();
}

void ShowHeading()
{
    if (!HasCurrentModule()) return;
    const QString topic = PageList().GetCurrentPageTopName();
    if (!topic.isEmpty()) {
        if (Form1* f = window()) f->Label1->setText(CurrentModule().Title + QStringLiteral(" : ") + topic);
    }
}

void UpdateHeadingAndProgress()
{
    if (!HasCurrentModule()) return;
    ShowHeading();
    const QString topic = PageList().GetCurrentPageTopName();
    // Nothing is written while nobody is signed in.
    RecordPageVisit(CurrentModule().Code, topic);
}

void GoToNextPage()
{
    if (!HasCurrentModule()) return;
    const QString next = PageList().GetNextPageName();
    // Nowhere to go from the course's very last page: stay put.
    if (next.isEmpty() && isLastModule()) return;

    const MoveStart start = beginMove();
    removeMovies();
    PushReturnPosition();
    enableReturn();

    bool moved = false;
    if (!next.isEmpty()) {
        if (ShowPageFile(CurrentModule().Code, next)) {
            if (Form1* f = window()) f->Refresh();
            PageList().NextPage();
            moved = true;
        }
    } else {
        CurModule = qint16(CurModule + 1);
        PageList().CleanUp();
        PageList().InitLinedList();
        moved = openModuleAt(CurModule, false);
    }
    if (!moved) {
        undoMove(start, false);
        return;
    }
    UpdateHeadingAndProgress();

    // While the review list of a test is open its items stay as they are: a
    // test page reached then is shown without reading its test.
    if (PageList().GetCurrentPageTpye() == QLatin1String("Test")
        && !IsFormLoadedByName(QStringLiteral("TestReview"))) {
        if (!InitTest()) {
            ShowTestRefusal();
        } else {
            TestPageName = PageList().GetCurrentPageName();
            TestModuleCode = CurrentModule().Code;
            NextPageAfterTest = PageList().GetNextPageName();
            ShowTestWindowModal();
        }
    }
    if (PageList().GetNextPageName().isEmpty() && isLastModule()) {
        if (Form1* f = window()) f->SetNextButton(false, QStringLiteral("nextDis.jpg"));
    }
    resetObjectMemory();
}

void GoToPrevPage()
{
    if (!HasCurrentModule()) return;
    const MoveStart start = beginMove();
    // A guard against stepping back over test pages forever at the course's start.
    for (int step = 0; step < 10000; ++step) {
        const QString prev = PageList().GetPrevPageName();
        if (prev.isEmpty() && isFirstModule()) return; // the course's first page: stay put

        removeMovies();
        PushReturnPosition();
        enableReturn();
        if (!prev.isEmpty()) {
            // A page that cannot be shown stops the move; test pages stepped
            // over on the way are given back too.
            if (!ShowPageFile(CurrentModule().Code, prev)) {
                undoMove(start, step > 0);
                return;
            }
            PageList().PreviousPage();
        } else {
            CurModule = qint16(CurModule - 1);
            PageList().CleanUp();
            PageList().InitLinedList();
            // Test pages stepped over on the way are given back too: the
            // move is made whole or not at all.
            if (!openModuleAt(CurModule, true)) {
                undoMove(start, step > 0);
                return;
            }
        }
        UpdateHeadingAndProgress();
        if (PageList().GetPrevPageName().isEmpty() && isFirstModule()) {
            if (Form1* f = window()) f->SetPrevButton(false, QStringLiteral("backDis.jpg"));
        }
        resetObjectMemory();
        if (PageList().GetCurrentPageTpye() != QLatin1String("Test")) return;
    }
}

void ApplyButtonStateRule()
{
    Form1* f = window();
    if (!f || !HasCurrentModule()) return;
    const bool noNext = PageList().GetNextPageName().isEmpty();
    const bool noPrev = PageList().GetPrevPageName().isEmpty();
    if (noNext && isLastModule()) {
        f->SetNextButton(false, QStringLiteral("nextDis.jpg"));
        f->SetPrevButton(true, QStringLiteral("PreviousOff.jpg"));
    } else if (noPrev && isFirstModule()) {
        f->SetNextButton(true, QStringLiteral("nextOff.jpg"));
        f->SetPrevButton(false, QStringLiteral("backDis.jpg"));
    } else {
        f->SetNextButton(true, QStringLiteral("nextOff.jpg"));
        f->SetPrevButton(true, QStringLiteral("PreviousOff.jpg"));
    }
}

void GreyButtonsAtCourseEnds()
{
    Form1* f = window();
    if (!f || !HasCurrentModule()) return;
    if (isLastModule() && PageList().GetNextPageName().isEmpty())
        f->SetNextButton(false, QStringLiteral("nextDis.jpg"));
    else if (!f->NextBtn->isEnabled())
        f->SetNextButton(true, QStringLiteral("nextOff.jpg"));
    if (isFirstModule() && PageList().GetPrevPageName().isEmpty())
        f->SetPrevButton(false, QStringLiteral("backDis.jpg"));
    else if (!f->Prev->isEnabled())
        f->SetPrevButton(true, QStringLiteral("PreviousOff.jpg"));
}

namespace {
// A jump to a module of the course: the position left is saved, the module
// opened by the loader given, and a module that cannot be opened leaves the
// learner where they were.
template <class Load>
void jumpToModule(int moduleIndex, Load load)
{
    if (!HasCurrentModule() || moduleIndex < 0 || moduleIndex >= CurrentCourse().Modules.size()) return;
    const MoveStart start = beginMove();
    PushReturnPosition();
    enableReturn();
    CurModule = qint16(moduleIndex);
    PageList().CleanUp();
    PageList().InitLinedList();
    removeMovies();
    ModuleRecord& m = CurrentModule();
    QString page = ModuleMapPath(m.Code);
    if (!load(page, m)) {
        undoMove(start, false);
        return;
    }
    UpdateHeadingAndProgress();
    ApplyButtonStateRule();
    resetObjectMemory();
}
} // namespace

void OpenModule(int moduleIndex)
{
    jumpToModule(moduleIndex, [](QString& page, ModuleRecord& m) { return LoadModuleMap(page, m.Code, m.Title, false); });
}

void OpenTopic(int moduleIndex, int, const QString& topicTitle)
{
    jumpToModule(moduleIndex, [&topicTitle](QString& page, ModuleRecord& m) {
        return LoadModuleMapAtTopic(page, m.Code, m.Title, topicTitle);
    });
}

void ReturnToSavedPage()
{
    if (ReturnStack.isEmpty()) return;
    const MoveStart start = beginMove();
    if (Form1* f = window()) f->Return_Btn->setSkin(QStringLiteral("ReturnOn.jpg"));
    PageList().CleanUp();
    PageList().InitLinedList();
    removeMovies();
    const PagePosition entry = PopReturnPosition();
    if (entry.CourseIndex < 0 || entry.CourseIndex >= Courses.size()
        || entry.ModuleIndex < 0 || entry.ModuleIndex >= Courses[entry.CourseIndex].Modules.size()) {
        // A position that names no module can never be opened: it goes, and
        // the learner stays.
        MoveStart without = start;
        without.stack = ReturnStack;
        undoMove(without, false);
        return;
    }
    CurModule = entry.ModuleIndex;
    ModuleRecord& m = Courses[entry.CourseIndex].Modules[entry.ModuleIndex];
    QString page = ModuleMapPath(m.Code);
    // A position saved without a page reopens its module at the first page.
    const bool ok = entry.PageName.isEmpty() ? LoadModuleMap(page, m.Code, m.Title, false)
                                             : LoadModuleMapAtPage(page, m.Code, m.Title, entry.PageName);
    // A module that fails to open keeps its way back for another try.
    if (!ok) {
        undoMove(start, false);
        return;
    }
    UpdateHeadingAndProgress();
    ApplyButtonStateRule();
    resetObjectMemory();
}

} // namespace qm
