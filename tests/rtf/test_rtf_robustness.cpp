#include "RtfTestSupport.h"
#include "platform/rtf/RtfKeywords.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextTable>
#include <QtTest>

using namespace qm::rtf;

// Whatever the bytes, the reader returns a document that can be laid out.
// Seeds are fixed so that a failure can be replayed.
namespace {
QByteArray dataFile(const char* name)
{
    QFile f(QStringLiteral(QM_TEST_DATA_DIR "/rtf/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QByteArray richPage() { return dataFile("rich_page.rtf"); }

void readAndLayOut(const QByteArray& bytes)
{
    QTextDocument doc;
    const RtfContent content = ReadRtf(bytes, doc);
    doc.setTextWidth(500);
    (void)doc.documentLayout()->documentSize();
    const int length = doc.characterCount();
    for (const RtfMark& m : content.marks) QVERIFY(m.position >= 0 && m.position < length);
    for (const RtfObject& o : content.objects) QVERIFY(o.position >= 0 && o.position < length);
}

QList<QByteArray> tokens(const QByteArray& rtf)
{
    static const QRegularExpression re(QStringLiteral(R"(\\[a-z]+-?\d* ?|\\'[0-9a-f]{2}|\\.|[{}]|[^\\{}]+)"));
    QList<QByteArray> out;
    const QString s = QString::fromLatin1(rtf);
    for (auto it = re.globalMatch(s); it.hasNext();) out.append(it.next().captured().toLatin1());
    return out;
}
} // namespace

class RtfRobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void theRichSampleReadsCompletely()
    {
        const QByteArray page = richPage();
        QVERIFY(page.size() > 1000);
        ReadPage p(page);
        QVERIFY(p.text().startsWith("Hazards in the workshop\n"));
        QVERIFY(p.text().contains("Last paragraph without a par mark"));
        QVERIFY(!p.text().contains("ignored"));
        QVERIFY(!p.text().contains("page header"));
        QCOMPARE(int(p.content.links.size()), 4);
        QCOMPARE(p.content.links[3].target, QString("http://www.example.com/"));
        QCOMPARE(int(p.content.marks.size()), 1);
        QCOMPARE(int(p.content.objects.size()), 1);
        QVERIFY(p.text().contains(QString::fromUtf8("你 好end")));
    }

    void rememberedControlWordsReadAsLookedUp()
    {
        // Words sharing a memo slot (same length, first and last letter) included.
        const QList<QByteArray> words = {"row", "raw", "rxw", "par", "pard", "plain", "b", "i", "cell", "cellx",
                                         "clpadl", "clpadt", "ul", "uld", "ulnone", "fs", "f", "cf", "intbl",
                                         "listoverridetable", "x"};
        qm::rtf::KeywordMemo memo;
        for (int round = 0; round < 3; ++round)
            for (const QByteArray& w : words) QCOMPARE(memo(w), qm::rtf::LookupKeyword(w));
    }

    void realWordProcessorFilesInEveryTruncation()
    {
        const QDir dir(QStringLiteral(QM_TEST_DATA_DIR "/rtf"));
        const QStringList names = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files);
        QVERIFY(names.size() >= 10);
        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray page = f.readAll();
            for (int n = 0; n <= page.size(); n += 7) readAndLayOut(page.left(n));
            readAndLayOut(page);
        }
    }

    void everyTruncation()
    {
        const QByteArray page = richPage();
        for (int n = 0; n <= page.size(); ++n) {
            QTextDocument doc;
            ReadRtf(page.left(n), doc);
        }
        for (int n = 0; n <= page.size(); n += 37) readAndLayOut(page.left(n));
    }

    void shuffledTokens()
    {
        const QList<QByteArray> parts = tokens(richPage());
        QVERIFY(parts.size() > 200);
        QRandomGenerator rng(1234);
        for (int round = 0; round < 300; ++round) {
            QList<QByteArray> mixed = parts;
            // Swap a few neighbourhoods, drop some tokens, duplicate others.
            for (int k = 0; k < 20; ++k) {
                const int a = rng.bounded(int(mixed.size()));
                const int b = rng.bounded(int(mixed.size()));
                switch (rng.bounded(3)) {
                case 0: mixed.swapItemsAt(a, b); break;
                case 1: mixed.removeAt(a); break;
                default: mixed.insert(a, mixed[b]); break;
                }
            }
            readAndLayOut(mixed.join());
        }
    }

    void randomBytes()
    {
        QRandomGenerator rng(99);
        const QByteArray alphabet = "{}\\\\\\'*abcdefghijklmnopqrstuvwxyz0123456789- ;\"\r\n";
        for (int round = 0; round < 400; ++round) {
            QByteArray b;
            const int n = rng.bounded(3000);
            const bool syntax = round % 2 == 0;
            for (int i = 0; i < n; ++i)
                b.append(syntax ? alphabet[rng.bounded(int(alphabet.size()))] : char(rng.bounded(256)));
            readAndLayOut("{\\rtf1 " + b);
            readAndLayOut(b);
        }
    }

