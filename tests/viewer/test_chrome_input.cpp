// Hover looks, tooltips and keyboard shortcuts of the main window, driven
// through the real window offscreen.
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "support/CourseBuilder.h"
#include "support/MainWindow.h"
#include "support/ModalDriver.h"
#include "support/TestDoubles.h"
#include "ui/Form.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "platform/TextControl.h"
#include "viewer/ChromeHover.h"
#include "viewer/Form1.h"
#include "viewer/ModuleMenu.h"
#include "viewer/Navigation.h"
#include "viewer/ReturnStack.h"
#include "platform/MessageBox.h"
#include "viewer/ToolbarMenu.h"

#include <QCursor>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

void buildCourse(CourseBuilder& b, int courses = 1)
{
    b.module("MOD001", "First module", CourseBuilder::pages(2, "Intro"));
    b.module("MOD002", "Second module", CourseBuilder::pages(2, "Rules"));
    b.course("Course A", {"MOD001", "MOD002"});
    if (courses > 1) b.course("Course B", {"MOD002"});
    b.writeRegistry();
}

Form1& openCourse()
{
    Form1& f = qmtest::OpenCourse();
    f.activateWindow();
    return f;
}

// The two-module course open in the main window.
struct ChromeCourse {
    CourseBuilder b;
    qmtest::TestEnvironment env{(buildCourse(b), b.path())};
    Form1& f = openCourse();
};

using qmtest::InWindow;
QString here() { return CurrentModule().Code + ' ' + PageList().GetCurrentPageName(); }

void sendKey(QWidget* w, QEvent::Type type, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false,
             quint64 time = 0)
{
    QKeyEvent e(type, key, mods, QString(), repeat);
    e.setTimestamp(time);
    QApplication::sendEvent(w, &e);
}

// Moves the pointer away from every control and lets the poll notice.
void leave(Form1& f)
{
    QCursor::setPos(f.mapToGlobal(QPoint(500, 300)));
    f.hover->tmrMouseLeave_Timer();
}

} // namespace

class ChromeInputTest : public QObject {
    Q_OBJECT
private slots:
    void tooltipsArePlacedBelowOrAboveAndAligned()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        ChromeHover& h = *f.hover;

        // Exit sits in the top right corner: below it, right edges aligned.
        h.Exit_Pic_MouseMove();
        QCOMPARE(f.Exit_Pic->skin(), QString("ExitButton_On.jpg"));
        QCOMPARE(h.ToolTip->text().trimmed(), GetResString(103));
        QVERIFY(!h.ToolTip->isVisible());
        QVERIFY(h.ToolTipTimer->isActive());
        QCOMPARE(h.ToolTipTimer->interval(), 700);
        h.ToolTipTimer_Timer();
        QVERIFY(h.ToolTip->isVisible());
        const QRect exit = InWindow(f.Exit_Pic), tip = InWindow(h.ToolTip);
        QCOMPARE(tip.top(), exit.bottom() + 1 + 3); // 40 twips, 3 pixels
        QCOMPARE(tip.right(), exit.right());

        // Previous sits at the bottom: above it, left edges aligned.
        h.Prev_MouseMove();
        QVERIFY(!f.Prev->isEnabled() || f.Prev->skin() == "previousOn.jpg");
        f.NextPage();
        h.Prev_MouseMove();
        // A move from Exit straight onto Previous, quicker than the poll,
        // leaves no On look behind; the new tooltip stays armed.
        QCOMPARE(f.Exit_Pic->skin(), QString("ExitButton_Off.jpg"));
        QVERIFY(h.ToolTipTimer->isActive());
        const QRect prev = InWindow(f.Prev), above = InWindow(h.ToolTip);
        QCOMPARE(above.bottom() + 1 + 3, prev.top());
        QCOMPARE(above.left(), prev.left());
        QCOMPARE(h.hoveredControl(), f.Prev);

        leave(f);
        QCOMPARE(f.Prev->skin(), QString("previousOff.jpg"));
        QVERIFY(!h.ToolTip->isVisible());
        QVERIFY(!h.ToolTipTimer->isActive());
        QVERIFY(!h.tmrMouseLeave->isActive());

