// The shipped sample program folder, read by the program's own readers: the
// catalogue, every page map, page, link, test file and help file fit together.
// QM_COURSE_FOLDER names another program folder to check the same way
// (scripts/check-course.sh); what only the samples must show is then skipped.
#include "app/Globals.h"
#include "assessment/Grading.h"
#include "assessment/TestFile.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "content/PlayerVersions.h"
#include "platform/ContentPath.h"
#include "platform/RegistryFile.h"
#include "platform/TextControl.h"
#include "platform/TextFile.h"
#include "platform/rtf/RtfReader.h"
#include "support/TestDoubles.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QtTest>
#include <functional>

using namespace qm;

namespace {

bool CheckingSamples() { return qEnvironmentVariableIsEmpty("QM_COURSE_FOLDER"); }

QString Folder()
{
    return CheckingSamples() ? QStringLiteral(QM_SAMPLE_SOURCE_DIR) : qEnvironmentVariable("QM_COURSE_FOLDER");
}

QString Sample(const QString& rel) { return JoinPath(Folder(), rel); }

// "All modules" follows the courses only when there are two or more.
int RealCourses() { return Courses.size() > 1 ? int(Courses.size()) - 1 : int(Courses.size()); }

// Word processors write links as file URLs; the page view reads them by file
// name and mark alone.
QString ByFileName(const QString& target)
{
    if (!target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return target;
    const QString path = target.section('#', 0, 0);
    const QString name = path.mid(qMax(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1);
    const QString mark = target.contains('#') ? '#' + target.section('#', 1) : QString();
    return QUrl::fromPercentEncoding((name + mark).toUtf8());
}

QByteArray ReadBytes(const QString& path)
{
    QByteArray bytes;
    ReadContentBytes(path, bytes, qint64(1) << 30);
    return bytes;
}

struct PageInfo {
    QString name, type;
};

QList<PageInfo> PagesOf(const ModuleRecord& m)
{
    LinkedList list;
    QString title;
    list.LoadExistingList(Sample(m.Code + "/Map.txt"), title);
    int count = 0;
    QStringList names, types, topics;
    list.GetAllPageInfo(count, names, types, topics);
    QList<PageInfo> pages;
    for (int i = 1; i <= count; ++i) pages.append({names[i], types[i]});
    return pages;
}

bool HasPage(const ModuleRecord& m, const QString& name)
{
    for (const PageInfo& p : PagesOf(m))
        if (p.name == name) return true;
    return false;
}

bool HasMark(const rtf::RtfContent& c, const QString& name)
{
    for (const rtf::RtfMark& mark : c.marks)
        if (mark.name.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

rtf::RtfContent ContentOf(const QString& path, QTextDocument& doc) { return rtf::ReadRtf(ReadBytes(path), doc); }

bool IsWebTarget(const QString& t)
{
    for (const char* prefix : {"http:", "https:", "www.", "ftp:", "w3.", "gopher:"})
        if (t.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    return false;
}

} // namespace

class SampleCoursesTest : public QObject {
    Q_OBJECT
    qmtest::TestEnvironment* env = nullptr;

    // Runs f for every real course (not "All modules") and each of its modules.
    void eachModule(const std::function<void(int, int)>& f)
    {
        for (int c = 0; c < RealCourses(); ++c)
            for (int m = 0; m < Courses[c].Modules.size(); ++m) f(c, m);
    }

private slots:
    void initTestCase()
    {
        env = new qmtest::TestEnvironment(Folder());
        GetInstalledCourses();
        AppPath = Folder();
    }
    void cleanupTestCase() { delete env; }

    void catalogueIsSound()
    {
        for (const RegistryError& e : MachineRegistry().errors())
            QFAIL(qPrintable(QString("Registry.reg line %1: %2").arg(e.line).arg(e.message)));
        // Refused keys and lines are told in a message at the start.
        for (const auto& call : env->box.calls) QFAIL(qPrintable(call.text));
        QVERIFY2(RealCourses() > 0, "no course");
        for (int c = 0; c < RealCourses(); ++c) {
            QVERIFY2(Courses[c].AllModulesPresent, qPrintable(Courses[c].Name + ": a module has no Map.txt"));
            QVERIFY2(Courses[c].RefusedContent.isEmpty(), qPrintable(Courses[c].RefusedContent.join('\n')));
        }
        eachModule([](int c, int m) {
            const ModuleRecord& mod = Courses[c].Modules[m];
            QVERIFY2(!mod.Topics.isEmpty(), qPrintable(mod.Code + ": no topic"));
            QVERIFY2(!mod.Title.isEmpty(), qPrintable(mod.Code + ": no title"));
        });
        if (!CheckingSamples()) return;
        QCOMPARE(Courses.size(), 3);
        QCOMPARE(Courses[0].Name, QString("Office Safety"));
        QCOMPARE(Courses[0].Modules.size(), 3);
        QCOMPARE(Courses[0].RepNum, QString("12"));
        QCOMPARE(Courses[1].Name, QString("Privacy at Work"));
        QCOMPARE(Courses[1].Modules.size(), 2);
        QCOMPARE(Courses[2].Name, QString("All modules"));
        QCOMPARE(Courses[2].Modules.size(), 5);
        QVERIFY(Courses[0].AllModulesPresent && Courses[1].AllModulesPresent);
        QCOMPARE(Courses[2].RefusedContent, QStringList()); // no page line is refused
        eachModule([](int c, int m) {
            const ModuleRecord& mod = Courses[c].Modules[m];
            QVERIFY2(mod.Topics.size() >= 2, qPrintable(mod.Code));
            QVERIFY2(!mod.Title.isEmpty(), qPrintable(mod.Code));
        });
    }

    void onlyTheMediaPlayerIsRegistered()
    {
        QString media, flash, shockwave;
        GetMediaPlayerVersion(media);
        GetFlashVersion(flash);
        GetShockwaveVersion(shockwave);
        // Without it no page shows its .wmv movies.
        QVERIFY2(!media.isEmpty(), "Registry.reg names no MediaPlayer.MediaPlayer\\CurVer");
        if (!CheckingSamples()) return;
        QCOMPARE(media, QString("MediaPlayer.MediaPlayer.1"));
        QVERIFY(flash.isEmpty());
        QVERIFY(shockwave.isEmpty());
    }

    void everyPageLoadsIntoThePageView()
    {
        TextControl view;
        int pages = 0, tables = 0, pictures = 0;
        eachModule([&](int c, int m) {
            const ModuleRecord& mod = Courses[c].Modules[m];
            for (const PageInfo& p : PagesOf(mod)) {
                const QString path = Sample(mod.Code + '/' + p.name);
                QVERIFY2(view.load(path), qPrintable(view.errorText()));
                if (CheckingSamples())
                    QVERIFY2(view.toPlainText().trimmed().size() > 40, qPrintable(path + ": hardly any text"));
                ++pages;
                for (QTextFrame* f : view.document()->rootFrame()->childFrames())
                    if (qobject_cast<QTextTable*>(f)) ++tables;
                for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next())
                    for (auto it = b.begin(); !it.atEnd(); ++it)
                        if (it.fragment().charFormat().isImageFormat()) ++pictures;
            }
        });
        QVERIFY(pages >= 1);
        if (CheckingSamples()) QVERIFY(pages >= 25 && tables >= 1 && pictures >= 1);
        for (const char* help : {"StatusHelp.rtf", "RepositoryHelp.rtf"}) {
            QVERIFY2(view.load(Sample(help), TextControl::LoadKind::RichText), qPrintable(view.errorText()));
            QVERIFY(view.toPlainText().size() > 200);
        }
    }

    void everyLinkPointsAtARealTarget()
    {
        QSet<QString> kinds;
        eachModule([&](int c, int m) {
            const ModuleRecord& mod = Courses[c].Modules[m];
            for (const PageInfo& p : PagesOf(mod)) {
                QTextDocument doc;
                const rtf::RtfContent content = ContentOf(Sample(mod.Code + '/' + p.name), doc);
                for (const rtf::RtfLink& link : content.links) {
                    const QString target = ByFileName(link.target.trimmed());
                    const QString where = mod.Code + '/' + p.name + ": " + target;
                    if (link.kind == 2) {
                        kinds << "mark";
                        QVERIFY2(HasMark(content, target), qPrintable(where));
                    } else if (IsWebTarget(target)) {
                        kinds << "web";
                    } else if (!target.contains(QLatin1String(".txm"), Qt::CaseInsensitive)) {
                        kinds << "document";
                        const QString folder = "Repository/" + Courses[c].RepNum + '/';
                        QVERIFY2(ContentFileExists(Sample(folder + target))
                                     || ContentFileExists(Sample(folder + "Hidden/" + target)),
                                 qPrintable(where));
                    } else if (target.contains('#')) {
                        kinds << "page with mark";
                        const QString file = target.section('#', 0, 0);
                        QVERIFY2(ContentFileExists(Sample(mod.Code + '/' + file)), qPrintable(where));
                        QTextDocument other;
                        QVERIFY2(HasMark(ContentOf(Sample(mod.Code + '/' + file), other), target.section('#', 1)),
                                 qPrintable(where));
                    } else {
                        kinds << "page";
                        // Written as 15 characters; the page view adds the 16th.
                        QCOMPARE(target.size(), 15);
                        // The player takes targets in lower case and matches codes exactly.
                        const int index = FindModuleIndex(Courses[c], target.left(6).toLower());
                        QVERIFY2(index >= 0, qPrintable(where));
                        QVERIFY2(HasPage(Courses[c].Modules[index], target.mid(7, 8)), qPrintable(where));
                    }
                }
            }
        });
        if (CheckingSamples()) QCOMPARE(kinds, QSet<QString>({"mark", "web", "document", "page with mark", "page"}));
    }

    void everyTestPageHasAGradableTestFile()
    {
        bool atEnd = false, inMiddle = false;
        for (int c = 0; c < RealCourses(); ++c) {
            CurCourse = qint16(c);
            bool single = false, multiple = false, quoted = false, summary = false, noSummary = false;
            for (int m = 0; m < Courses[c].Modules.size(); ++m) {
                CurModule = qint16(m);
                const QList<PageInfo> pages = PagesOf(CurrentModule());
                for (int i = 0; i < pages.size(); ++i) {
                    if (pages[i].type != QLatin1String("Test")) continue;
                    (i == pages.size() - 1 ? atEnd : inMiddle) = true;
                    QString reason;
                    QVERIFY2(ReadTestFile(pages[i].name, &reason), qPrintable(reason));
                    const bool withSummary = TestHeader != QLatin1String("2");
                    (withSummary ? summary : noSummary) = true;
                    if (withSummary && CheckingSamples()) QVERIFY(Questions.size() >= 5);
                    for (const QuestionRecord& q : Questions) {
                        (q.CorrectCount < 2 ? single : multiple) = true;
                        quoted = quoted || q.Text.contains('"') || q.Explanation.contains('"');
                        for (const AnswerRecord& a : q.Answers) quoted = quoted || a.Text.contains('"');
                        if (q.ReviewLink.isEmpty()) continue;
                        const ReviewTarget t = ParseReviewLink(q.ReviewLink);
                        const int index = FindModuleIndex(CurrentCourse(), t.ModuleCode);
                        QVERIFY2(index >= 0, qPrintable(q.ReviewLink));
                        QVERIFY2(HasPage(CurrentCourse().Modules[index], t.PageName), qPrintable(q.ReviewLink));
                        QVERIFY(!q.ReviewCaption.isEmpty());
                    }
                }
            }
            if (!CheckingSamples()) continue;
            QVERIFY2(single && multiple && quoted, qPrintable(Courses[c].Name));
            QVERIFY2(summary && noSummary, qPrintable(Courses[c].Name));
        }
        if (CheckingSamples()) QVERIFY(atEnd && inMiddle);
        CurCourse = CurModule = 0;
    }

    void theWindowsCodePageTestKeepsItsGuillemets()
    {
        if (!CheckingSamples()) QSKIP("the samples only");
        // One test file is kept in Windows-1252, where the guillemet is the byte 0xAB.
        const QByteArray bytes = ReadBytes(Sample("DPR202/DPR202_0007TST"));
        QVERIFY(!IsValidUtf8(bytes));
        QVERIFY(bytes.contains(char(0xAB)));
    }
};

QTEST_MAIN(SampleCoursesTest)
#include "test_sample_courses.moc"
