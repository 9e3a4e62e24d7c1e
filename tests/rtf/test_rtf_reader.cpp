#include "RtfTestSupport.h"
#include "platform/rtf/RtfContent.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

using namespace qm::rtf;

namespace {
const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern Courier New;}"
                           "{\\f2\\fnil\\fcharset2 Symbol;}}"
                           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
QByteArray page(const QByteArray& body) { return kHeader + body + "}"; }
} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT
private slots:
    void groupsScopeCharacterFormatting()
    {
        ReadPage p(page("\\pard\\qc\\b Title\\b0\\par\\pard Body {\\i slanted {\\ul nested}} back\\par"));
        QCOMPARE(p.text(), QString("Title\nBody slanted nested back\n"));
        QCOMPARE(p.formatOf("Title").fontWeight(), int(QFont::Bold));
        QCOMPARE(p.blockOf("Title").alignment(), Qt::AlignHCenter);
        QCOMPARE(p.blockOf("Body").alignment(), Qt::AlignLeft);
        QVERIFY(p.formatOf("nested").fontItalic());
        QVERIFY(p.formatOf("nested").fontUnderline());
        QVERIFY(!p.formatOf("back").fontItalic());
        QVERIFY(p.formatOf("Body").fontWeight() != QFont::Bold);
        QCOMPARE(p.formatOf("Body").fontFamilies().toStringList(), QStringList{"Arial"});
    }

    void characterFormattingWords()
    {
        ReadPage p(page("\\pard\\fs36 big\\fs20 {\\cf1 red}{\\cb2 onblue}{\\highlight1 marked}"
                        "{\\f1 mono}{\\strike gone}{\\super up}{\\sub down}\\ul under\\ulnone plainly"
                        "\\b\\i\\cf1 \\plain reset\\par"));
        QCOMPARE(p.formatOf("big").fontPointSize(), 18.0);
        QCOMPARE(p.formatOf("red").fontPointSize(), 10.0);
        QCOMPARE(p.formatOf("red").foreground().color(), QColor(255, 0, 0));
        QCOMPARE(p.formatOf("onblue").background().color(), QColor(0, 0, 255));
        QCOMPARE(p.formatOf("marked").background().color(), QColor(255, 0, 0));
        QCOMPARE(p.formatOf("mono").fontFamilies().toStringList(), QStringList{"Courier New"});
        QVERIFY(p.formatOf("gone").fontStrikeOut());
        QCOMPARE(p.formatOf("up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(p.formatOf("down").verticalAlignment(), QTextCharFormat::AlignSubScript);
        QVERIFY(p.formatOf("under").fontUnderline());
        QVERIFY(!p.formatOf("plainly").fontUnderline());
        const QTextCharFormat reset = p.formatOf("reset");
        QVERIFY(reset.fontWeight() != QFont::Bold);
        QVERIFY(!reset.fontItalic());
        QVERIFY(!reset.hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(reset.fontPointSize(), 12.0); // \plain returns to the default size
        QCOMPARE(reset.fontFamilies().toStringList(), QStringList{"Arial"});
    }

    void automaticAndMissingColoursGiveNoColour()
    {
        ReadPage p(page("{\\cf0 auto}{\\cf9 missing}\\par"));
        QVERIFY(!p.formatOf("auto").hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(!p.formatOf("missing").hasProperty(QTextFormat::ForegroundBrush));
    }

    void paragraphFormattingWords()
    {
        ReadPage p(page("\\pard\\li720\\ri1440\\fi-360\\sb240\\sa120\\qr indented\\par"
                        "\\pard\\qj justified\\line second line\\tab tabbed\\par"
                        "\\pard\\qc last without par"));
        const QTextBlockFormat f = p.blockOf("indented");
        QCOMPARE(f.leftMargin(), 48.0);
        QCOMPARE(f.rightMargin(), 96.0);
        QCOMPARE(f.textIndent(), -24.0);
        QCOMPARE(f.topMargin(), 16.0);
        QCOMPARE(f.bottomMargin(), 8.0);
        QCOMPARE(f.alignment(), Qt::AlignRight);
        QCOMPARE(p.blockOf("justified").alignment(), Qt::AlignJustify);
        QCOMPARE(p.blockOf("justified").leftMargin(), 0.0); // \pard resets
        // \line breaks the line inside the paragraph.
        QCOMPARE(p.doc->find("justified").block().text(),
                 QString("justified") + QChar(QChar::LineSeparator) + "second line\ttabbed");
        QCOMPARE(p.blockOf("last without").alignment(), Qt::AlignHCenter);
    }

    void tabStopsFromThePageEdgeAndTheHangingIndent()
    {
        // A bullet, a tab and text on a hanging indent: the text after the
        // tab starts where the paragraph's following lines start.
        ReadPage p(page("\\pard\\fi-284\\li568 \\'95\\tab first\\line second\\par"
                        "\\pard\\fi-284\\li568\\tx2000 \\'95\\tab own\\par"
                        "\\pard\\tx1440 a\\tab bee\\par\\pard\\li720\\tx1440 c\\tab dee\\par"));
        p.doc->setTextWidth(600);
        const auto xOf = [&](const QString& word) {
            const QTextCursor c = p.doc->find(word);
            const QTextLayout* layout = c.block().layout();
            const int at = c.selectionStart() - c.block().position();
            const QTextLine line = layout->lineForTextPosition(at);
            return line.cursorToX(at) + layout->position().x();
        };
        QCOMPARE(qRound(xOf("first")), qRound(xOf("second")));
        // An author's own stop past the indent leaves the indent as the first stop.
        QCOMPARE(qRound(xOf("own")), qRound(xOf("second")));
        // A stop lies where the author set it, however far the paragraph is indented.
        QCOMPARE(qRound(xOf("dee")), qRound(xOf("bee")));
    }

    void windows1252AndUnicodeCharacters()
    {
        ReadPage p(page("caf\\'e9 \\'80 \\'93q\\'94 "               // Windows-1252 bytes
                        "\\u233? \\u8364\\'80 "                       // \uN with one fallback character
                        "{\\uc0\\u8364 }"                            // no fallback at all
                        "{\\uc2\\u8364 xx}y "                        // two fallback characters
                        "\\u-3913? "                                  // negative values wrap
                        "\\u-10179?\\u-8704? "                        // a surrogate pair
                        "\\{\\}\\\\ a\\~b \\emdash\\endash\\bullet\\par"));
        const QString expected = QString::fromUtf8("café € “q” é € €€y \xEF\x82\xB7 \xF0\x9F\x98\x80 {}\\ a\xC2\xA0" "b —–•");
        QCOMPARE(qm::VisibleText(p.doc->firstBlock().text()), expected);
    }

    void fallbackSkippingStopsAtGroupEnd()
    {
        ReadPage p(page("{\\uc3\\u8364}abc\\par"));
        QCOMPARE(p.text(), QString::fromUtf8("€abc\n"));
    }

    void symbolFontBullet()
    {
        ReadPage p(page("{\\f2\\'b7}\\tab item\\par"));
        QCOMPARE(p.text(), QString::fromUtf8("•\titem\n"));
        // A symbol font is one whatever character set its entry gives it: no
        // byte of it starts a double-byte character.
        ReadPage listed("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f5\\fnil\\fcharset128 OpenSymbol;}"
                        "{\\f6\\fcharset128 Symbol;}}{\\f5\\'95\\tab}a\\par{\\f5\\'96}b {\\f6\\'b7}c}");
        QCOMPARE(listed.text(), QString::fromUtf8("•\ta\n–b •c"));
        // ... nor a byte that an \\uN's fallback ends on.
        ReadPage fallback("{\\rtf1{\\fonttbl{\\f6\\fcharset128 Symbol;}}\\f6\\uc1\\u8226\\'95\\'b7}");
        QCOMPARE(fallback.text(), QString::fromUtf8("••"));
    }

    void rawUtf8TextFromAnEditor()
    {
        ReadPage p("{\\rtf1 Grüße aus Köln\\par}");
        QCOMPARE(p.text(), QString::fromUtf8("Grüße aus Köln\n"));
    }

    void destinationsThatAreNotPageText()
    {
        ReadPage p(page("{\\stylesheet{\\s1\\b Heading 1;}{\\s2 Normal;}}"
                        "{\\info{\\title Secret title}{\\author Someone}}"
                        "{\\*\\generator Writer 1.0;}{\\*\\unknowndest hidden {\\b deeper}}"
                        "{\\header Running head\\par}{\\footnote note}"
                        "\\pard\\s1\\zzzunknown7 kept {\\*\\bkmkend x}text {\\v hidden}shown\\par"));
        // A note is no running text: it follows the page, below a rule.
        QCOMPARE(p.text(), QString("kept text shown\n\nnote"));
    }

    void tableWithNestedGroupsInCells()
    {
        ReadPage p(page("\\pard before\\par"
                        "\\trowd\\trgaph108\\clbrdrt\\brdrs\\clcbpat1\\cellx2880\\cellx5760"
                        "\\pard\\intbl {\\b Name}\\cell \\pard\\intbl {\\i Role {\\ul lead}}\\cell\\row"
                        "\\trowd\\cellx2880\\cellx5760"
                        "\\pard\\intbl Ann\\par second para\\cell\\pard\\intbl Host\\cell\\row"
                        "\\pard after\\par"));
        QTextCursor c = p.doc->find("Name");
        QTextTable* t = c.currentTable();
        QVERIFY(t);
        QCOMPARE(t->rows(), 2);
        QCOMPARE(t->columns(), 2);
        const auto cellText = [&](int r, int col) {
            QTextCursor a = t->cellAt(r, col).firstCursorPosition();
            a.setPosition(t->cellAt(r, col).lastCursorPosition().position(), QTextCursor::KeepAnchor);
            return qm::VisibleText(a.selectedText());
        };
        QCOMPARE(cellText(0, 0), QString("Name"));
        QCOMPARE(cellText(0, 1), QString("Role lead"));
        QCOMPARE(cellText(1, 0), QString("Ann") + QChar(QChar::ParagraphSeparator) + "second para");
        QCOMPARE(cellText(1, 1), QString("Host"));
        QCOMPARE(p.formatOf("Name").fontWeight(), int(QFont::Bold));
        QVERIFY(p.formatOf("lead").fontUnderline());
        QVERIFY(p.formatOf("lead").fontItalic());
        QVERIFY(!p.doc->find("before").currentTable());
        QVERIFY(!p.doc->find("after").currentTable());
        const QTextTableFormat tf = t->format();
        QCOMPARE(tf.columnWidthConstraints().size(), 2);
        QCOMPARE(tf.columnWidthConstraints()[0].rawValue(), 192.0 - 1 - 4); // less the grid's line and what stays in view
        QCOMPARE(t->cellAt(0, 0).format().background().color(), QColor(255, 0, 0));
        QVERIFY(p.text().startsWith("before\n"));
        QVERIFY(p.text().contains("after"));
    }

    void laterRowsWithMoreCellsWidenTheTable()
    {
        ReadPage p(page("\\trowd\\cellx1000\\pard\\intbl a\\cell\\row"
                        "\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl b\\cell c\\cell d\\cell\\row"
                        "\\pard\\intbl lazy\\cell\\row\\pard end\\par"));
        QTextTable* t = p.doc->find("a").currentTable();
        QVERIFY(t);
        QCOMPARE(t->columns(), 3);
        QCOMPARE(t->rows(), 3);
        QCOMPARE(p.doc->find("d").currentTable(), t);
        QVERIFY(!p.doc->find("end").currentTable());
    }

    void eachTableAndCellKeepsItsOwnFormat()
    {
        // Two tables of different widths; an unshaded cell, then a shaded one.
        ReadPage p(page("\\trowd\\cellx1500\\pard\\intbl narrow\\cell\\row\\pard between\\par"
                        "\\trowd\\cellx3000\\clcbpat2\\cellx4500\\pard\\intbl wide\\cell shaded\\cell\\row\\pard end\\par"));
        QCOMPARE(p.doc->find("narrow").currentTable()->format().columnWidthConstraints()[0].rawValue(), 100.0);
        QTextTable* second = p.doc->find("wide").currentTable();
        QCOMPARE(second->format().columnWidthConstraints()[0].rawValue(), 200.0);
        QCOMPARE(second->cellAt(0, 0).format().background().style(), Qt::NoBrush);
        QCOMPARE(second->cellAt(0, 1).format().background().color(), QColor(0, 0, 255));
        // Only the third of three cells shaded.
        ReadPage third(page("\\trowd\\cellx1000\\cellx2000\\clcbpat2\\cellx3000\\pard\\intbl a\\cell b\\cell c\\cell\\row"));
        QTextTable* t = third.doc->find("c").currentTable();
        QCOMPARE(t->cellAt(0, 1).format().background().style(), Qt::NoBrush);
        QCOMPARE(t->cellAt(0, 2).format().background().color(), QColor(0, 0, 255));
    }

    // Rows made ahead take the format of a cell of the rows before: never
    // another cell's shading, and a cell entered again keeps its text in order.
    void cellsMadeAheadLookAsTheirOwn()
    {
        QByteArray rtf = "\\trowd\\clcbpat1\\cellx1000\\cellx2000\\pard\\intbl shaded\\cell plain\\cell\\row";
        for (int r = 1; r < 12; ++r) rtf += "\\trowd\\cellx1000\\pard\\intbl r" + QByteArray::number(r) + "\\cell\\row";
        rtf += "\\trowd";
        for (int c = 0; c < 66; ++c) rtf += "\\cellx" + QByteArray::number(100 * (c + 1));
        rtf += "\\pard\\intbl";
        for (int c = 0; c < 66; ++c) rtf += " c" + QByteArray::number(c) + "\\cell";
        ReadPage p(page(rtf + "\\row\\pard end\\par"));
        QTextTable* t = p.doc->find("shaded").currentTable();
        QVERIFY(t);
        for (int r = 1; r < 12; ++r) {
            QCOMPARE(t->cellAt(r, 0).format().background().style(), Qt::NoBrush);
            QCOMPARE(t->cellAt(r, 1).format().background().style(), Qt::NoBrush); // no content came for it
            QCOMPARE(t->cellAt(r, 0).format().toTableCellFormat().leftPadding(), 7.0); // the gap, in whole pixels
        }
        QVERIFY(p.text().contains("c63c64c65"));
    }

    // A bordered table shows a one-pixel black grid around white cells, the
    // cells of a short row included.
    void borderedTableDrawsAGrid()
    {
        ReadPage p(page("\\trowd\\clbrdrt\\brdrs\\cellx1500\\pard\\intbl .\\cell\\row"
                        "\\trowd\\cellx1500\\cellx3000\\pard\\intbl b\\cell c\\cell\\row\\pard end\\par"));
        p.doc->setTextWidth(300);
        QImage img(300, 120, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        p.doc->drawContents(&painter);
        painter.end();
        // Scan across the first row, above its full stop, and down the first column.
        const QRectF a = p.doc->documentLayout()->blockBoundingRect(p.doc->find(".").block());
        const auto darkRuns = [&](QPoint from, QPoint step, int n, std::vector<int>* whiteAfter) {
            int runs = 0;
            bool dark = false;
            for (QPoint at = from; n-- > 0; at += step) {
                const bool d = img.pixelColor(at).value() < 64;
                if (d && !dark) ++runs;
                if (!d && whiteAfter && img.pixelColor(at) == QColor(Qt::white)) whiteAfter->push_back(runs);
                dark = d;
            }
            return runs;
        };
        std::vector<int> paperAfter;
        QCOMPARE(darkRuns(QPoint(0, qRound(a.top()) + 3), QPoint(1, 0), 299, &paperAfter), 3);
        // Between the middle and the right line (the short row's missing cell) is paper.
        QVERIFY(std::count(paperAfter.begin(), paperAfter.end(), 3) > 50);
        QCOMPARE(darkRuns(QPoint(qRound(a.right()) - 2, 0), QPoint(0, 1), 119, nullptr), 3); // top, middle, bottom
    }

    // Arabic letters join; Latin letters stay whole (this font has no "ffi").
    void textIsShaped()
    {
        const auto glyphsOf = [](const QTextLayout* layout) {
            QList<quint32> all;
            for (int i = 0; i < layout->lineCount(); ++i)
                for (const QGlyphRun& run : layout->lineAt(i).glyphRuns()) all += run.glyphIndexes();
            return all;
        };
        const QString arabic = QString::fromUtf8("\u0645\u0631\u062D\u0628\u0627");
        ReadPage p(page("\\pard office\\par \\u1605?\\u1585?\\u1581?\\u1576?\\u1575?\\par"));
        p.doc->setTextWidth(400);
        (void)p.doc->documentLayout()->documentSize();
        const QTextBlock latin = p.doc->find("office").block();
        QCOMPARE(glyphsOf(latin.layout()).size(), qsizetype(6)); // no "ffi" ligature
        const QTextBlock joined = latin.next();
        QCOMPARE(joined.text(), arabic);
        QFont byDefault = joined.begin().fragment().charFormat().font();
        byDefault.setStyleStrategy(QFont::PreferDefault);
        QTextLayout shaped(arabic, byDefault);
        shaped.beginLayout();
        shaped.createLine();
        shaped.endLayout();
        QCOMPARE(glyphsOf(joined.layout()), glyphsOf(&shaped));
    }

    void mergedCells()
    {
        ReadPage p(page("\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\clvmgf\\cellx3000"
                        "\\pard\\intbl wide\\cell\\cell tall\\cell\\row"
                        "\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000"
                        "\\pard\\intbl x\\cell y\\cell\\cell\\row"));
        QTextTable* t = p.doc->find("wide").currentTable();
        QVERIFY(t);
        QCOMPARE(t->cellAt(0, 0).columnSpan(), 2);
        QCOMPARE(t->cellAt(0, 2).rowSpan(), 2);
    }

    void cellMarksWithoutTableParagraphsLoseNothing()
    {
        // Malformed (hand-edited): \cell without \intbl.
        ReadPage p(page("\\pard one\\cell two\\cell\\row\\pard after\\par"));
        for (const char* word : {"one", "two", "after"}) QVERIFY(p.text().contains(word));
    }

    void pngPictureScaledToItsGoal()
    {
        const QByteArray hex = HexPng(QSize(8, 4));
        ReadPage p(page("\\pard pic:{\\*\\shppict{\\pict\\pngblip\\picw8\\pich4\\picwgoal1500\\pichgoal750\n"
                        + hex.left(20) + "\r\n" + hex.mid(20) + "}}"
                        "{\\nonshppict{\\pict\\wmetafile8 0100}}:end\\par"));
        QCOMPARE(p.text(), QString("pic:") + QChar(QChar::ObjectReplacementCharacter) + ":end\n");
        QTextCursor c(p.doc.get());
        c.setPosition(5);
        const QTextImageFormat f = c.charFormat().toImageFormat();
        QVERIFY(f.isValid());
        QCOMPARE(f.width(), 100.0);
        QCOMPARE(f.height(), 50.0);
        const QImage img = p.doc->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
        QCOMPARE(img.size(), QSize(8, 4));
    }

    void pictureScaleAndOwnSize()
    {
        const QByteArray hex = HexPng(QSize(10, 20));
        ReadPage p(page("{\\pict\\pngblip\\picscalex50\\picscaley50 " + hex + "}\\par"));
        QTextCursor c(p.doc.get());
        c.setPosition(1);
        const QTextImageFormat f = c.charFormat().toImageFormat();
        QCOMPARE(f.width(), 5.0);
        QCOMPARE(f.height(), 10.0);
    }

    void jpegAndBinaryPictureData()
    {
        QImage img(6, 6, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QByteArray jpeg;
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "JPEG");
        ReadPage p(page("{\\pict\\jpegblip\\bin" + QByteArray::number(jpeg.size()) + " " + jpeg + "}after\\par"));
        QTextCursor c(p.doc.get());
        c.setPosition(1);
        QVERIFY(c.charFormat().isImageFormat());
        QCOMPARE(p.text(), QString(QChar(QChar::ObjectReplacementCharacter)) + "after\n");
    }

    void binaryDataOutsidePicturesIsSkipped()
    {
        ReadPage p(page("a \\bin6 {}\\}x b\\par"));
        QCOMPARE(p.text(), QString("a b\n"));
    }

    void undecodablePicturesAreLeftOut()
    {
        ReadPage p(page("x{\\pict\\pngblip 0102030405}{\\pict\\wmetafile8 0100090000}y\\par"));
        QCOMPARE(p.text(), QString("xy\n"));
    }

    void hyperlinkFields()
    {
        ReadPage p(page("{\\field{\\*\\fldinst{ HYPERLINK \"SAF101_0004.txm\" }}{\\fldrslt{\\ul\\cf2 Next page}}} "
                        "{\\field{\\*\\fldinst HYPERLINK \\\\l \"Step2\" \\\\o \"Go down\"}{\\fldrslt Step two}} "
                        "{\\field{\\*\\fldinst {HYPERLINK }{\"0003.txm\" \\\\l \"intro\"}}{\\fldrslt other}} "
                        "{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}\\par"));
        QCOMPARE(p.text(), QString("Next page Step two other 7\n"));
        QCOMPARE(int(p.content.links.size()), 3);
        const RtfLink& a = p.content.links[0];
        QCOMPARE(a.kind, 1);
        QCOMPARE(a.target, QString("SAF101_0004.txm"));
        QCOMPARE(a.text, QString("Next page"));
        const RtfLink& b = p.content.links[1];
        QCOMPARE(b.kind, 2);
        QCOMPARE(b.target, QString("Step2"));
        QCOMPARE(b.toolTip, QString("Go down"));
        QCOMPARE(p.content.links[2].kind, 1);
        QCOMPARE(p.content.links[2].target, QString("0003.txm#intro"));

        QCOMPARE(p.formatOf("Next").anchorHref(), QString("qmlink:1"));
        QVERIFY(p.formatOf("Next").fontUnderline());
        QCOMPARE(p.formatOf("Step").anchorHref(), QString("qmlink:2"));
        QVERIFY(!p.formatOf("7").isAnchor());
    }

    void fieldInsideAFieldInstruction()
    {
        ReadPage p(page("{\\field{\\*\\fldinst HYPERLINK \"{\\field{\\*\\fldinst REF x}{\\fldrslt a.pdf}}\"}"
                        "{\\fldrslt doc}}\\par"));
        QCOMPARE(p.text(), QString("doc\n"));
        QCOMPARE(int(p.content.links.size()), 1);
        QCOMPARE(p.content.links[0].target, QString("a.pdf"));
    }

    void bookmarksBecomeTextMarks()
    {
        ReadPage p(page("\\pard top\\par\\pard {\\*\\bkmkstart Step2}{\\*\\bkmkend Step2}Second step\\par"
                        "{\\*\\bkmkstart Step2}duplicate\\par"
                        "\\trowd\\cellx1000\\pard\\intbl {\\*\\bkmkstart InCell}cell text\\cell\\row"));
        QCOMPARE(int(p.content.marks.size()), 2);
        QCOMPARE(p.content.marks[0].name, QString("Step2"));
        QCOMPARE(p.content.marks[0].position, p.doc->find("Second").selectionStart());
        QCOMPARE(p.content.marks[1].name, QString("InCell"));
        QCOMPARE(p.content.marks[1].position, p.doc->find("cell text").selectionStart());
    }

    void objectPlaceholders()
    {
        ReadPage p(page("\\pard Watch: {\\*\\qmobject\\objw4800\\objh3600 Intro.swf,loop}\\par"
                        "{\\*\\qmobject Movies1.wmv }{\\*\\qmobject   }end\\par"));
        QCOMPARE(int(p.content.objects.size()), 2);
        const RtfObject& a = p.content.objects[0];
        QCOMPARE(a.data, QString("Intro.swf,loop"));
        QCOMPARE(a.size, QSize(320, 240));
        QCOMPARE(a.position, 7);
        QTextCursor c(p.doc.get());
        c.setPosition(a.position + 1);
        QCOMPARE(c.charFormat().objectType(), kPlaceholderObjectType);
        QCOMPARE(c.charFormat().property(kObjectNumber).toInt(), 1);
        QCOMPARE(p.content.objects[1].data, QString("Movies1.wmv"));
        QCOMPARE(p.content.objects[1].size, QSize(320, 240)); // the default size
        QCOMPARE(p.text(), QString("Watch: ") + QChar(QChar::ObjectReplacementCharacter) + "\n"
                               + QChar(QChar::ObjectReplacementCharacter) + "end\n");
    }

    void objectPositionsFollowTableWidening()
    {
        ReadPage p(page("\\trowd\\cellx1000\\pard\\intbl {\\*\\qmobject a.wmv}\\cell\\row"
                        "\\trowd\\cellx1000\\cellx2000\\pard\\intbl x\\cell y\\cell\\row"
                        "\\pard {\\*\\qmobject b.wmv}\\par"));
        QCOMPARE(int(p.content.objects.size()), 2);
        for (const RtfObject& o : p.content.objects) {
            QTextCursor c(p.doc.get());
            c.setPosition(o.position + 1);
            QCOMPARE(c.charFormat().objectType(), kPlaceholderObjectType);
        }
    }

    void truncatedAndUnbalancedInput()
    {
        QCOMPARE(ReadPage("{\\rtf1 Hello {\\b wor").text(), QString("Hello wor"));
        QCOMPARE(ReadPage("{\\rtf1 one\\par}} trailing {\\b junk}").text(), QString("one\n"));
        QCOMPARE(ReadPage("}}{\\rtf1 fine}").text(), QString("fine"));
        QCOMPARE(ReadPage("").text(), QString());
        QCOMPARE(ReadPage("{\\rtf1 end\\").text(), QString("end"));
        QCOMPARE(ReadPage("{\\rtf1 a\\'4").text(), QString("a"));
        // A character cut off by the end of the file still shows that it was there.
        QCOMPARE(ReadPage("{\\rtf1\\ansicpg65001 a\\'e2\\'82").text(), QString::fromUtf8("a\uFFFD"));
        // A lone star is a group's mark only as its first control.
        QCOMPARE(ReadPage("{\\rtf1 x{\\b * \\i y}z{* \\i hidden}}").text(), QString("x* yz"));
    }

    void deepNestingIsCut()
    {
        QByteArray deep = "{\\rtf1 start";
        deep += QByteArray(5000, '{') + "lost" + QByteArray(5000, '}');
        deep += " end}";
        ReadPage p(deep);
        QVERIFY(p.text().startsWith("start"));
        QVERIFY(p.text().endsWith(" end"));
    }

    void recognisesRtf()
    {
        QVERIFY(LooksLikeRtf("{\\rtf1\\ansi}"));
        QVERIFY(LooksLikeRtf("\xEF\xBB\xBF \r\n{\\rtf1}"));
        QVERIFY(!LooksLikeRtf("plain text"));
        QVERIFY(!LooksLikeRtf(""));
    }
};

QTEST_MAIN(RtfReaderTest)
#include "test_rtf_reader.moc"