        // The Return tooltip names the position saved last.
        h.Return_Btn_MouseMove();
        QCOMPARE(h.ToolTip->text().trimmed(), GetResString(113) + "First module Intro 1");
    }

    void leavingRestoresTheRestingLooks()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        ChromeHover& h = *f.hover;

        // Next pressed onto the course's last page: leaving keeps it grey.
        OpenModule(1);
        h.NextBtn_MouseMove();
        QCOMPARE(f.NextBtn->skin(), QString("nextOn.jpg"));
        f.NextPage();
        QVERIFY(!f.NextBtn->isEnabled());
        leave(f);
        QCOMPARE(f.NextBtn->skin(), QString("nextDis.jpg"));

        // A pointer still on the control keeps the On look.
        h.Min_btn_MouseMove();
        QCursor::setPos(f.Min_btn->mapToGlobal(QPoint(2, 2)));
        h.tmrMouseLeave_Timer();
        QCOMPARE(f.Min_btn->skin(), QString("minimizeOn.jpg"));
        // Leaving the window restores at once, without the poll.
        QEvent out(QEvent::Leave);
        QApplication::sendEvent(&f, &out);
        QCOMPARE(f.Min_btn->skin(), QString("minimizeOff.jpg"));

        // The toolbar button matches its menu after the pointer leaves.
        f.toolbarMenu->toolBar_But_MouseMove();
        QCOMPARE(f.toolBar_But->skin(), QString("ToolbarMenu_OpenOn.jpg"));
        leave(f);
        QCOMPARE(f.toolBar_But->skin(), QString("ToolbarMenu_OpenOff.jpg"));
        QCOMPARE(f.ToolLabel->foreColor(), quint32(0xFFFFFF));
        f.toolbarMenu->toolBar_But_Click();
        f.toolbarMenu->toolBar_But_MouseMove();
        QCOMPARE(f.toolBar_But->skin(), QString("ToolbarMenu_ClosedOn.jpg"));
        leave(f);
        QCOMPARE(f.toolBar_But->skin(), QString("ToolbarMenu_ClosedOff.jpg"));
        // With the menu open the caption goes white too, also when the
        // pointer moves straight on to Exit.
        QCOMPARE(f.ToolLabel->foreColor(), quint32(0xFFFFFF));
        QCOMPARE(f.ToolLabel->backColor(), quint32(0xFF6666));
        f.toolbarMenu->toolBar_But_MouseMove();
        f.hover->Exit_Pic_MouseMove();
        QCOMPARE(f.ToolLabel->foreColor(), quint32(0xFFFFFF));
        QCOMPARE(f.toolBar_But->skin(), QString("ToolbarMenu_ClosedOff.jpg"));

        // So does the module button; a menu row keeps its highlight.
        f.moduleMenu->Modules_MouseMove();
        leave(f);
        QCOMPARE(f.Modules->skin(), QString("ModuleMenu_ButtonClosedOff.jpg"));
        f.moduleMenu->ModLabel_Click();
        f.moduleMenu->MenuSlice_MouseMove(1);
        leave(f);
        QCOMPARE(f.moduleMenu->row(1).slice->skin(), QString("ModuleMenu_ON.jpg"));
    }

    void arrowKeysMoveOnReleaseOnly()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QWidget* focus = f.TXTextControl1;

        sendKey(focus, QEvent::KeyPress, Qt::Key_Right);
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        // Auto-repeat: one move for the one real release.
        for (int i = 0; i < 3; ++i) {
            sendKey(focus, QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, true);
            sendKey(focus, QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, true);
        }
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Right);
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QCOMPARE(f.NextBtn->skin(), QString("nextOff.jpg"));

        QTest::keyClick(focus, Qt::Key_Right, Qt::ControlModifier); // Ctrl is not consulted
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QTest::keyClick(focus, Qt::Key_Right);
        QVERIFY(!f.NextBtn->isEnabled());
        QTest::keyClick(focus, Qt::Key_Right); // nothing past the last page
        QCOMPARE(here(), QString("MOD002 0002.txm"));

        QTest::keyClick(focus, Qt::Key_Left);
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QCOMPARE(f.Prev->skin(), QString("previousOff.jpg"));

        // Return: Alt, Shift and Alt+Shift with Left; each pops one position.
        QTest::keyClick(focus, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(here(), QString("MOD002 0002.txm"));
        QTest::keyClick(focus, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        QTest::keyClick(focus, Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QCOMPARE(f.Return_Btn->skin(), QString("ReturnOff.jpg"));
        QTest::keyClick(focus, Qt::Key_Left, Qt::AltModifier);
        QVERIFY(!f.Return_Btn->isEnabled());
        QTest::keyClick(focus, Qt::Key_Left, Qt::ShiftModifier); // empty stack: nothing
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        QVERIFY(env.box.calls.isEmpty());
    }

    void aHeldKeyMovesOnceWhateverTheRepeatFlagSays()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QWidget* focus = f.TXTextControl1;
        // X11 repeats as a release and a press with one time; the flag is
        // missing on most of them, and may come back on some.
        sendKey(focus, QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, false, 1000);
        for (quint64 t = 1500; t < 1800; t += 30) {
            const bool flagged = t >= 1650;
            sendKey(focus, QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, flagged, t);
            sendKey(focus, QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, flagged, t);
        }
        QTest::qWait(100);
        QCOMPARE(here(), QString("MOD001 0001.txm")); // still held
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, false, 1900);
        QTRY_COMPARE(here(), QString("MOD001 0002.txm"));

        // A new press a moment after a release is a new press.
        sendKey(focus, QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, false, 2000);
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, false, 2100);
        sendKey(focus, QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, false, 2100);
        QCOMPARE(here(), QString("MOD001 0001.txm"));
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, false, 2200);
        QTRY_COMPARE(here(), QString("MOD001 0002.txm"));
        QCOMPARE(ReturnStack.size(), 3);
    }

    void aReleaseActsOnlyForAPressSeenWhileActive()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QWidget* focus = f.TXTextControl1;
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Right); // its press went elsewhere
        QCOMPARE(here(), QString("MOD001 0001.txm"));

        sendKey(focus, QEvent::KeyPress, Qt::Key_Right);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Right);
        QCOMPARE(here(), QString("MOD001 0001.txm"));
    }

    void keysComeBackAfterTwoBoxesInARow()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        // Each box takes the keys and leaves no window active when it goes,
        // the second one before the first one's hand-back has landed.
        env.box.onShow = [](const auto&) {
            QCoreApplication::processEvents();
            QWidget box;
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
        };
        MsgBox("first");
        MsgBox("second");
        env.box.onShow = nullptr;
        QTRY_VERIFY(f.isActiveWindow());
        QTest::keyClick(f.TXTextControl1, Qt::Key_Right);
        QCOMPARE(here(), QString("MOD001 0002.txm"));
    }

    void arrowKeysFollowTheirButtonsNotThePosition()
    {
        ChromeCourse course;
        auto& [b, env, f] = course;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.NextPage();
        // Greyed where a move would still be possible (registration greys Previous so).
        f.SetNextButton(false, "nextDis.jpg");
        f.SetPrevButton(false, "backDis.jpg");
        f.SetReturnButton(false, "ReturnButtonDisabled.jpg");
        for (const auto mods : {Qt::NoModifier, Qt::AltModifier, Qt::ShiftModifier}) {
            QTest::keyClick(f.TXTextControl1, Qt::Key_Right, mods);
            QTest::keyClick(f.TXTextControl1, Qt::Key_Left, mods);
            QCOMPARE(here(), QString("MOD001 0002.txm"));
        }
    }

    void escAsksOnceAndToolKeys()
    {
        CourseBuilder b;
        buildCourse(b, 2);
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QWidget* focus = f.TXTextControl1;

        env.box.answer(vbNo);
        QTest::keyClick(focus, Qt::Key_Escape);
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.lastText(), GetResString(124));
        // The Esc press that closed the box went to the box; its release
        // reaches the main window alone and must not ask again.
        sendKey(focus, QEvent::KeyRelease, Qt::Key_Escape);
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(Form1::loaded());

        // The refusal's box takes the keys while it is open; the main
        // window has them again once it is gone.
        QWidget elsewhere;
        elsewhere.show();
        env.box.onShow = [&](const auto&) {
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        };
        AllModulesMode = 1;
        QTest::keyClick(focus, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(env.box.lastText(), GetResString(531));
        env.box.onShow = nullptr;
        QTRY_VERIFY(f.isActiveWindow());
        QTest::keyClick(focus, Qt::Key_Right);
        QCOMPARE(here(), QString("MOD001 0002.txm"));
        QTest::keyClick(focus, Qt::Key_R); // no Alt: no shortcut
        QCOMPARE(env.box.calls.size(), 2);

        // Alt+H: the progress window.
        bool shown = false;
        qmtest::WhenFormShown("Status", [&](Form& s) {
            shown = true;
            s.unload();
        });
        QTest::keyClick(focus, Qt::Key_H, Qt::AltModifier);
        QVERIFY(shown);
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));

        // Alt+C with several courses: the topic is saved and the chooser opens.
        QTest::keyClick(focus, Qt::Key_C, Qt::AltModifier);
        QVERIFY(qmtest::LoadedForm("CourseSelection"));
        QVERIFY(qmtest::LoadedForm("CourseSelection")->isVisible());
    }

    void oneCourseHasNoChangeOfCourse()
    {
        CourseBuilder b;
        buildCourse(b, 1);
        qmtest::TestEnvironment env(b.path());
        Form1& f = openCourse();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(f.TXTextControl1, Qt::Key_C, Qt::AltModifier);
        QVERIFY(!qmtest::LoadedForm("CourseSelection"));
    }
};

QTEST_MAIN(ChromeInputTest)
#include "test_chrome_input.moc"
