#include "platform/TextControl.h"
#include "platform/TextPrinting.h"
#include "platform/WholeLayout.h"
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace qm;

namespace {
int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return int(QString::fromLatin1(pdf).count(page));
}

void fillGlossary(TextControl& view, int entries)
{
    for (int i = 0; i < entries; ++i) {
        view.setSelection(view.textLength(), 0);
        view.replaceSelection(QString("Term %1.  A definition long enough to wrap over more than one "
                                      "line of the printed page, as glossary entries do.\n\r\n\r").arg(i));
    }
}
// A long page of paragraphs and small tables, laid out lazily in many steps.
QByteArray longPageWithTables()
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 150; ++i) {
        rtf += "\\pard Paragraph " + QByteArray::number(i) + " with enough words to wrap once or twice on a page "
               "seven hundred pixels wide, as course pages do.\\par ";
        for (int r = 0; r < 3; ++r)
            rtf += "\\trowd\\cellx2000\\cellx4000\\pard\\intbl Left\\cell Right\\cell\\row ";
    }
    return rtf + "\\pard End.\\par}";
}
} // namespace

class TextPrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString printTo(TextControl& view, const QString& name, int from, int to, int copies, bool* ok)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = dir.filePath(name);
        printer.setOutputFileName(path);
        *ok = view.printPages(printer, from, to, copies, "Glossary Print Job");
        return path;
    }

private slots:
    void pageCountFollowsThePageSize()
    {
        TextControl view;
        QCOMPARE(view.pageCount(), 1); // an empty document is one page
        fillGlossary(view, 120);
        view.setPageWidth(12240);
        view.setPageHeight(15840);
        const int letter = view.pageCount();
        QVERIFY(letter >= 4);
        view.setPageHeight(7920);
        QVERIFY(view.pageCount() > letter);
    }

    void printsOnlyTheChosenPages()
    {
        TextControl view;
        fillGlossary(view, 120);
        QVERIFY(view.pageCount() >= 4);
        bool ok = false;
        const QString path = printTo(view, "range.pdf", 2, 3, 1, &ok);
        QVERIFY(ok);
        QCOMPARE(pdfPages(path), 2);
    }

    void copiesRepeatTheRange()
    {
        TextControl view;
        fillGlossary(view, 120);
        bool ok = false;
        const QString path = printTo(view, "copies.pdf", 1, 2, 2, &ok);
        QVERIFY(ok);
        QCOMPARE(pdfPages(path), 4);
    }

    void rangesAreClampedToTheDocument()
    {
        TextControl view;
        fillGlossary(view, 120);
        const int pages = view.pageCount();
        bool ok = false;
        QString path = printTo(view, "clamped.pdf", 0, 999, 1, &ok);
        QVERIFY(ok);
        QCOMPARE(pdfPages(path), pages);
        printTo(view, "empty.pdf", pages + 1, pages + 3, 1, &ok);
        QVERIFY(!ok);
        printTo(view, "reversed.pdf", 3, 2, 1, &ok);
        QVERIFY(!ok);
    }

    void wholeLayoutEqualsTheLazyOne()
    {
        QTextDocument ours, theirs;
        rtf::ReadRtf(longPageWithTables(), ours);
        rtf::ReadRtf(longPageWithTables(), theirs);
        ours.setTextWidth(700);
        theirs.setTextWidth(700);
        const qreal height = LayOutWhole(ours);
        QVERIFY(height > 10000);
        QCOMPARE(height, theirs.documentLayout()->documentSize().height());
        const QTextBlock last = ours.lastBlock();
        QCOMPARE(ours.documentLayout()->blockBoundingRect(last), theirs.documentLayout()->blockBoundingRect(theirs.lastBlock()));
        QCOMPARE(LayOutWhole(ours), height); // a second call changes nothing
    }

    void printedCopyKeepsTheViewsDocument()
    {
        TextControl view;
        fillGlossary(view, 5);
        const QString before = view.text();
        bool ok = false;
        printTo(view, "same.pdf", 1, 1, 1, &ok);
        QVERIFY(ok);
        QCOMPARE(view.text(), before);
    }

    void aCountedLayoutIsNotPrintedOnceStale()
    {
        // Counted, then changed before the print: the print follows the change.
        TextControl view;
        fillGlossary(view, 40);
        const int pages = view.pageCount();
        fillGlossary(view, 80);
        bool ok = false;
        QString path = printTo(view, "grown.pdf", 1, 99, 1, &ok);
        QVERIFY(ok);
        QVERIFY(pdfPages(path) > pages);
        QCOMPARE(pdfPages(path), view.pageCount());

        view.pageCount();
        view.setPageHeight(7920);
        const int halves = view.pageCount();
        QVERIFY(halves > pages);
        QTextCursor c(view.document());
        c.select(QTextCursor::Document);
        QTextCharFormat big;
        big.setFontPointSize(30);
        c.mergeCharFormat(big); // a format change alone
        path = printTo(view, "bigger.pdf", 1, 999, 1, &ok);
        QVERIFY(pdfPages(path) > halves);

        // Counted, then printed with wider margins alone: laid out again.
        PrintPageSetup narrow, wide;
        wide.marginTwips = 3 * 1440;
        const int counted = CountPages(*view.document(), narrow);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("margins.pdf"));
        QVERIFY(PrintPageRange(*view.document(), wide, printer, 1, 999, 1, "Glossary Print Job"));
        QVERIFY(pdfPages(dir.filePath("margins.pdf")) > counted);
    }
};

QTEST_MAIN(TextPrintingTest)
#include "test_text_printing.moc"
