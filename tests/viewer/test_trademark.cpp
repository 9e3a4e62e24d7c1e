// The trademark slideshow shown when the learner leaves the course.
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/ContentPath.h"
#include "platform/TextControl.h"
#include "support/CourseBuilder.h"
#include "support/TestDoubles.h"
#include "ui/FormsCollection.h"
#include "viewer/Form1.h"
#include "viewer/Trademark.h"

#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

QByteArray page(const QString& text) { return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 " + text.toUtf8() + "\\par}"; }

void buildCourse(CourseBuilder& b)
{
    b.module("MOD001", "First module", CourseBuilder::pages(1, "Intro"));
    b.course("Course A", {"MOD001"});
    b.writeRegistry();
}

// Opens the course entry and leaves it by the exit question answered Yes.
void exitCourse(qmtest::TestEnvironment& env, int course = 0)
{
    GetInstalledCourses();
    CurCourse = qint16(course);
    Form1& f = Form1::instance();
    f.showModeless();
    env.box.answer(vbYes);
    f.Exit_Course();
    QVERIFY(!Form1::loaded());
}

QString shown(const Trademark& t) { return t.TXTextControl1->text().trimmed(); }

} // namespace

class TrademarkTest : public QObject {
    Q_OBJECT
private slots:
    void showsEachPageThenEndsTheProgram()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("About/Trademark Course A_1.txm", page("Mark one"));
        b.writeFile("About/trademark course a_2.txm", page("Mark two")); // names ignore case
        b.writeFile("About/Trademark Course A_4.txm", page("After a gap"));
        qmtest::TestEnvironment env(b.path());
        bool ended = false;
        FormsCollection::setLastWindowHandler([&] { ended = true; });
        exitCourse(env);

        Trademark* t = Trademark::ifLoaded();
        QVERIFY(t && t->isVisible());
        QCOMPARE(shown(*t), QString("Mark one"));
        QVERIFY(t->Timer1->isActive());
        QCOMPARE(t->Timer1->interval(), 3000);
        QCoreApplication::processEvents();
        QVERIFY(!ended); // the slideshow keeps the program running
        t->Timer1_Timer();
        QCOMPARE(shown(*t), QString("Mark two"));
        t->Timer1_Timer(); // page 3 is missing: the show ends
        QVERIFY(!Trademark::loaded());
        QTRY_VERIFY(ended);
        FormsCollection::setLastWindowHandler(nullptr);
    }

    void allModulesNamesLaterPagesAfterTheChosenEntry()
    {
        CourseBuilder b;
        b.module("MOD001", "First module", CourseBuilder::pages(1, "Intro"));
        b.course("Course A", {"MOD001"}).course("Course B", {"MOD001"});
        b.writeRegistry();
        b.writeFile("About/Trademark Course A_1.txm", page("A one"));
        b.writeFile("About/Trademark Course A_2.txm", page("A two"));
        b.writeFile("About/Trademark All modules_2.txm", page("All two"));
        qmtest::TestEnvironment env(b.path());
        exitCourse(env, 2); // the "All modules" entry
        Trademark* t = Trademark::ifLoaded();
        QVERIFY(t);
        QCOMPARE(shown(*t), QString("A one"));
        t->Timer1_Timer();
        QCOMPARE(shown(*t), QString("All two"));
    }

    void withoutPagesNothingIsShown()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        exitCourse(env);
        QVERIFY(!Trademark::loaded());
    }

    void anUnreadablePageEndsTheShow()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("About/Trademark Course A_1.txm", page("Mark one"));
        b.writeFile("About/Trademark Course A_2.txm", "{\\rtf1 x}");
        QFile big(b.path() + "/About/Trademark Course A_2.txm");
        QVERIFY(big.resize(qint64(65) << 20)); // beyond what a page may hold
        QFile::setPermissions(big.fileName(), QFileDevice::Permissions()); // and unreadable where that counts
        qmtest::TestEnvironment env(b.path());
        exitCourse(env);
        Trademark* t = Trademark::ifLoaded();
        QVERIFY(t);
        t->Timer1_Timer();
        QVERIFY(!Trademark::loaded());
        QVERIFY(env.box.calls.size() == 1); // the exit question, nothing more
    }

    void aCourseNameThatIsNoFileNameFindsNoPage()
    {
        qmtest::TestEnvironment env(QDir::tempPath());
        AppPath = QDir::tempPath();
        QVERIFY(TrademarkPagePath("../x", 1).isEmpty());
        QVERIFY(TrademarkPagePath("Course A", 2).endsWith("/About/Trademark Course A_2.txm"));
    }

    void theSampleCoursesShipTheirPages()
    {
        qmtest::TestEnvironment env(QStringLiteral(QM_SAMPLE_SOURCE_DIR));
        AppPath = QStringLiteral(QM_SAMPLE_SOURCE_DIR);
        TextControl view;
        for (int n : {1, 2}) {
            QVERIFY(ContentFileExists(TrademarkPagePath("Office Safety", n)));
            QVERIFY(view.load(TrademarkPagePath("Office Safety", n)));
            QVERIFY(!view.text().trimmed().isEmpty());
        }
        QVERIFY(!ContentFileExists(TrademarkPagePath("Office Safety", 3)));
        QVERIFY(!ContentFileExists(TrademarkPagePath("Privacy at Work", 1)));
    }
};

QTEST_MAIN(TrademarkTest)
#include "test_trademark.moc"
