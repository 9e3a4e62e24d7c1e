#include "platform/QuotedItems.h"

#include <QtTest>

using namespace qm;

class QuotedItemsTest : public QObject {
    Q_OBJECT

private slots:
    void readsItemsAcrossLines()
    {
        QuotedItemReader r("\"Module 1\",\"0003.txm\"\r\n\"ABC123\",\"Topic A\"\r\n");
        QStringList items;
        QVERIFY(r.read(3, items)); // a line end only separates items
        QCOMPARE(items, QStringList({"Module 1", "0003.txm", "ABC123"}));
        QString item;
        QVERIFY(r.next(item));
        QCOMPARE(item, QString("Topic A"));
        QVERIFY(r.atEnd());
        QVERIFY(!r.next(item));
        QCOMPARE(item, QString());
    }

    void severalRecordsOnOneLine()
    {
        QuotedItemReader r("\"a\",\"b\",\"c\",\"d\"\r\n");
        QStringList first, second;
        QVERIFY(r.read(2, first));
        QVERIFY(r.read(2, second));
        QCOMPARE(first, QStringList({"a", "b"}));
        QCOMPARE(second, QStringList({"c", "d"}));
        QVERIFY(r.atEnd());
    }

    void quotedCommasAndUnquotedItems()
    {
        QuotedItemReader r("\"Smith, John\",  12 , plain text ,\"\",7\n\"x\"  ,\"y\"");
        QStringList items;
        QVERIFY(r.read(7, items));
        QCOMPARE(items, QStringList({"Smith, John", "12", "plain text", "", "7", "x", "y"}));
    }

    void emptyUnquotedItems()
    {
        QuotedItemReader r("\"a\",,\"c\"\r\n");
        QStringList items;
        QVERIFY(r.read(3, items));
        QCOMPARE(items, QStringList({"a", "", "c"}));
        // After a comma, a line end (blanks before it or not) or the end of
        // the text ends an empty item; the next line starts the next item.
        QuotedItemReader ends("\"a\",\r\n\"b\",  \n\"c\",");
        QVERIFY(ends.read(6, items));
        QCOMPARE(items, QStringList({"a", "", "b", "", "c", ""}));
        QString item;
        QVERIFY(!ends.next(item));
    }

    void atEndIgnoresTrailingBlankLines()
    {
        QuotedItemReader r("\"only\"\r\n\r\n  \r\n\x1A");
        QVERIFY(!r.atEnd());
        QString item;
        QVERIFY(r.next(item));
        QVERIFY(r.atEnd());
        QVERIFY(QuotedItemReader("").atEnd());
        QVERIFY(QuotedItemReader("\r\n\r\n").atEnd());
    }

    void readingPastTheEndFails()
    {
        QuotedItemReader r("\"a\",\"b\"\r\n");
        QStringList items;
        QVERIFY(!r.read(3, items));
        QCOMPARE(items, QStringList({"a", "b"}));
        // An unterminated quote takes the rest of the text instead of failing.
        QuotedItemReader open("\"never closed, at all\r\n");
        QString item;
        QVERIFY(open.next(item));
        QCOMPARE(item, QString("never closed, at all\r\n"));
        QVERIFY(open.atEnd());
    }

    void writesQuotedLines()
    {
        QCOMPARE(QuotedItemLine({"ABC123", "Topic A|Topic B", "1"}), QString("\"ABC123\",\"Topic A|Topic B\",\"1\"\r\n"));
        QCOMPARE(QuotedItemLine({""}), QString("\"\"\r\n"));
        QCOMPARE(QuotedItemLine({}), QString("\r\n"));
        // What is written reads back item for item.
        const QStringList items({"Smith, John", "", " padded "});
        QuotedItemReader r(QuotedItemLine(items) + QuotedItemLine(items));
        QStringList back;
        QVERIFY(r.read(6, back));
        QCOMPARE(back, items + items);
        QVERIFY(r.atEnd());
    }
};

QTEST_GUILESS_MAIN(QuotedItemsTest)
#include "test_quoted_items.moc"
