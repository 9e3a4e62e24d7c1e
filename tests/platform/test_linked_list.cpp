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
    }
};

QTEST_GUILESS_MAIN(LinkedListTest)
#include "test_linked_list.moc"
