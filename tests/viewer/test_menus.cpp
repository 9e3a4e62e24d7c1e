// The main window's module, topic and toolbar menus, driven through the real
// window offscreen. Repeat timers are ticked by calling their handlers.
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
#include "ui/VbColor.h"
#include "users/UserPaths.h"
#include "viewer/Form1.h"
#include "viewer/MenuRows.h"
#include "viewer/ModuleMenu.h"
#include "viewer/ToolbarMenu.h"
#include "viewer/TopicMenu.h"

#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

QString code(int i) { return QStringLiteral("MOD%1").arg(i, 3, 10, QLatin1Char('0')); }

// A course of `modules` modules; module `topicModule` has `topics` topics,
// the others one page each.
void buildCourse(CourseBuilder& b, int modules, int topicModule = -1, int topics = 0, int courses = 1)
{
    QStringList codes;
    for (int i = 0; i < modules; ++i) {
        const int n = i == topicModule ? topics : 1;
        b.module(code(i), QStringLiteral("Module %1").arg(i), CourseBuilder::pages(n, QStringLiteral("Topic")));
        codes << code(i);
    }
    b.course("Course A", codes);
    for (int c = 1; c < courses; ++c) b.course(QStringLiteral("Course %1").arg(c), {code(0)});
    b.writeRegistry();
}

