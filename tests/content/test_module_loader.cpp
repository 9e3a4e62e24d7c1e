#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/CourseData.h"
#include "content/LinkedList.h"
#include "content/ModuleLoader.h"
#include "content/PageView.h"
#include "support/CourseBuilder.h"
#include "support/TestDoubles.h"

#include <QFileInfo>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {
// Records what the loaders ask the page view to show.
class RecordingView : public PageView {
public:
    QStringList loaded;
    bool LoadPage(const QString& path, QString* error) override
    {
        if (!QFileInfo::exists(path)) {
            if (error) *error = "File not found: " + path;
            return false;
        }
        loaded.append(QFileInfo(path).fileName());
        return true;
    }
};

struct Fixture {
    CourseBuilder b;
    RecordingView view;
    Fixture()
    {
        b.module("MOD001", "Five pages", CourseBuilder::pages(5, "T"));
        b.course("Course", {"MOD001"});
        b.writeRegistry();
    }
};
} // namespace

class ModuleLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetPageView(nullptr); }

    void lastPageFlagShowsTheLastPage()
    {
        Fixture fx;
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        QString page = ModuleMapPath("MOD001");
        QString title;
        QVERIFY(LoadModuleMap(page, "MOD001", title, true));
        QCOMPARE(page, QString("0005.txm"));
        QCOMPARE(title, QString("Five pages"));
        QCOMPARE(fx.view.loaded, QStringList{"0005.txm"});
    }

    void atPageWithAnEmptyNameChangesNothing()
    {
        Fixture fx;
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        SavedPosition.PageName = "0003.txm";
        QString page = ModuleMapPath("MOD001");
        const QString before = page;
        QString title = "old";
        QVERIFY(LoadModuleMapAtPage(page, "MOD001", title, QString()));
        QCOMPARE(page, before);
        QCOMPARE(title, QString("old"));
        QVERIFY(fx.view.loaded.isEmpty());
        QCOMPARE(SavedPosition.PageName, QString("0003.txm"));

        // A name the map does not hold shows the first page; the saved page name is cleared.
        QVERIFY(LoadModuleMapAtPage(page, "MOD001", title, "0099.txm"));
        QCOMPARE(page, QString("0001.txm"));
        QVERIFY(SavedPosition.PageName.isEmpty());
        page = ModuleMapPath("MOD001");
        QVERIFY(LoadModuleMapAtPage(page, "MOD001", title, "0004.txm"));
        QCOMPARE(page, QString("0004.txm"));
    }

    void atTopicFallsBackToTheFirstPage()
    {
        Fixture fx;
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        QString page = ModuleMapPath("MOD001");
        QString title;
        QVERIFY(LoadModuleMapAtTopic(page, "MOD001", title, "T 3"));
        QCOMPARE(page, QString("0003.txm"));
        page = ModuleMapPath("MOD001");
        QVERIFY(LoadModuleMapAtTopic(page, "MOD001", title, "Nowhere"));
        QCOMPARE(page, QString("0001.txm"));
    }

    void missingPageMapGivesOneMessageAndNoPage()
    {
        Fixture fx;
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        QString page = ModuleMapPath("NOPE01");
        QString title;
        QVERIFY(!LoadModuleMap(page, "NOPE01", title, false));
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().startsWith("File not found"));
        QVERIFY(env.box.lastText().contains("NOPE01"));
        QCOMPARE(env.box.calls[0].style, 0);
        QVERIFY(fx.view.loaded.isEmpty());
    }

    void refusedPageLinesAreLeftOutAndToldOnceWhenTheCourseIsTaken()
    {
        Fixture fx;
        fx.b.writeFile("BAD001/Map.txt", "x\r\nBad\r\ny\r\n0001.txm*Topic*One\r\n../../etc/passwd*Topic*Outside\r\n"
                                         "no star here\r\n0002.txm*Topic*Two\r\n");
        fx.b.writeFile("BAD001/0001.txm", "{\\rtf1 one}");
        fx.b.writeFile("BAD001/0002.txm", "{\\rtf1 two}");
        fx.b.course("Broken", {"bad001", "MOD001"}); // the folder is found whatever its case
        fx.b.writeRegistry();
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        GetInstalledCourses();
        const CourseRecord& broken = Courses[0];
        QCOMPARE(broken.Name, QString("Broken"));
        QCOMPARE(broken.Modules.size(), 2);
        QCOMPARE(broken.Modules[0].Topics, QStringList({"One", "Two"}));
        QVERIFY(env.box.calls.isEmpty()); // nothing is said before a course is taken

        CurCourse = 0;
        QVERIFY(InitCourseData());
        QCOMPARE(env.box.calls.size(), 1);
        const QString told = env.box.lastText();
        // Each refused line, under the name the folder has on disk.
        QVERIFY2(told.contains("BAD001/Map.txt, line 5") && told.contains("BAD001/Map.txt, line 6"), qPrintable(told));
        int count = 0;
        QStringList names, types, topics;
        PageList().GetAllPageInfo(count, names, types, topics);
        QCOMPARE(names, QStringList({"", "0001.txm", "0002.txm"}));

        // Opening the module again says nothing more; "All modules" tells it once too.
        QString page = ModuleMapPath("BAD001");
        QString title;
        QVERIFY(LoadModuleMap(page, "BAD001", title, true));
        QCOMPARE(page, QString("0002.txm"));
        QCOMPARE(env.box.calls.size(), 1);
        CurCourse = 2;
        QVERIFY(InitCourseData());
        QCOMPARE(env.box.calls.size(), 2);
        QCOMPARE(env.box.lastText(), told);
    }

    void missingPageFileIsReportedByName()
    {
        Fixture fx;
        QFile::remove(fx.b.path() + "/MOD001/0001.txm");
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        QString page = ModuleMapPath("MOD001");
        QString title;
        QVERIFY(!LoadModuleMap(page, "MOD001", title, false));
        QCOMPARE(page, QString("0001.txm")); // the list is loaded and the page argument set
        QVERIFY(env.box.lastText().contains("0001.txm"));
    }

    void initCourseDataStartsTheCourse()
    {
        Fixture fx;
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        GetInstalledCourses();
        ReturnStack.append(PagePosition());
        CurModule = 3;
        ExitRequested = true;
        QVERIFY(InitCourseData());
        QVERIFY(ReturnStack.isEmpty());
        QCOMPARE(CurModule, qint16(0));
        QVERIFY(!ExitRequested);
        QCOMPARE(PageList().GetCurrentPageName(), QString("0001.txm"));
        QCOMPARE(fx.view.loaded, QStringList{"0001.txm"});
        QCOMPARE(AppPath, fx.b.path());
    }

    void contentNamesIgnoreCase()
    {
        Fixture fx;
        fx.b.writeFile("MOD001/0006.TXM", "{\\rtf1 six}");
        fx.b.writeFile("MOD001/map.TXT", "x\r\nMixed case\r\ny\r\n0006.txm*Page\r\n");
        QFile::remove(fx.b.path() + "/MOD001/Map.txt");
        qmtest::TestEnvironment env(fx.b.path());
        SetPageView(&fx.view);
        QString page = ModuleMapPath("mod001");
        QString title;
        QVERIFY(LoadModuleMap(page, "mod001", title, false));
        QCOMPARE(title, QString("Mixed case"));
        QCOMPARE(fx.view.loaded, QStringList{"0006.TXM"});
    }
};

QTEST_MAIN(ModuleLoaderTest)
#include "test_module_loader.moc"
