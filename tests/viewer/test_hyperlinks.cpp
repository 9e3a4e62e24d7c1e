#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "platform/TextControl.h"
#include "support/CourseBuilder.h"
#include "support/LinkDoubles.h"
#include "support/MainWindow.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"
#include "viewer/Hyperlinks.h"
#include "viewer/MovieObjects.h"
#include "viewer/ReturnStack.h"

#include <QDir>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

struct Link {
    QString target;
    QString text;
};

// A page whose paragraphs are links, item n being links[n - 1].
QByteArray linkPage(const QList<Link>& links, const QString& mark = QString())
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 ";
    for (const Link& l : links)
        rtf += "{\\field{\\*\\fldinst HYPERLINK \"" + l.target.toUtf8() + "\"}{\\fldrslt " + l.text.toUtf8() + "}}\\par ";
    if (!mark.isEmpty()) rtf += "{\\*\\bkmkstart " + mark.toUtf8() + "}{\\*\\bkmkend " + mark.toUtf8() + "}end";
    return rtf + "}";
}

// Two modules: "abc123" and "MOD002" (reached by links typed in lower case).
// Page abc123/0001.txm carries the links the tests click.
enum Item { Web = 1, Survey, Document, HiddenDoc, Escape, PageLink, Upper, Skip, Mark, Short, Missing,
            UrlPage, UrlMark, UrlDocument, UrlOtherCourse, UrlEscape };

void buildCourse(CourseBuilder& b)
{
    b.module("abc123", "First", CourseBuilder::pages(4, "Intro"));
    QFile::remove(QDir(b.path()).filePath("abc123/0004.txm")); // listed, but its file is gone
    b.module("MOD002", "Second", CourseBuilder::pages(2, "More"));
    b.course("Course A", {"abc123", "MOD002"});
    b.writeRegistry();
    b.writeFile("abc123/0001.txm", linkPage({{"HTTP://Example.ORG/Path  ", "web"},
                                             {"www.example.org/survey", GetResString(141)},
                                             {"Guide.PDF", "guide"},
                                             {"secret.txt", "hidden"},
                                             {"../14/other.pdf", "escape"},
                                             {"abc123x0003.txm", "page link"},
                                             {"MOD002_0002.txm", "upper-case code"},
                                             {"anything.txm", GetResString(144)},
                                             {"0002.txm#The Spot", "mark in another page"},
                                             {"a.txm", "short"},
                                             {"abc123_0004.txm", "missing page"},
                                             {"file:///home/author/course/abc123_0003.txm", "url page"},
                                             {"file:///home/author/My%20Course/0002.txm#The%20Spot", "url mark"},
                                             {"file:///C:/course/Repository/12/Guide.PDF", "url document"},
                                             {"file:///home/author/Repository/14/other.pdf", "url other"},
                                             {"file:///home/author/..%2F14%2Fother.pdf", "url escape"}}));
    b.writeFile("abc123/0002.txm", linkPage({{"web.example", "x"}}, "the spot"));
    b.writeFile("Repository/12/guide.pdf", "%PDF");
    b.writeFile("Repository/12/Hidden/secret.txt", "s");
    b.writeFile("Repository/14/other.pdf", "o");
}

using qmtest::OpenCourse;

void click(Form1& f, int item)
{
    const QRect r = f.TXTextControl1->linkRect(item);
    QVERIFY2(r.isValid(), "link on screen");
    QTest::mouseClick(f.TXTextControl1->viewport(), Qt::LeftButton, {}, r.center() + QPoint(2, 0));
}

// The link course open in the main window, its shell, printers and save
// dialog scripted.
struct LinkCourse {
    CourseBuilder b;
    qmtest::TestEnvironment env{(buildCourse(b), b.path())};
    qmtest::LinkServices services;
    Form1& f = OpenCourse();
};

QString here() { return CurrentModule().Code + ' ' + PageList().GetCurrentPageName(); }

} // namespace

class HyperlinksTest : public QObject {
    Q_OBJECT
private slots:
    void webLinksGoToTheShellAndMinimise()
    {
        LinkCourse course;
        auto& [b, env, services, f] = course;

        click(f, Web);
        QCOMPARE(services.shell.calls.size(), 1);
        QCOMPARE(services.shell.calls[0].file, QString("http://example.org/path"));
        QCOMPARE(services.shell.calls[0].verb, QString("open"));
        QVERIFY(services.shell.calls[0].owner == nullptr);
        QVERIFY(f.windowState() & Qt::WindowMinimized);
        f.showNormal();

        // A failed hand-off is told and the window stays.
        services.shell.results.enqueue(kShellNoAssociation);
        click(f, Web);
        QCOMPARE(env.box.lastText(), GetResString(521));
        QVERIFY(!(f.windowState() & Qt::WindowMinimized));
    }