using qmtest::InWindow;
using qmtest::OpenCourse;

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void moduleMenuRowsArrowsAndHoldToScroll_data()
    {
        QTest::addColumn<int>("modules");
        QTest::addColumn<int>("holdSteps"); // steps until the down arrow hides
        QTest::newRow("one") << 1 << 0;
        QTest::newRow("ten") << 10 << 0;
        QTest::newRow("eleven") << 11 << 1;
        QTest::newRow("fifteen") << 15 << 5;
    }
    void moduleMenuRowsArrowsAndHoldToScroll()
    {
        QFETCH(int, modules);
        QFETCH(int, holdSteps);
        CourseBuilder b;
        buildCourse(b, modules);
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        ModuleMenu& m = *f.moduleMenu;
        QTest::mouseClick(f.ModLabel, Qt::LeftButton);
        QVERIFY(m.isOpen());
        QCOMPARE(m.rowCount(), modules);
        const int inView = qMin(modules, 10);
        QCOMPARE(m.row(inView - 1).caption->text(), QStringLiteral("Module %1").arg(inView - 1));
        // Only the rows in view have controls, however many modules there are.
        QCOMPARE(f.findChildren<PictureBox*>(QStringLiteral("MenuSlice")).size(), inView);
        QCOMPARE(m.Main_Menu_frm->height(), modules > 10 ? inView * m.rowPitch() - kMenuGap : inView * m.rowPitch());
        // The menu ends above its button with room for the down arrow.
        QVERIFY(InWindow(m.Main_Menu_frm).bottom() < InWindow(m.MenuScrlDwn).top());
        QCOMPARE(m.MenuScrlDwn->isVisible(), modules > 10);
        QVERIFY(!m.MenuScrlUp->isVisible());

        if (holdSteps > 0) {
            QTest::mousePress(m.MenuScrlDwn, Qt::LeftButton);
            QVERIFY(m.MenuScrlUp->isVisible());
            for (int step = 1; step < holdSteps; ++step) {
                QVERIFY(m.Timer2->isActive());
                QCOMPARE(m.Timer2->interval(), step == 1 ? 500 : 200);
                m.Timer2_Timer();
            }
            // The last row is in view: the arrow hides and its repeat stops,
            // although the hidden arrow never sees the release.
            QVERIFY(!m.MenuScrlDwn->isVisible());
            QVERIFY(!m.Timer2->isActive());
            const QRect last = InWindow(m.row(modules - 1).slice);
            QCOMPARE(last.bottom(), InWindow(m.Main_Menu_frm).bottom());
            m.Timer2_Timer(); // a stray tick changes nothing
            QCOMPARE(InWindow(m.row(modules - 1).slice), last);
            // The rows now show later modules, and the pointer on one
            // highlights its module.
            const MenuRow top = m.row(holdSteps);
            QCOMPARE(top.caption->text(), QStringLiteral("Module %1").arg(holdSteps));
            QCOMPARE(InWindow(top.slice).top(), InWindow(m.Main_Menu_frm).top());
            const MenuRow lastRow = m.row(modules - 1);
            QCOMPARE(lastRow.caption->text(), QStringLiteral("Module %1").arg(modules - 1));
            emit lastRow.caption->mouseMoved(QPoint(2, 2));
            QCOMPARE(ModuleHilite, modules - 1);
            QCOMPARE(lastRow.slice->skin(), QString("ModuleMenu_ON.jpg"));

            QTest::mousePress(m.MenuScrlUp, Qt::LeftButton);
            QTest::mouseRelease(m.MenuScrlUp, Qt::LeftButton);
            QVERIFY(!m.Timer3->isActive());
            QVERIFY(m.MenuScrlDwn->isVisible());
            if (holdSteps == 1) {
                m.Timer3_Timer(); // a stray tick never scrolls past the first row
                QCOMPARE(InWindow(m.row(0).slice).top(), InWindow(m.Main_Menu_frm).top());
            }
        }

        // A second click closes the menu and brings back the button's look.
        QTest::mouseClick(f.Modules, Qt::LeftButton);
        QVERIFY(!m.isOpen());
        QVERIFY(!m.MenuScrlDwn->isVisible() && !m.MenuScrlUp->isVisible());
        QCOMPARE(f.Modules->skin(), QString("ModuleMenu_ButtonClosedOff.jpg"));
    }

    void restingOnARowOpensItsTopicsBesideItUnderAScrolledMenu()
    {
        CourseBuilder b;
        buildCourse(b, 15, 3, 12);
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        ModuleMenu& m = *f.moduleMenu;
        TopicMenu& t = *f.topicMenu;
        f.CloseAllMenus();
        QTest::mouseClick(f.Modules, Qt::LeftButton);
        for (int i = 0; i < 2; ++i) {
            QTest::mousePress(m.MenuScrlDwn, Qt::LeftButton);
            QTest::mouseRelease(m.MenuScrlDwn, Qt::LeftButton);
        }
        QVERIFY(!m.Timer2->isActive());

        m.MenuSlice_MouseMove(3);
        QCOMPARE(m.row(3).caption->foreColor(), kBlack);
        QCOMPARE(m.row(3).slice->skin(), QString("ModuleMenu_ON.jpg"));
        QVERIFY(m.Timer4->isActive());
        QCOMPARE(m.Timer4->interval(), 500);
        // Arming the one-shot again does not restart it.
        const int left = m.Timer4->remainingTime();
        QTest::qWait(60);
        m.HighlightModuleSlice(4);
        m.HighlightModuleSlice(3);
        QVERIFY(m.Timer4->remainingTime() < left);
        QCOMPARE(m.row(4).caption->foreColor(), kWhite);
        QCOMPARE(m.row(4).slice->skin(), QString("ModuleMenu_Off.jpg"));
        QTRY_VERIFY(t.isOpen());
        QVERIFY(!m.Timer4->isActive());

        // The topic menu's lower edge is level with the hovered row's slot.
        QCOMPARE(InWindow(t.Main_Topic_frm).bottom() + 1, InWindow(m.row(3).slice).bottom() + 1 + kMenuGap);
        // Twelve topics: ten in view, the down arrow 4 pixels below.
        QCOMPARE(t.Main_Topic_frm->height(), 10 * t.rowPitch() - kMenuGap);
        QVERIFY(t.TopicScrlDwn->isVisible());
        QCOMPARE(InWindow(t.TopicScrlDwn).top(), InWindow(t.Main_Topic_frm).bottom() + 1 + kMenuGap);
        QTest::mousePress(t.TopicScrlDwn, Qt::LeftButton);
        QVERIFY(t.TopicScrlup->isVisible());
        QCOMPARE(InWindow(t.TopicScrlup).bottom() + 1 + kMenuGap, InWindow(t.Main_Topic_frm).top());
        QCOMPARE(t.Timer5->interval(), 500);
        t.Timer5_Timer();
        QVERIFY(!t.TopicScrlDwn->isVisible());
        QVERIFY(!t.Timer5->isActive());
        QCOMPARE(InWindow(t.row(11).slice).bottom(), InWindow(t.Main_Topic_frm).bottom());

        // Back from another module row onto the menu keeps it and its row.
        t.TopicSlice_MouseMove(2);
        m.MenuSlice_MouseMove(5);
        t.TopicLabel_MouseMove(2);
        QCOMPARE(ModuleHilite, 3);
        QVERIFY(!m.Timer4->isActive());
        QVERIFY(t.isOpen());
        QCOMPARE(t.row(2).slice->skin(), QString("TopicMenuBlankOn.jpg"));

        // Hovering a module arrow closes the topic menu.
        m.MenuScrlUp_MouseMove();
        QVERIFY(!t.isOpen());
        QCOMPARE(ModuleHilite, -1);
    }

    void aTopicClickOpensTheTopicAndRecordsIt()
    {
        CourseBuilder b;
        buildCourse(b, 2, 1, 11);
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        QDir().mkpath(UserFolderPath(UserFolderName("Ann", "Lee")));
        UserFirstName = "Ann";
        UserLastName = "Lee";
        QTest::mouseClick(f.ModLabel, Qt::LeftButton);
        f.moduleMenu->MenuSlice_MouseMove(1);
        f.moduleMenu->Timer4_Timer();
        TopicMenu& t = *f.topicMenu;
        QVERIFY(t.isOpen());
        // Eleven topics all fit: no arrow, nothing cut off.
        QCOMPARE(t.topicCount(), 10);
        QVERIFY(!t.TopicScrlDwn->isVisible());
        QCOMPARE(t.Main_Topic_frm->height(), 11 * t.rowPitch());

        // Only the left button opens a topic.
        QTest::mouseClick(t.row(2).caption, Qt::RightButton);
        QTest::mouseClick(t.row(2).slice, Qt::MiddleButton);
        QCOMPARE(CurModule, qint16(0));
        QVERIFY(t.isOpen());
        QTest::mouseClick(t.row(2).caption, Qt::LeftButton);
        QCOMPARE(CurModule, qint16(1));
        QCOMPARE(PageList().GetCurrentPageName(), QString("0003.txm"));
        QCOMPARE(f.Label1->text(), QString("Module 1 : Topic 3"));
        QVERIFY(!t.isOpen() && !f.moduleMenu->isOpen());
        QFile file(CourseFilePath(UserFolderName("Ann", "Lee"), 0));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("_Topic 3_"));
        QVERIFY(f.Return_Btn->isEnabled());
    }

    void aModuleWithoutTopicsShowsNoMenu()
    {
        CourseBuilder b;
        buildCourse(b, 2);
        b.module(code(1), "Bare", CourseBuilder::pages(2)); // pages without topics
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        QTest::mouseClick(f.ModLabel, Qt::LeftButton);
        f.moduleMenu->MenuSlice_MouseMove(1);
        f.moduleMenu->Timer4_Timer();
        QVERIFY(!f.topicMenu->isOpen());
        QVERIFY(f.moduleMenu->isOpen());
    }

    void glossaryAndProfileRowsRunTheirOwnCommands()
    {
        CourseBuilder b;
        buildCourse(b, 1);
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        for (const QString window : {"Glossary", "ProfileBox"}) {
            QString opened;
            qmtest::WhenAnyFormShown({"Glossary", "ProfileBox"}, [&](Form& w) {
                opened = w.objectName();
                w.unload();
            });
            QTest::mouseClick(f.toolbarMenu->row(window == "Glossary" ? 3 : 4).caption, Qt::LeftButton);
            QCOMPARE(opened, window);
        }
    }

    void toolbarRowsAndTheChangeCourseRow()
    {
        for (int courses : {1, 2}) {
            CourseBuilder b;
            buildCourse(b, 1, -1, 0, courses);
            qmtest::TestEnvironment env(b.path());
            Form1& f = OpenCourse();
            ToolbarMenu& tb = *f.toolbarMenu;
            const MenuRow change = tb.row(5);
            QCOMPARE(change.caption->text(), GetResString(201));
            QCOMPARE(change.slice->isEnabled(), courses > 1);
            QCOMPARE(change.slice->skin(),
                     QString(courses > 1 ? "ToolBar_MenuSlice_Off.jpg" : "ToolBar_MenuSlice_Dis.jpg"));
            QCOMPARE(change.caption->foreColor(), courses > 1 ? kWhite : kGrey);
            if (courses > 1) continue;

            QTest::mouseClick(f.toolBar_But, Qt::LeftButton);
            QVERIFY(tb.isOpen());
            // Both menus end on one line, clear of the navigation bar.
            QCOMPARE(InWindow(tb.Main_Tool_frm).bottom(), InWindow(f.moduleMenu->Main_Menu_frm).bottom());
            QVERIFY(InWindow(tb.Main_Tool_frm).bottom() < InWindow(f.moduleMenu->MenuScrlDwn).top());
            tb.toolBar_Slice_MouseMove(3);
            QCOMPARE(tb.row(3).slice->skin(), QString("ToolBar_MenuSlice_On.jpg"));
            tb.toolBar_Slice_MouseMove(5); // a disabled row takes no highlight
            QCOMPARE(tb.ToolHilite, 3);
            QTest::mouseClick(f.ToolLabel, Qt::LeftButton);
            QVERIFY(!tb.isOpen());
            QCOMPARE(f.toolBar_But->skin(), QString("ToolbarMenu_OpenOff.jpg"));
            QCOMPARE(tb.row(3).slice->skin(), QString("ToolBar_MenuSlice_Off.jpg"));
            QTest::mouseClick(f.toolBar_But, Qt::LeftButton);
            QCOMPARE(tb.ToolHilite, -1);

            // "Repository" is refused in "All modules" mode, and the menu closes.
            AllModulesMode = 1;
            QTest::mouseClick(tb.row(2).caption, Qt::LeftButton);
            QCOMPARE(env.box.lastText(), GetResString(531));
            QVERIFY(!tb.isOpen());
        }
    }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
