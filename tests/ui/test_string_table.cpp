#include "platform/StringTable.h"
#include "platform/TextFile.h"
#include "ui/UiText.h"

#include <QFile>
#include <QtTest>

using namespace qm;

// Every id the windows and messages of the program ask for.
static const int kUsedIds[] = {
    101, 102, 103, 104, 105, 106, 107, 108, 110, 111, 112, 113, 117, 118, 122, 123, 124, 125, 126,
    127, 128, 129, 131, 132, 133, 134, 135, 136, 137, 139, 140, 141, 142, 143, 144, 150, 151, 152,
    153, 154, 155, 156, 158, 160, 161, 200, 201, 250, 251, 252, 253, 254, 255, 300, 303, 305, 306,
    308, 309, 320, 321, 322, 323, 324, 325, 350, 351, 352, 353, 354, 355, 356, 357, 358, 359, 360,
    361, 375, 376, 377, 378, 379, 380, 400, 401, 402, 403, 404, 405, 415, 416, 417, 418, 500, 501,
    502, 503, 504, 505, 508, 509, 510, 511, 512, 513, 514, 515, 516, 517, 518, 519, 520, 521, 522,
    523, 524, 526, 527, 528, 529, 530, 531, 532, 533, 534, 535, 536, 537, 538, 539, 541, 542,
};

class StringTableTest : public QObject {
    Q_OBJECT

    static QString resourceText()
    {
        QFile f(QStringLiteral(":/resources/StringTable.txt"));
        if (!f.open(QIODevice::ReadOnly)) return QString();
        return DecodeText(f.readAll());
    }

private slots:
    void compiledTableParsesCleanly()
    {
        const QString text = resourceText();
        QVERIFY2(!text.isEmpty(), "the string table is not compiled into the program");
        StringTable table;
        QString error;
        QVERIFY2(table.parse(text, &error), qPrintable(error));
        QCOMPARE(table.size(), AppStringTable().size());
    }

    void holdsEveryUsedId()
    {
        QStringList missing;
        for (int id : kUsedIds)
            if (!HasResString(id) || GetResString(id).isEmpty()) missing << QString::number(id);
        QVERIFY2(missing.isEmpty(), qPrintable("missing ids: " + missing.join(", ")));
    }

    void idsAreInTheirRangeAndUnique()
    {
        // A repeated id would silently replace the earlier text.
        const QStringList lines = SplitLines(resourceText());
        QSet<int> seen;
        for (const QString& line : lines) {
            if (line.trimmed().isEmpty() || line.trimmed().startsWith('#')) continue;
            const int id = line.section(' ', 0, 0).toInt();
            QVERIFY2(!seen.contains(id), qPrintable(QString("id %1 appears twice").arg(id)));
            seen.insert(id);
            QVERIFY2(id >= 101, qPrintable(QString("id %1 below the table's range").arg(id)));
        }
    }

    void exactTextsKeepTheirBlanks_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("113 ends in a blank") << 113 << "Return to ";
        QTest::newRow("124") << 124 << "Are you sure you want to exit this course?";
        QTest::newRow("139") << 139 << "All modules";
        QTest::newRow("503") << 503 << "Veltrane Quillmark 1.0 [Run]";
        QTest::newRow("532") << 532 << "An instance of this application is already running.";
        QTest::newRow("533 ends in a blank")
            << 533
            << "The Veltrane Quillmark was designed to run at a screen resolution of 1024 by 768. "
               "Your current screen resolution is ";
        QTest::newRow("534 two blanks after the stop") << 534 << ".  Would you like to continue?";
        QTest::newRow("535") << 535 << "Screen Resolution Warning";
        QTest::newRow("133 two blanks inside, one at the end")
            << 133 << "Congratulations!  You have correctly answered ";
        QTest::newRow("134 blanks both sides") << 134 << " out of ";
        QTest::newRow("418 four blanks") << 418 << "Veltrane Quillmark    version ";
        QTest::newRow("510 with quote and backslash")
            << 510 << "Name can not contain the following characters:   \\ / : * ? \" < > |";
    }

    void exactTextsKeepTheirBlanks()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(GetResString(id), text);
    }

    void playerMessagesEndWithTheMakersSite()
    {
        for (int id : {527, 528, 537, 538}) {
            const QString text = GetResString(id);
            QVERIFY2(text.endsWith(QStringLiteral("installed on this machine (www.macromedia.com).")),
                     qPrintable(QString("%1: %2").arg(id).arg(text)));
        }
    }

    void screenQuestionReadsAsOneSentence()
    {
        // The start check joins 533, the size and 534 into one question.
        const QString question = GetResString(533) + "1280" + " by " + "1024" + GetResString(534);
        QVERIFY(question.endsWith("is 1280 by 1024.  Would you like to continue?"));
    }
};

QTEST_GUILESS_MAIN(StringTableTest)
#include "test_string_table.moc"