    void surveyLinkIsGuarded()
    {
        LinkCourse course;
        auto& [b, env, services, f] = course;

        AllModulesMode = 1;
        click(f, Survey);
        QCOMPARE(env.box.lastText(), GetResString(531));
        AllModulesMode = 0;
        CurrentCourse().AllModulesPresent = false;
        click(f, Survey);
        QCOMPARE(env.box.lastText(), GetResString(530));
        QVERIFY(services.shell.calls.isEmpty());

        CurrentCourse().AllModulesPresent = true;
        click(f, Survey);
        QCOMPARE(services.shell.calls.size(), 1);
        QVERIFY(services.shell.calls[0].owner == &f);
    }

    void documentsOpenFromTheCourseFolderOrItsHiddenFolder()
    {
        LinkCourse course;
        auto& [b, env, services, f] = course;
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.TXTextControl1->setFocus();

        click(f, Document);
        click(f, HiddenDoc);
        QCOMPARE(services.shell.calls.size(), 2);
        QCOMPARE(services.shell.calls[0].file, QDir(b.path()).filePath("Repository/12/guide.pdf"));
        QCOMPARE(services.shell.calls[0].showMode, 5);
        QVERIFY(services.shell.calls[0].owner == &f);
        QCOMPARE(services.shell.calls[1].file, QDir(b.path()).filePath("Repository/12/Hidden/secret.txt"));

        // Enter opens no link the mouse chose, only the one Tab reaches.
        QTest::keyClick(f.TXTextControl1, Qt::Key_Return);
        QCOMPARE(services.shell.calls.size(), 2);
        QTest::keyClick(f.TXTextControl1, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(f.TXTextControl1, Qt::Key_Return);
        QCOMPARE(services.shell.calls.size(), 3);
        QCOMPARE(services.shell.calls[2].file, services.shell.calls[0].file);
        services.shell.calls.removeLast();

        // A name leading out of the course's folder is refused.
        click(f, Escape);
        QCOMPARE(services.shell.calls.size(), 2);
        QCOMPARE(env.box.lastText(), GetResString(524));

        AllModulesMode = 1;
        click(f, Document);
        QCOMPARE(env.box.lastText(), GetResString(531));
        QCOMPARE(services.shell.calls.size(), 2);
    }

    void pageLinksMoveAcrossTheCourse()
    {
        LinkCourse course;
        auto& [b, env, services, f] = course;

        click(f, PageLink);
        QCOMPARE(here(), QString("abc123 0003.txm"));
        QCOMPARE(f.TXTextControl1->text().trimmed(), CourseBuilder::pageText("abc123", "0003.txm"));
        QCOMPARE(SavedPosition.PageName, QString("0001.txm"));
        QCOMPARE(ReturnStack.size(), 1);
        QVERIFY(f.Return_Btn->isEnabled());
        QCOMPARE(f.Return_Btn->skin(), QString("ReturnOff.jpg"));
        QCOMPARE(f.Prev->skin(), QString("PreviousOff.jpg"));
        QCOMPARE(f.NextBtn->skin(), QString("nextOff.jpg"));
    }

    void aLinkReachesAModuleWhateverTheCaseOfItsCode()
    {
        LinkCourse course;
        auto& [b, env, services, f] = course;
        click(f, Upper);
        QCOMPARE(env.box.calls.size(), 0);
        QCOMPARE(here(), QString("MOD002 0002.txm"));
    }

    void pageLinksThatLeadNowhereKeepThePlace_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("message");
        QTest::addRow("shorter than a page link") << int(Short) << 541;
        QTest::addRow("page file missing") << int(Missing) << 0;
    }
    void pageLinksThatLeadNowhereKeepThePlace()
    {
        QFETCH(int, item);
        QFETCH(int, message);
        LinkCourse course;
        auto& [b, env, services, f] = course;
        click(f, item);
        QCOMPARE(env.box.calls.size(), 1);
        if (message) QCOMPARE(env.box.lastText(), GetResString(message));
        QCOMPARE(here(), QString("abc123 0001.txm"));
        QCOMPARE(CurModule, qint16(0));
        QCOMPARE(PageList().GetNextPageName(), QString("0002.txm"));
        QVERIFY(f.TXTextControl1->text().contains("missing page"));
        // A module that is not there keeps the way back pushed for the jump;
        // a page that cannot be shown leaves none.
        QCOMPARE(ReturnStack.size(), message ? 1 : 0);
        if (!message) QVERIFY(!f.Return_Btn->isEnabled());
    }