    void randomControlWordSoup()
    {
        // Real control words in random order exercise every state change.
        const QList<QByteArray> words = {
            "\\par", "\\pard", "\\intbl", "\\cell", "\\row", "\\trowd", "\\cellx1000", "\\cellx3000",
            "\\clvmgf", "\\clvmrg", "\\clmgf", "\\clmrg", "\\nestcell", "\\nestrow", "\\itap2", "\\itap0",
            "\\b", "\\i0", "\\fs-4", "\\f99", "\\cf7", "\\plain", "\\u-1", "\\u55357", "\\uc5", "\\uc0",
            "\\'e9", "{\\*\\bkmkstart m}", "{\\*\\qmobject x.wmv}", "{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt ",
            "{\\pict\\pngblip 89504e47", "\\bin3 ", "{", "}", "text ", "\\line", "\\tab", "\\page", "\\sect",
            "\\li-99999", "\\sl-20", "\\slmult1", "\\tx99999999", "\\tqdec", "\\*", "\\fldrslt", "\\fldinst",
            "{\\fonttbl{\\f1 A;}", "{\\colortbl;\\red1;", "\\v", "\\v0",
        };
        QRandomGenerator rng(7);
        for (int round = 0; round < 300; ++round) {
            QByteArray b = "{\\rtf1 ";
            const int n = rng.bounded(400);
            for (int i = 0; i < n; ++i) b += words[rng.bounded(int(words.size()))];
            readAndLayOut(b);
        }
    }

    void extremeInputs()
    {
        readAndLayOut("{\\rtf1 a\\bin2147483647 xyz}");
        readAndLayOut("{\\rtf1 a\\bin-5 b\\bin99999999999999999999 c}");
        readAndLayOut("{\\rtf1 \\u99999999999 \\uc2147483647\\u65 x \\fs99999999\\f-2147483648 y}");
        readAndLayOut("{\\rtf1 " + QByteArray(200000, '{') + "deep");
        readAndLayOut("{\\rtf1 " + QByteArray(200000, '}'));
        readAndLayOut("{\\rtf1 \\" + QByteArray(100000, 'a') + "123 x}");
        readAndLayOut("{\\rtf1 \\par" + QByteArray(100000, '9') + " x}");

        QByteArray wide = "{\\rtf1 \\trowd";
        for (int i = 0; i < 5000; ++i) wide += "\\cellx" + QByteArray::number(i * 100);
        wide += "\\pard\\intbl";
        for (int i = 0; i < 500; ++i) wide += "c\\cell";
        readAndLayOut(wide + "\\row}");

        QByteArray fonts = "{\\rtf1{\\fonttbl";
        for (int i = 0; i < 20000; ++i) fonts += "{\\f" + QByteArray::number(i) + " Font;}";
        readAndLayOut(fonts + "}{\\f19999 x}}");

        QByteArray noEnd = "{\\rtf1{\\*\\fldinst ";
        readAndLayOut(noEnd + QByteArray(100000, 'x'));
        readAndLayOut("{\\rtf1{\\*\\qmobject\\objw-5\\objh2147483647 a}{\\*\\qmobject\\objw0 b}}");
        readAndLayOut("{\\rtf1{\\pict\\pngblip\\picwgoal-100\\pichgoal2147483647\\picscalex0 89504e470d0a1a0a}}");
    }

    void measuresBeyondThePageAreHeldToIt()
    {
        // Cell boundaries, indents and line spacing far outside any page are
        // held to 22 inches, as word processors hold them.
        ReadPage p(dataFile("cell_boundary_out_of_range.rtf"));
        QTextTable* t = p.doc->find("Wide").currentTable();
        QVERIFY(t);
        const QList<QTextLength> widths = t->format().columnWidthConstraints();
        QCOMPARE(widths[0].rawValue(), qreal((22 * 1440 + 108) / 15));
        QCOMPARE(widths[1].rawValue(), 1.0); // its boundary lies left of the first's
        const QTextBlockFormat after = p.blockOf("After");
        QCOMPARE(after.lineHeightType(), int(QTextBlockFormat::FixedHeight));
        QVERIFY(after.lineHeight() > 0);
        QCOMPARE(after.leftMargin(), 0.0);
        readAndLayOut(dataFile("cell_boundary_out_of_range.rtf"));
    }

    void manyTableRows()
    {
        QByteArray rows = "{\\rtf1 ";
        for (int i = 0; i < 2000; ++i)
            rows += "\\trowd\\clvmgf\\cellx1000\\clvmrg\\cellx2000\\pard\\intbl a\\cell b\\cell\\row";
        ReadPage p(rows + "\\pard after}");
        QVERIFY(p.text().endsWith("after"));
    }
};

QTEST_MAIN(RtfRobustnessTest)
#include "test_rtf_robustness.moc"
