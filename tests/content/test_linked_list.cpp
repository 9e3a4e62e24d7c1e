#include "content/LinkedList.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

class LinkedListTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString writeMap(const QString& name, const QByteArray& body)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(body);
        return path;
    }

private slots:
    void threePagesWithTopicAndTest()
    {
        LinkedList list;
        QString title;
        const QString path = writeMap("a.txt", "x\r\nSafety basics\r\ny\r\n0001.txm*Topic*Hazards\r\n0002.txm*Page\r\n0003.txm*Test\r\n");
        QVERIFY(list.LoadExistingList(path, title));
        QCOMPARE(title, QString("Safety basics"));
        QCOMPARE(list.GetCurrentPageName(), QString("0001.txm"));
        QCOMPARE(list.GetPrevPageName(), QString());
        list.NextPage();
        list.NextPage();
        QCOMPARE(list.GetCurrentPageTpye(), QString("Test"));
        QCOMPARE(list.GetCurrentPageTopName(), QString("Hazards"));
        QCOMPARE(list.GetNextPageName(), QString());
        list.NextPage();
        QCOMPARE(list.GetCurrentPageName(), QString("0003.txm"));
        list.GoToFirstPage();
        list.PreviousPage();
        QCOMPARE(list.GetCurrentPageName(), QString("0001.txm"));
    }

    void pageLineFields()
    {
        struct Case { QString line; QString name, type, topic; bool skip; };
        const QList<Case> cases = {
            {"0001.txm*Topic*Fire", "0001.txm", "Topic", "Fire", false},
            {"0001.txm*Topic", "0001.txm", "Topic", "Topic", false},  // no third field: the type is the title
            {"0001.txm*Topic*", "0001.txm", "Topic", "", false},
            {"0001.txm*Topic*A*B", "0001.txm", "Topic", "A*B", false},
            {"0002.txm*Page*Ignored", "0002.txm", "Page", "", false},
            {"0003.txm*topic*Lower", "0003.txm", "topic", "", false}, // the type is case-sensitive
            {"\n0004.txm*Test", "0004.txm", "Test", "", false},
            {"\r", "", "", "", true},
        };
        for (const Case& c : cases) {
            QString line = c.line;
            line.replace("\\n", QString(QChar(10))).replace("\\r", QString(QChar(13)));
            QString name, type, topic;
            bool skip = false;
            QVERIFY2(ParsePageLine(line, name, type, topic, skip), qPrintable(c.line));
            QCOMPARE(skip, c.skip);
            if (skip) continue;
            QCOMPARE(name, c.name);
            QCOMPARE(type, c.type);
            QCOMPARE(topic, c.topic);
        }
        QString a, b, c;
        bool skip = false;
        QVERIFY(!ParsePageLine("no star", a, b, c, skip));
    }

    void walksAndSearches()
    {
        LinkedList list;
        QString title;
        QVERIFY(list.LoadExistingList(writeMap("b.txt", "x\r\nT\r\ny\r\n"
                                                        "0001.txm*Topic*Same\r\n0002.txm*Page\r\n"
                                                        "0003.txm*Topic*Same\r\n0004.txm*Topic*Other\r\n"), title));
        list.GoToLastPage();
        QCOMPARE(list.GetCurrentPageName(), QString("0004.txm"));
        list.GoToTopic("Same");
        QCOMPARE(list.GetCurrentPageName(), QString("0001.txm")); // the earlier of two
        list.GoToTopic("Missing");
        QCOMPARE(list.GetCurrentPageName(), QString("0001.txm"));
        QVERIFY(list.PageExist("0002.txm"));
        QVERIFY(!list.PageExist("0002.TXM"));
        QVERIFY(!list.PageExist(""));
        list.SetPageAsCurrent("0002.txm");
        QCOMPARE(list.GetCurrentPageTopName(), QString("Same"));
        list.SetPageAsCurrent("nope");
        QCOMPARE(list.GetCurrentPageName(), QString("0002.txm"));

        int count = 0;
        QStringList names, types, topics;
        list.GetAllPageInfo(count, names, types, topics);
        QCOMPARE(count, 4);
        QCOMPARE(names.size(), 5);
        QCOMPARE(names[0], QString());
        QCOMPARE(names[4], QString("0004.txm"));
        QCOMPARE(types[2], QString("Page"));

        // The scratch list leaves the page list alone.
        list.InitSearchLinkedList();
        QVERIFY(list.LoadNewSearchList(writeMap("c.txt", "x\r\nU\r\ny\r\n1*Topic*A\r\n2*Page\r\n3*Topic*B\r\n"), title));
        QStringList titles{"untouched"};
        list.GetTopics(count, titles);
        QCOMPARE(count, 2);
        QCOMPARE(titles, (QStringList{"A", "B"}));
        QCOMPARE(list.GetCurrentPageName(), QString("0002.txm"));
        list.InitSearchLinkedList();
        titles = QStringList{"untouched"};
        list.GetTopics(count, titles);
        QCOMPARE(count, 0);
        QCOMPARE(titles, QStringList{"untouched"});
    }

    void shortAndEmptyMaps()
    {
        LinkedList list;
        QString title;
        QVERIFY(list.LoadExistingList(writeMap("three.txt", "x\r\nOnly title\r\ny\r\n"), title));
        QCOMPARE(title, QString("Only title"));
        QCOMPARE(list.GetCurrentPageName(), QString());
        QCOMPARE(list.GetCurrentPageTopName(), QString());
        list.NextPage();
        list.GoToLastPage();
        QCOMPARE(list.GetCurrentPageName(), QString());

        QString error;
        QVERIFY(!list.LoadExistingList(writeMap("two.txt", "x\r\nTitle\r\n"), title, &error));
        QVERIFY(error.contains("two.txt"));
        QVERIFY(!list.LoadExistingList(dir.filePath("missing.txt"), title, &error));
        QVERIFY(error.startsWith("File not found"));

        // Line feeds alone and blank lines between pages.
        list.InitLinedList();
        QVERIFY(list.LoadExistingList(writeMap("lf.txt", "x\nT\ny\n\n0001.txm*Page\n\n0002.txm*Page\n"), title));
        list.NextPage();
        QCOMPARE(list.GetCurrentPageName(), QString("0002.txm"));
        QCOMPARE(list.GetPrevPageName(), QString("0001.txm"));
    }

    void refusedPageLinesAreLeftOut()
    {
        for (const QByteArray& bad : {QByteArray("../../../../etc/passwd"), QByteArray("a\\b"), QByteArray("")}) {
            LinkedList list;
            QString title, error;
            QStringList refused;
            const QString path = writeMap("bad.txt", "x\r\nT\r\ny\r\n0001.txm*Topic*In\r\n" + bad
                                                         + "*Topic*Outside\r\nno star\r\n0003.txm*Page\r\n");
            QVERIFY2(list.LoadExistingList(path, title, &error, &refused), bad.constData());
            // Every refused line is told, not only the first.
            QCOMPARE(refused.size(), 2);
            QVERIFY2(refused[0].contains("bad.txt, line 5") && refused[0].contains(QString::fromLatin1(bad)),
                     qPrintable(refused[0]));
            QVERIFY2(refused[1].endsWith("bad.txt, line 6 has no \"*\""), qPrintable(refused[1]));
            QVERIFY(!list.PageExist(QString::fromLatin1(bad)));
            QCOMPARE(list.GetCurrentPageName(), QString("0001.txm"));
            QCOMPARE(list.GetNextPageName(), QString("0003.txm"));
            QVERIFY(list.LoadNewSearchList(path, title));
        }
    }

    // Past 32,767 topics a 16-bit count would wrap.
    void manyTopicsAreCountedInFull()
    {
        LinkedList list;
        list.InitSearchLinkedList();
        QByteArray map = "x\r\nMany\r\ny\r\n";
        for (int i = 0; i < 40000; ++i) map += "p" + QByteArray::number(i) + ".txm*Topic*T" + QByteArray::number(i) + "\r\n";
        QString title;
        QVERIFY(list.LoadNewSearchList(writeMap("many.txt", map), title));
        int count = 0;
        QStringList titles;
        list.GetTopics(count, titles);
        QCOMPARE(count, 40000);
        QCOMPARE(titles.last(), QString("T39999"));
    }

    void cleanUpEmptiesTheList()
    {
        LinkedList list;
        list.Add_Page("a", "Page", "");
        list.Add_Page("b", "Topic", "B");
        QCOMPARE(list.GetCurrentPageName(), QString("b"));
        list.CleanUp();
        QCOMPARE(list.GetCurrentPageName(), QString());
        QCOMPARE(list.GetNextPageName(), QString());
        list.InitLinedList();
        list.Add_Page("c", "Page", "");
        list.GoToFirstPage();
        QCOMPARE(list.GetCurrentPageName(), QString("c"));
    }
};

QTEST_GUILESS_MAIN(LinkedListTest)
#include "test_linked_list.moc"
