#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    void decodesUtf8OrWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Map\r\n") << QString("Map\r\n");
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << QString::fromUtf8("café €");
        QTest::newRow("utf-8 BOM dropped") << QByteArray("\xEF\xBB\xBFtitle") << QString("title");
        QTest::newRow("1252 letters") << QByteArray("caf\xE9") << QString::fromUtf8("café");
        QTest::newRow("1252 guillemet") << QByteArray("\xAB" "answer\xBB") << QString::fromUtf8("«answer»");
        // 0x80..0x9F are where Windows-1252 differs from Latin-1.
        QTest::newRow("1252 high controls")
            << QByteArray("\x80\x85\x8A\x91\x92\x93\x94\x96\x97\x99\x9F")
            << QString::fromUtf8("€…Š‘’“”–—™Ÿ");
        QTest::newRow("1252 undefined stay C1") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                                << QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D);
        // One invalid byte makes its line ANSI, valid-looking pairs included,
        // and leaves the other lines as they are.
        QTest::newRow("mixed line is 1252") << QByteArray("\xC3\xA9 \xE9") << QString::fromUtf8("Ã© é");
        QTest::newRow("each line alone") << QByteArray("\xC3\xA9\r\n\xFF\r\r\n\xC3\xA9\n\xE9")
                                         << QString::fromUtf8("é\r\nÿ\r\r\né\né");
        QTest::newRow("BOM then 1252") << QByteArray("\xEF\xBB\xBF\xE9") << QString::fromUtf8("é");
        QTest::newRow("encoded surrogate is not utf-8") << QByteArray("\xED\xA0\x80") << QString::fromUtf8("í\u00A0€");
        QTest::newRow("overlong is not utf-8") << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯");
        QTest::newRow("truncated sequence") << QByteArray("ab\xE2\x82") << QString::fromUtf8("abâ‚");
    }
    void decodesUtf8OrWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeText(bytes), text);
    }

    void splitsEveryLineEnd()
    {
        QCOMPARE(SplitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(SplitLines("a\r\n"), QStringList({"a"}));
        QCOMPARE(SplitLines("a\r\n\r\n"), QStringList({"a", ""}));
        QCOMPARE(SplitLines("\n\r\r\n"), QStringList({"", "", ""}));
        QCOMPARE(SplitLines("a\n\rb"), QStringList({"a", "", "b"})); // LF CR is two line ends
        QCOMPARE(SplitLines(""), QStringList());
        QCOMPARE(SplitLines("last"), QStringList({"last"}));
    }

    void readsContentFilesAndReportsFailures()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("Module"));
        QFile f(dir.filePath("Module/Map.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBFline 1\r\n\xC3\xA9");
        f.close();

        QString text;
        QVERIFY(ReadContentText(dir.filePath("MODULE/map.TXT"), text, 13));
        QCOMPARE(text, QString::fromUtf8("line 1\r\né"));

        QString error;
        ContentRead outcome = ContentRead::Done;
        text = "kept";
        QVERIFY(!ReadContentText(dir.filePath("Module/none.txt"), text, 100, &error, &outcome));
        QCOMPARE(error, "File not found: " + dir.filePath("Module/none.txt"));
        QCOMPARE(outcome, ContentRead::Missing);
        QCOMPARE(text, QString("kept"));
        QVERIFY(!ReadContentText(dir.filePath("module"), text, 100, &error, &outcome));
        QVERIFY2(error.startsWith("Path/File access error: "), qPrintable(error));
        QCOMPARE(outcome, ContentRead::Unreadable);
        QVERIFY(!ReadContentText(dir.filePath("Module/none.txt"), text, 100)); // no error wanted: no crash

        // One byte over the cap is refused by name; a device that reports no
        // size stops at the cap too.
        QVERIFY(!ReadContentText(dir.filePath("Module/Map.txt"), text, 12, &error, &outcome));
        QCOMPARE(outcome, ContentRead::TooLarge);
        QCOMPARE(error, "File too large (over 12 bytes): " + dir.filePath("Module/Map.txt"));
        QCOMPARE(text, QString("kept"));
        QByteArray bytes;
        QCOMPARE(ReadContentFile("/dev/zero", 4096, bytes), ContentRead::TooLarge);
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "test_text_file.moc"
