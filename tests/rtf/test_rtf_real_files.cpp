// Pages as word processors write them: code pages, symbol fonts, lists,
// tables, notes. Each file under tests/data/rtf is one real construct.
#include "RtfTestSupport.h"
#include "platform/TextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

using namespace qm::rtf;

namespace {
QByteArray dataFile(const char* name)
{
    QFile f(QStringLiteral(QM_TEST_DATA_DIR "/rtf/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct LaidOutPage : ReadPage {
    explicit LaidOutPage(const char* file) : ReadPage(dataFile(file))
    {
        doc->setTextWidth(700);
        (void)doc->documentLayout()->documentSize();
    }
    // Where the word starts on its line, in the block's coordinates.
    qreal xOf(const QString& word) const
    {
        const QTextCursor c = doc->find(word);
        const QTextBlock b = c.block();
        const int at = c.selectionStart() - b.position();
        return b.layout()->lineForTextPosition(at).cursorToX(at);
    }
};
} // namespace

class RtfRealFilesTest : public QObject {
    Q_OBJECT
private slots:
    void codePagesInForce()
    {
        // The document's \ansicpg, a font's \fcharset, double-byte pages
        // under a 1252 document, and \mac.
        QCOMPARE(ReadPage(dataFile("cyrillic_ansicpg1251.rtf")).text(),
                 QString::fromUtf8("Привет, мир!\nДо свидания\n"));
        QCOMPARE(ReadPage(dataFile("central_european_fcharset238.rtf")).text(),
                 QString::fromUtf8("Polish: Zażółć gęślą jaźń\nCzech: Příliš žluťoučký kůň\n"));
        QCOMPARE(ReadPage(dataFile("japanese_fcharset128.rtf")).text(),
                 QString::fromUtf8("Hello こんにちは and 日本, カナ.\nUnicode with fallback: 日\n"));
        QCOMPARE(ReadPage(dataFile("mac_roman.rtf")).text(), QString::fromUtf8("Café, crème brûlée – naïve\n"));
    }

    void leadBytesOnlyInDoubleByteFonts()
    {
        // In a Big5 page the Latin font's \'a9 is the copyright sign; in the
        // Chinese font a lead byte before a blank is read on its own.
        QCOMPARE(ReadPage(dataFile("traditional_chinese_latin_font.rtf")).text(),
                 QString::fromUtf8("Copyright © 2004\n中文 and \uFFFD x\n"));
    }

    void macJapaneseReadsAsShiftJis()
    {
        QCOMPARE(ReadPage(dataFile("mac_japanese_ansicpg10001.rtf")).text(),
                 QString::fromUtf8("お読みください\n© 2004 Course team\n"));
    }

    void codePageEdgeCases()
    {
        // A lead byte cut off by a control word is read on its own, not paired
        // with what follows; \cpg outranks \fcharset; an unknown code page reads as 1252.
        ReadPage cut("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 G;}}\\f1 \\'82\\b \\'82\\'a0x}");
        QCOMPARE(cut.text(), QString::fromUtf8("\uFFFDあx"));
        ReadPage cpg("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset0\\cpg1253 G;}}\\f1 \\'e1\\'e2}");
        QCOMPARE(cpg.text(), QString::fromUtf8("αβ"));
        ReadPage unknown("{\\rtf1\\ansi\\ansicpg99999 caf\\'e9}");
        QCOMPARE(unknown.text(), QString::fromUtf8("café"));
        // UTF-8 bytes gather into characters, hex or raw; a sequence cut short
        // (by a byte, a control word, a brace or the end) and a stray trail
        // byte each show one U+FFFD.
        ReadPage utf8("{\\rtf1\\ansi\\ansicpg65001 \\'d0\\'9f\\'d1\\'80\\'d0\\'b8\\'d0\\'b2\\'d0\\'b5\\'d1\\'82 "
                      "\xe2\x82\xac \\'f0\\'9f\\'99\\'82 \\'e2\\'82x \\'82y \\'e2\\'82\\'41}");
        QCOMPARE(utf8.text(), QString::fromUtf8("Привет € 🙂 \uFFFDx \uFFFDy \uFFFDA"));
        ReadPage cutShort("{\\rtf1\\ansi\\ansicpg65001 a\\'e2\\'82\\b b\\'f0\\'9f\\'99{c}\\'c3}");
        QCOMPARE(cutShort.text(), QString::fromUtf8("a\uFFFDb\uFFFDc\uFFFD"));
    }

    void symbolFontBullets()
    {
        const ReadPage p(dataFile("symbol_bullet.rtf"));
        QCOMPARE(p.text(), QString::fromUtf8("•\tFirst\n▪\tSecond\n•\tThird\n"));
        // Drawn in an ordinary font: the symbol fonts here may not have them.
        QVERIFY(p.formatOf(QString::fromUtf8("•")).fontFamilies().toStringList().isEmpty());
        QCOMPARE(p.formatOf("First").fontFamilies().toStringList(), QStringList{"Arial"});
        // List definitions never show, with or without their table around them.
        const ReadPage lists("{\\rtf1{\\listtable{\\list{\\listlevel{\\leveltext\\'02\\'00.;}}{\\listname A;}}}"
                             "{\\list{\\listlevel{\\leveltext\\'01\\'95;}{\\levelnumbers;}}}Body\\par}");
        QCOMPARE(lists.text(), QString("Body\n"));
    }

    void hangingIndentAndTabStops()
    {
        const LaidOutPage p("hanging_indent_list.rtf");
        // The text after the bullet's tab starts at the left indent.
        const qreal indent = p.blockOf("Check").leftMargin();
        QVERIFY(indent > 30);
        QVERIFY(qAbs(p.xOf("Check") - indent) < 0.5);
        QVERIFY(qAbs(p.xOf("Test") - indent) < 0.5);
        // Explicit stops: left at 1440 twips, right-aligned at 5760.
        QVERIFY(qAbs(p.xOf("Role") - 96.0) < 0.5);
        const QTextCursor page = p.doc->find("Page");
        const QTextLine line = page.block().layout()->lineAt(0);
        QVERIFY(qAbs(line.cursorToX(page.selectionEnd() - page.block().position()) - 384.0) < 1.0);
    }

    void tableColumnsKeepTheirWords()
    {
        const LaidOutPage p("table_first_column_fits.rtf");
        const QTextCursor c = p.doc->find("Hazard");
        QTextTable* t = c.currentTable();
        QVERIFY(t);
        QCOMPARE(c.block().layout()->lineCount(), 1);
        const QTextTableCellFormat f = t->cellAt(0, 1).format().toTableCellFormat();
        QCOMPARE(f.leftPadding(), 7.0);
        QCOMPARE(f.rightPadding(), 7.0);
        QCOMPARE(f.topPadding(), 0.0);
        // From \trleft-108 to 700, each rounded, less the grid's line and the 4 pixels kept in view.
        QCOMPARE(t->format().columnWidthConstraints()[0].rawValue(), 54.0 - 1 - 4);
    }

    void nestedTablesKeepAllTheirText()
    {
        const ReadPage p(dataFile("nested_table.rtf"));
        for (const char* word : {"Outer A", "Inner 1", "Inner 2", "Inner 3", "Outer B", "after"})
            QVERIFY2(p.text().contains(word), word);
        QTextTable* t = p.find("Inner 2").currentTable();
        QVERIFY(t);
        QCOMPARE(t, p.find("Outer B").currentTable());
        QCOMPARE(t->columns(), 2);
        QCOMPARE(t->format().columnWidthConstraints()[1].rawValue(), 200.0); // the outer row's, not the inner's
    }

    void starMarksOnlyTheGroupItStarts()
    {
        const ReadPage p(dataFile("star_inside_group.rtf"));
        QCOMPARE(p.text(), QString("The page starts here  and keeps all of its text.\nSecond paragraph.\n"));
        // Blanks before it still leave it first.
        QCOMPARE(ReadPage("{\\rtf1 a{ \\*\\unknown hidden}b}").text(), QString("a b"));
    }

    void groupsStarredWithoutBackslashAreHidden()
    {
        const ReadPage p(dataFile("star_without_backslash.rtf"));
        QCOMPARE(p.text(), QString("Visible text.\nSecond line, with a * star and * stars of its own.\n"));
    }

    void notesKeepTheirMarkAndFollowThePage()
    {
        const ReadPage p(dataFile("footnote.rtf"));
        QCOMPARE(p.text(), QString("Guards stay fitted1 at all times2.\n\n1 Except during maintenance.\n2 See the end."));
        QTextCursor mark(p.doc.get());
        mark.setPosition(p.text().indexOf("1 at") + 1);
        QCOMPARE(mark.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QVERIFY(!p.text().contains("footnote reference"));
        // Each note in its own size: the first asks 8 pt, the second keeps the page's.
        QCOMPARE(p.formatOf("Except").fontPointSize(), 8.0);
        QCOMPARE(p.formatOf("See the").fontPointSize(), 12.0);
        // ... which is that of its first words, not of its mark or the blank after it.
        QCOMPARE(ReadPage("{\\rtf1 x{\\footnote\\pard\\plain\\fs16{\\super\\chftn} \\fs28 Words}}").formatOf("Words").fontPointSize(), 14.0);
        // A row ended without a cell mark still ends its line.
        QVERIFY(ReadPage("{\\rtf1 x{\\footnote a\\row b}}").text().endsWith("a\nb"));
    }

    void rowsWithoutIntblKeepTheirTextInTheirCells()
    {
        const ReadPage p(dataFile("rows_without_intbl.rtf"));
        QTextTable* t = p.doc->find("Guard").currentTable();
        QVERIFY(t);
        QCOMPARE(t->rows(), 2);
        QCOMPARE(t->columns(), 2);
        QCOMPARE(t->cellAt(p.doc->find("Tested")).column(), 1);
        QCOMPARE(p.doc->find("Tested").currentTable(), t);
        QVERIFY(!p.doc->find("Checks").currentTable());
        QVERIFY(!p.doc->find("After").currentTable());
        QCOMPARE(p.text().count("Guard"), 1);
    }

    void tablesInNotesKeepTheirParagraphs()
    {
        const ReadPage p(dataFile("table_in_footnote.rtf"));
        QVERIFY(p.text().endsWith("1 Before work:\nTable in footnote\nSecond cell\nAnother paragraph"));
        QVERIFY(p.find("Outer B").currentTable());
    }

    void longTablesStayOneTableToTheEye()
    {
        // A long table is built in parts; between parts nothing shows.
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 250; ++i)
            rtf += "\\trowd\\cellx1000\\cellx2000\\pard\\intbl r" + QByteArray::number(i) + "\\cell x\\cell\\row";
        ReadPage p(rtf + "\\pard after\\par}");
        p.doc->setTextWidth(500);
        (void)p.doc->documentLayout()->documentSize();
        QTextTable* first = p.doc->find("r99").currentTable();
        QTextTable* next = p.doc->find("r100").currentTable();
        QVERIFY(first && next && first != next);
        QCOMPARE(p.doc->find("r249").currentTable()->rows(), 50);
        const auto* layout = p.doc->documentLayout();
        const qreal gap = layout->frameBoundingRect(next).top() - layout->frameBoundingRect(first).bottom();
        QVERIFY2(gap < 1.5, qPrintable(QString::number(gap)));
        QVERIFY(p.text().endsWith("after\n"));
    }

    void tablesEndingThePageKeepTheirRows()
    {
        // Rows are made ahead of their content; none of those may be left.
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 130; ++i)
            rtf += "\\trowd\\clbrdrt\\brdrs\\cellx1000\\cellx2000\\pard\\intbl r" + QByteArray::number(i) + "\\cell x\\cell\\row";
        for (const QByteArray& end : {QByteArray("}"), QByteArray("\\pard after\\par}")}) {
            ReadPage p(rtf + end);
            QCOMPARE(p.doc->find("r99").currentTable()->rows(), 100);
            QCOMPARE(p.doc->find("r129").currentTable()->rows(), 30);
        }
    }

    void longRunsOfEmptyParagraphsLookAsBefore()
    {
        // Past a few dozen in a row, empty paragraphs share blocks. A text
        // mark just before a run keeps its paragraphs apart: the reference.
        const QByteArray run = QByteArray("\\par ").repeated(150) + "\\page {\\fs8 " + QByteArray("\\par ").repeated(90) + "}";
        const QByteArray mark = "{\\*\\bkmkstart m}{\\*\\bkmkend m}";
        for (const QByteArray& after : {QByteArray("B\\par}"), QByteArray("}"),
                                         QByteArray("\\trowd\\cellx1000\\intbl B\\cell\\row\\pard end\\par}")}) {
            ReadPage apart("{\\rtf1 A\\par " + mark + run + after);
            ReadPage shared("{\\rtf1 A\\par " + run + mark + after);
            QVERIFY(shared.doc->blockCount() < apart.doc->blockCount() / 2);
            QCOMPARE(shared.text(), apart.text());
            QCOMPARE(shared.content.marks.front().position, apart.content.marks.front().position);
            for (QTextDocument* d : {apart.doc.get(), shared.doc.get()}) d->setPageSize(QSizeF(500, 700)); // printed pages
            QCOMPARE(shared.doc->documentLayout()->documentSize(), apart.doc->documentLayout()->documentSize());
            QCOMPARE(shared.doc->pageCount(), apart.doc->pageCount());
            QVERIFY(apart.doc->pageCount() > 3);
        }
    }

    void longParagraphsAreSplitBetweenWords()
    {
        QByteArray words;
        for (int i = 0; i < 6000; ++i) words += "word" + QByteArray::number(i) + ' ';
        const ReadPage p("{\\rtf1 " + words + "\\par}");
        QVERIFY(p.doc->blockCount() > 3);
        for (QTextBlock b = p.doc->begin(); b.next().isValid() && b.next().next().isValid(); b = b.next()) {
            QVERIFY(b.length() <= 20000);
            QVERIFY(b.text().endsWith(' '));
        }
        QCOMPARE(p.text().remove('\n'), QString::fromLatin1(words));
        // The same words each in a run of its own.
        QByteArray runs;
        for (int i = 0; i < 6000; ++i) runs += "{\\b word" + QByteArray::number(i) + "} {\\i x} ";
        const ReadPage r("{\\rtf1 " + runs + "\\par}");
        QVERIFY(r.doc->blockCount() > 3);
        for (QTextBlock b = r.doc->begin(); b.isValid(); b = b.next()) QVERIFY(b.length() <= 20000);
    }

    void pagesOverTheCapAreRefusedByName()
    {
        QTemporaryDir dir;
        const auto write = [&](const char* name, qint64 size) {
            QFile f(dir.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("{\\rtf1 " + QByteArray(size - 8, 'x') + "}");
        };
        write("big.txm", qm::TextControl::maxPageBytes() + 1);
        write("fits.txm", qm::TextControl::maxPageBytes());
        qm::TextControl view;
        QVERIFY(!view.load(dir.filePath("big.txm")));
        QVERIFY(view.errorText().contains("big.txm"));
        QVERIFY(view.load(dir.filePath("fits.txm")));
        QCOMPARE(view.text().count('x'), int(qm::TextControl::maxPageBytes()) - 8);
    }
};

QTEST_MAIN(RtfRealFilesTest)
#include "test_rtf_real_files.moc"
