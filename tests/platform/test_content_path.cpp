#include "content/LinkedList.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

class ContentPathTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    void touch(const QString& relative)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase()
    {
        touch("GUIimages/PreviousOff.jpg");
        touch("Course/Module/Movies/Intro.WMV");
        touch("Both/map.txt");
        touch("Both/Map.txt");
    }

    void everyComponentIsMatchedWithoutCase()
    {
        QCOMPARE(ResolveContentPath(dir.filePath("guiimages/previousoff.JPG")), dir.filePath("GUIimages/PreviousOff.jpg"));
        QCOMPARE(ResolveContentPath(dir.filePath("COURSE/module/MOVIES/intro.wmv")),
                 dir.filePath("Course/Module/Movies/Intro.WMV"));
        QVERIFY(ContentFileExists(dir.filePath("course/MODULE/movies/INTRO.wmv")));
        QVERIFY(!ContentFileExists(dir.filePath("course/module"))); // a folder is not a file
    }

    void backslashesAreSeparators()
    {
        QCOMPARE(ResolveContentPath(dir.path() + "\\guiimages\\PREVIOUSOFF.jpg"), dir.filePath("GUIimages/PreviousOff.jpg"));
    }

    void exactNameIsPreferred()
    {
        QCOMPARE(ResolveContentPath(dir.filePath("Both/map.txt")), dir.filePath("Both/map.txt"));
        QCOMPARE(ResolveContentPath(dir.filePath("Both/Map.txt")), dir.filePath("Both/Map.txt"));
        const QString either = ResolveContentPath(dir.filePath("both/MAP.TXT"));
        QVERIFY(either == dir.filePath("Both/map.txt") || either == dir.filePath("Both/Map.txt"));
    }

    void missingPathsComeBackAsWritten()
    {
        QCOMPARE(ResolveContentPath(dir.filePath("Nothing/Here.txt")), dir.filePath("Nothing/Here.txt"));
        QCOMPARE(ResolveContentPath(dir.path() + "\\Nothing\\Here.txt"), dir.filePath("Nothing/Here.txt"));
        // The part that exists is still resolved, so the message names the real folder.
        QCOMPARE(ResolveContentPath(dir.filePath("course/Missing.txm")), dir.filePath("Course/Missing.txm"));
        QCOMPARE(ResolveContentPath(QString()), QString());
        QVERIFY(!ContentFileExists(dir.filePath("Nothing/Here.txt")));
    }

    void relativePathsResolveFromTheWorkingFolder()
    {
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QString resolved = ResolveContentPath("guiimages/previousoff.jpg");
        QDir::setCurrent(old);
        QCOMPARE(resolved, QString("GUIimages/PreviousOff.jpg"));
    }

    void contentNamesStayInsideTheirFolder()
    {
        for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "tab\there", "del\x7f", "AB\"C12", "a<b", "a>b",
                                "C:x", "a|b", "a?b", "a*b"})
            QVERIFY2(ContentPathInside("/f", QString::fromLatin1(bad)).isEmpty(), bad);
        QCOMPARE(ContentPathInside("/f", "0001.txm"), QString("/f/0001.txm"));
        QCOMPARE(ContentPathInside("/f/", "...x"), QString("/f/...x"));
    }

    // Such a page name is told with the page map and its line.
    void refusedPageNameIsToldByMapAndLine()
    {
        touch("Quote/Map.txt");
        QFile map(dir.filePath("Quote/Map.txt"));
        QVERIFY(map.open(QIODevice::WriteOnly));
        map.write("x\r\nTitle\r\ny\r\nAB\"C.txm*Page\r\n");
        map.close();
        LinkedList list;
        QString title;
        QStringList refused;
        QVERIFY(list.LoadExistingList(map.fileName(), title, nullptr, &refused));
        QCOMPARE(refused.size(), 1);
        QVERIFY2(refused[0].contains("Map.txt, line 4") && refused[0].contains("AB\"C.txm"), qPrintable(refused[0]));
    }
};

QTEST_GUILESS_MAIN(ContentPathTest)
#include "test_content_path.moc"