    void skipLinkOpensTheNextModuleButNotPastTheLast()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("MOD002/0001.txm", linkPage({{"x.txm", GetResString(144)}}));
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        Form1& f = OpenCourse();

        click(f, Skip);
        QCOMPARE(here(), QString("MOD002 0001.txm"));
        click(f, 1);
        QCOMPARE(env.box.lastText(), GetResString(541));
        QCOMPARE(here(), QString("MOD002 0001.txm"));
    }

    void markInAnotherPageIsFoundBesideThePageOnView()
    {
        LinkCourse course;
        auto& [b, env, services, f] = course;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        click(f, Mark);
        QDir::setCurrent(cwd);
        QCOMPARE(env.box.calls.size(), 0);
        QVERIFY(f.TXTextControl1->documentPath().endsWith("abc123/0002.txm"));
        QCOMPARE(here(), QString("abc123 0001.txm"));
        QCOMPARE(ReturnStack.size(), 0);
    }

    // Word processors write relative links as absolute file URLs: only the
    // file name and mark count, so they reach what the relative link reaches.
    void fileUrlsAreReadByTheirFileName()
    {
        {
            LinkCourse course;
            auto& [b, env, services, f] = course;
            click(f, UrlDocument);
            click(f, UrlOtherCourse);
            QCOMPARE(services.shell.calls.size(), 2);
            QCOMPARE(services.shell.calls[0].file, QDir(b.path()).filePath("Repository/12/guide.pdf"));
            // Another course's folder named in the URL is not followed.
            QCOMPARE(services.shell.calls[1].file, QDir(b.path()).filePath("Repository/12/Hidden/other.pdf"));
            click(f, UrlEscape);
            QCOMPARE(services.shell.calls.size(), 2);
            QCOMPARE(env.box.lastText(), GetResString(524));

            click(f, UrlMark);
            QCOMPARE(env.box.calls.size(), 1);
            QVERIFY(f.TXTextControl1->documentPath().endsWith("abc123/0002.txm"));
            QVERIFY(f.TXTextControl1->textCursor().position() > 0);
            QCOMPARE(here(), QString("abc123 0001.txm"));
        }
        LinkCourse course;
        click(course.f, UrlPage);
        QCOMPARE(course.env.box.calls.size(), 0);
        QCOMPARE(here(), QString("abc123 0003.txm"));
        QString windows = "file:///C:\\course\\abc123_0002.txm";
        windows.append(QChar(0));
        HyperlinkClick(course.f, 0, 1, &windows, nullptr);
        QCOMPARE(course.env.box.calls.size(), 0);
        QCOMPARE(here(), QString("abc123 0002.txm"));
    }

    void aMarkLinkToAPageThatCannotBeShownKeepsThePageWhole()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("abc123/0002.txm", "{\\rtf1\\ansi {\\field{\\*\\fldinst HYPERLINK \"0003.txm#spot\"}{\\fldrslt big}}"
                                       "\\par {\\*\\qmobject\\objw2400\\objh1800 notes.txt}\\par}");
        b.writeFile("abc123/0003.txm", QByteArray(TextControl::maxPageBytes() + 1, 'x'));
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        Form1& f = OpenCourse();
        f.NextPage();
        QCOMPARE(f.Movies->frames().size(), 1);
        click(f, 1);
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().contains("0003.txm"));
        QVERIFY(f.TXTextControl1->documentPath().endsWith("abc123/0002.txm"));
        QCOMPARE(f.Movies->frames().size(), 1);
    }

    void aLinkToTheOnlyPageOfTheOnlyModuleGreysNext()
    {
        CourseBuilder b;
        b.module("abc123", "Only", CourseBuilder::pages(1, "One"));
        b.course("Course A", {"abc123"});
        b.writeRegistry();
        b.writeFile("abc123/0001.txm", linkPage({{"abc123_0001.txm", "again"}}));
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        Form1& f = OpenCourse();
        click(f, 1);
        QCOMPARE(env.box.calls.size(), 0);
        QVERIFY(!f.NextBtn->isEnabled());
        QCOMPARE(f.NextBtn->skin(), QString("nextDis.jpg"));
        QVERIFY(f.Prev->isEnabled());
        QCOMPARE(f.Prev->skin(), QString("PreviousOff.jpg"));
    }
};

QTEST_MAIN(HyperlinksTest)
#include "test_hyperlinks.moc"
