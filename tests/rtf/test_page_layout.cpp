// Pages lay out as the authors' word processors laid them out: lines break
// after the same words and paragraphs stand as far apart. The figures come
// from pages laid out by a word processor on the metric-compatible fonts
// that the setup installs.
#include "RtfTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

namespace {
const QByteArray kHeader = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}"
                           "{\\f2\\fswiss Calibri;}{\\f3\\froman Cambria;}}";
const QByteArray kPersonalData =
    "Personal data is any information about a living person who can be identified from it, on its own or together "
    "with other information we hold. Every member of staff who handles it must keep it safe, use it only for the "
    "purpose for which it was collected, and never pass it to anyone outside the company without a lawful reason.";

struct LaidOut : ReadPage {
    LaidOut(const QByteArray& body, qreal width) : ReadPage(kHeader + body + "}")
    {
        doc->setTextWidth(width);
        (void)doc->documentLayout()->documentSize();
    }
    QRectF rectOf(const QString& word) const { return doc->documentLayout()->blockBoundingRect(doc->find(word).block()); }
    QTextLine firstLine() const { return doc->firstBlock().layout()->lineAt(0); }
    // The words on the block's line, as a learner sees them.
    static QString lineText(const QTextBlock& b, const QTextLine& l)
    {
        return qm::VisibleText(b.text().mid(l.textStart(), l.textLength())).trimmed();
    }
};
} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
private slots:
    // Without them every measure below is off; scripts/setup.sh installs them.
    void initTestCase()
    {
        const QList<QPair<QString, QString>> aliases = {{"Times New Roman", "Liberation Serif"},
                                                        {"Arial", "Liberation Sans"},
                                                        {"Courier New", "Liberation Mono"},
                                                        {"Calibri", "Carlito"},
                                                        {"Cambria", "Caladea"}};
        for (const auto& [named, drawn] : aliases)
            QVERIFY2(QFontInfo(QFont(named)).family() == drawn,
                     qPrintable(named + " is drawn in " + QFontInfo(QFont(named)).family() + ", not " + drawn));
    }

    void linesBreakAfterTheSameWords()
    {
        // 10 pt is 13.33 pixels; drawn at 13 the line would take "together" too.
        const LaidOut p("\\pard\\f0\\fs20 Personal data is any information about a living person who can be "
                        "identified from it, on its own or together with other information we hold.\\par",
                        624); // 6.5 inches between the margins
        QCOMPARE(LaidOut::lineText(p.doc->firstBlock(), p.firstLine()),
                 QString("Personal data is any information about a living person who can be identified from it, "
                         "on its own or"));
        // Words keep the width of their size whatever whole pixel size draws them.
        const LaidOut small("\\f1\\fs20 Keep exits clear\\par", 600), large("\\f1\\fs24 Keep exits clear\\par", 600);
        QVERIFY(qAbs(small.firstLine().naturalTextWidth() * 12 / 10 - large.firstLine().naturalTextWidth()) < 0.5);
        // Kerned as word processors kern: unkerned, these lines take one word less.
        const auto lastWords = [](const QByteArray& body) {
            const LaidOut p(body + kPersonalData + "\\par", 624 + 8); // 6.5 inches inside the document's margins
            QStringList ends;
            const QTextBlock b = p.doc->firstBlock();
            for (int i = 0; i < b.layout()->lineCount(); ++i) {
                const QTextLine l = b.layout()->lineAt(i);
                ends << LaidOut::lineText(b, l).section(' ', -1);
            }
            return ends;
        };
        QCOMPARE(lastWords("\\f2\\fs20 "), QStringList({"with", "for", "reason."}));
        QCOMPARE(lastWords("\\f3\\fs22 "), QStringList({"or", "it", "without", "reason."}));
    }

    void linesAreAsTallAsTheirLargestText()
    {
        const auto height = [](const QByteArray& body) {
            const LaidOut p(body + "\\par\\f0\\fs20 Next\\par", 600);
            return p.rectOf("Next").top() - p.rectOf("Big").top();
        };
        QCOMPARE(height("{\\f2\\fs20 small }{\\f0\\fs48 Big}"), height("\\f0\\fs48 Big"));
        // Empty lines keep their own size, also in runs long enough to share blocks.
        const auto below = [](int small, int large) {
            const LaidOut p("\\f0\\fs20 Start" + QByteArray("\\par ").repeated(small + 1) + "\\fs48"
                                + QByteArray("\\par ").repeated(large) + "\\fs20 Big\\par",
                            600);
            return p.rectOf("Big").top() - p.rectOf("Start").top();
        };
        const qreal small = below(2, 0) - below(1, 0), large = below(0, 2) - below(0, 1);
        QVERIFY(large > 1.5 * small);
        QVERIFY(qAbs(below(40, 40) - below(0, 0) - 40 * small - 40 * large) < 1);
        // A page that ends in empty paragraphs keeps every one of them.
        QCOMPARE(LaidOut("\\f0 Big" + QByteArray("\\par ").repeated(100) + "", 600).text().count('\n'), 100);
    }

    void wordsEndingByTheMarginBreakAsTheirExactWidthsSay()
    {
        // Kerned at the exact size, the first line is a third of a pixel too
        // wide for its last word; the second fits with most of a pixel to spare.
        const auto lastWord = [](const QByteArray& body) {
            const LaidOut p(body + " next\\par", 624 + 8);
            const QTextBlock b = p.doc->firstBlock();
            const QTextLine l = b.layout()->lineAt(0);
            return LaidOut::lineText(b, l).section(' ', -1);
        };
        QCOMPARE(lastWord("\\f2\\fs20 or returns File Page if mechanism, in context title, holds make window that the "
                          "acts File window's that captions else"),
                 QString("captions"));
        QCOMPARE(lastWord("\\f2\\fs22 each and Otherwise the in view's the Tier nothing than closed. No Page "
                          "platform's Height none both only"),
                 QString("only"));
        // Fonts set without the shaper are kerned too: unkerned, "Off." "All"
        // "The" and "Label" "button," take the last word to the next line.
        QCOMPARE(lastWord("\\f0\\fs20 Label with frm Exit and Query wrong File modal Topic jpg to page Off. All the "
                          "Text Form may handling The"),
                 QString("The"));
        QCOMPARE(lastWord("\\f1\\fs22 whose system in as back is and platform done page Width and Label button, is "
                          "About After message in the"),
                 QString("the"));
        // With the font's ligatures, as word processors set it: letters apart,
        // "ff", "fi" and "ft" take more room and the last word goes.
        QCOMPARE(lastWord("\\f2\\fs22 thaitai thebuti spoomeaffy Doprely goutt haicleant blyr spryshoand fiplypreab vouff. "
                          "joospim sceacrodew"),
                 QString("sceacrodew"));
    }

    void aWordWhoseLastLetterReachesPastTheMarginStaysWhenItsAdvanceFits()
    {
        // The f of "of" in Times New Roman reaches past its advance; word
        // processors count the advance alone.
        const QByteArray body = "\\f1\\fs20 Staff who handle personal data keep it safe, use it only for the purpose "
                                "of next\\par";
        const LaidOut wide(body, 2000);
        const int end = wide.find("of next").selectionStart() + 2;
        const qreal advance = wide.firstLine().cursorToX(end);
        const auto lastWord = [&](qreal width) {
            const LaidOut p(body, advance + 8 + width); // inside the document's margins
            return LaidOut::lineText(p.doc->firstBlock(), p.firstLine()).section(' ', -1);
        };
        QCOMPARE(lastWord(0.5), QString("of"));
        QCOMPARE(lastWord(-0.5), QString("purpose"));
        // The paragraph's last word too.
        const LaidOut last(QByteArray(body).replace(" next", ""), advance + 8 + 0.5);
        QCOMPARE(last.doc->firstBlock().layout()->lineCount(), 1);
    }

    void singleLinesStandAsFarApartAsTheFontAsks()
    {
        // The font's ascent, descent and line gap at its exact size: 1.15 of
        // the size for the Liberation fonts, 1.22 for Carlito.
        const auto pitch = [](const QByteArray& body) {
            const LaidOut p(body + kPersonalData + "\\par", 300);
            const QTextLayout* l = p.doc->firstBlock().layout();
            return (l->lineAt(3).y() - l->lineAt(0).y()) / 3;
        };
        QVERIFY(qAbs(pitch("\\f0\\fs22 ") - 16.87) < 0.2);
        QVERIFY(qAbs(pitch("\\f1\\fs24 ") - 18.40) < 0.2);
        QVERIFY(qAbs(pitch("\\f2\\fs20 ") - 16.28) < 0.2);
        QVERIFY(qAbs(pitch("\\f2\\fs20\\sl360\\slmult1 ") - 16.28 * 1.5) < 0.3);
        // A picture's line is the picture's height.
        const LaidOut picture("\\pard\\f2\\fs20{\\pict\\pngblip " + HexPng(QSize(40, 100)) + "}\\par", 300);
        QCOMPARE(picture.firstLine().height(), 100.0);
        QCOMPARE(picture.doc->firstBlock().blockFormat().lineHeightType(), int(QTextBlockFormat::SingleHeight));
    }

    void listItemsStandAsFarApartAsTheirText()
    {
        // The bullet a word processor writes before an item, in the default
        // size after its own \\plain, is not the item's line height.
        const auto pitch = [](const QByteArray& bullet) {
            const LaidOut p("\\pard\\fi-360\\li720\\f2\\fs22 " + bullet + kPersonalData + "\\par", 300);
            const QTextLayout* l = p.doc->firstBlock().layout();
            return (l->lineAt(3).y() - l->lineAt(0).y()) / 3;
        };
        QCOMPARE(pitch("{\\listtext\\pard\\plain \\u8226\\'95\\tab}"), pitch(""));
    }

    void tableTextStartsAtTheRowsLeftEdge()
    {
        const LaidOut p("\\pard\\f0\\fs20 Body\\par"
                        "\\trowd\\trgaph108\\trleft0\\cellx2000\\cellx5000\\pard\\intbl Zero\\cell Next\\cell\\row\\pard\\par"
                        "\\trowd\\trgaph108\\trleft360\\cellx2000\\pard\\intbl Indented\\cell\\row\\pard\\par"
                        "\\trowd\\trgaph108\\trleft-108\\clbrdrt\\brdrs\\cellx2000\\pard\\intbl Gridded\\cell\\row\\pard\\par",
                        600);
        const auto x = [&](const QString& word) { return p.rectOf(word).left() + p.doc->find(word).block().layout()->lineAt(0).x(); };
        const qreal margin = x("Body");
        QVERIFY(qAbs(x("Zero") - margin) < 0.5);
        QVERIFY(qAbs(x("Next") - margin - 2000 / 15.0) < 0.5);
        QVERIFY(qAbs(x("Indented") - margin - 24) < 0.5);
        // A grid further left would leave the view: its first cells give up
        // padding instead, and its text stays by the margin.
        QTextTable* grid = p.doc->find("Gridded").currentTable();
        QCOMPARE(x("Gridded"), margin);
        QCOMPARE(grid->cellAt(0, 0).format().toTableCellFormat().leftPadding() + 1, margin);
    }

    void cellPaddingsAsWordProcessorsReadThem()
    {
        // \clpadl is the top padding and \clpadt the left one; a row with no
        // cell gap keeps each padding inside its cell's edges.
        const QByteArray pads = "\\clpadfl3\\clpadl300\\clpadft3\\clpadt150\\clpadfb3\\clpadb90\\clpadfr3\\clpadr150";
        const LaidOut p("\\pard\\f0\\fs20 Body\\par\\trowd" + pads + "\\cellx3000" + pads
                            + "\\cellx6000\\pard\\intbl One\\cell Two\\cell\\row\\pard Below\\par",
                        600);
        const auto x = [&](const QString& word) { return p.rectOf(word).left() + p.doc->find(word).block().layout()->lineAt(0).x(); };
        QVERIFY(qAbs(x("One") - x("Body") - 10) < 0.5);
        QVERIFY(qAbs(x("Two") - x("Body") - 210) < 0.5);
        QVERIFY(qAbs(p.rectOf("One").top() - p.rectOf("Body").bottom() - 20) < 0.5);
        QVERIFY(qAbs(p.rectOf("Below").top() - p.rectOf("One").bottom() - 6) < 1);
    }

    void paragraphsStandApartByBothSpaces()
    {
        // Space before the first paragraph; 6 pt after one and 12 pt before the
        // next; only the 6 pt after a paragraph above a table; an empty
        // paragraph after a table; 12 pt before a paragraph right after one.
        const LaidOut p("\\pard\\sb480\\sa120\\f0\\fs20 Title\\par\\pard\\sb240 Body\\par"
                        "\\pard\\sb240\\sa120 Above\\par"
                        "\\trowd\\cellx2000\\pard\\intbl First\\cell\\row"
                        "\\pard\\par\\pard\\sb240 Below\\par"
                        "\\trowd\\cellx2000\\pard\\intbl Second\\cell\\row"
                        "\\pard\\sb240 Last\\par",
                        600);
        QCOMPARE(p.rectOf("Title").top(), p.doc->documentMargin() + 32);
        QVERIFY(qAbs(p.rectOf("Body").top() - p.rectOf("Title").bottom() - 24.0) < 0.5);
        const auto tableRect = [&](const QString& word) {
            return p.doc->documentLayout()->frameBoundingRect(p.doc->find(word).currentTable());
        };
        QVERIFY(qAbs(tableRect("First").top() - p.rectOf("Above").bottom() - 8.0) < 0.5);
        const qreal line = p.rectOf("First").height();
        QVERIFY(qAbs(p.rectOf("Below").top() - tableRect("First").bottom() - (line + 16)) < 0.5);
        QCOMPARE(p.rectOf("Last").top() - tableRect("Second").bottom(), 16.0);
    }
};

QTEST_MAIN(PageLayoutTest)
#include "test_page_layout.moc"
