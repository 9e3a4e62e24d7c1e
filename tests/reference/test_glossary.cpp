#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/TextControl.h"
#include "platform/TextPrinting.h"
#include "reference/Glossary.h"
#include "reference/GlossaryFile.h"
#include "reference/GlossaryLines.h"
#include "support/CourseBuilder.h"
#include "support/PrintDialogDouble.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/Form1.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

using namespace qm;

namespace {

// A program folder with the given glossary files, and the courses named.
struct GlossaryFolder {
    QTemporaryDir dir;
    void write(const QString& relative, const QByteArray& text)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

void useCourses(const QStringList& names, int current = 0)
{
    Courses.clear();
    for (const QString& n : names) Courses.append(CourseRecord{n, {}, "12", true});
    CurCourse = qint16(current);
}

// The term grid as text: "" spacer, "#A" heading, "*Term" term, else a line.
QStringList gridRows(const Glossary& g)
{
    QStringList rows;
    const QTableWidget* grid = g.MSFlexGrid1;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QString c0 = grid->item(r, 0) ? grid->item(r, 0)->text() : QString();
        const QString c1 = grid->item(r, 1) ? grid->item(r, 1)->text() : QString();
        if (c0.isEmpty() && c1.isEmpty()) rows << QString();
        else if (c0 == " ") rows << "*" + c1;
        else if (!c0.isEmpty()) rows << "#" + c0;
        else rows << c1;
    }
    return rows;
}

QStringList letterBar(const Glossary& g)
{
    QStringList bar;
    for (int c = 0; c < g.MSFlexGrid2->columnCount(); ++c) bar << g.MSFlexGrid2->item(0, c)->text();
    return bar;
}

Glossary& buildFrom(GlossaryFolder& folder, const QByteArray& text)
{
    folder.write("Glossary.txt", text);
    BuildGlossaryViews();
    Glossary::instance().FillViews();
    return Glossary::instance();
}

int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

QByteArray longGlossary(int terms)
{
    QByteArray text = "^A";
    for (int i = 0; i < terms; ++i)
        text += "%Term " + QByteArray::number(i) + "~A definition long enough to fill most of a printed line, "
                "and then some more words so that it wraps.";
    return text;
}

} // namespace

class GlossaryTest : public QObject {
    Q_OBJECT
private slots:
    void theExampleFileRowByRow()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        Glossary& g = buildFrom(folder, "^A%Apple~A fruit.%Axe~A tool.^B%Ball~A toy.^Z");
        QCOMPARE(gridRows(g), (QStringList{"", "#A", "", "*Apple", "A fruit.", "", "*Axe", "A tool.", "", "#B", "",
                                           "*Ball", "A toy.", "", "#Z"}));
        QCOMPARE(letterBar(g), (QStringList{"A", "B", "Z"}));
        QCOMPARE(g.MSFlexGrid2->columnWidth(2), 20); // 300 twips
        QCOMPARE(g.letterRow(1), 9);

        const QTableWidgetItem* heading = g.MSFlexGrid1->item(1, 0);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->font().pointSize(), 10);
        QCOMPARE(ToVbColor(heading->background().color()), 0xCCCCCCu);
        QVERIFY(g.MSFlexGrid1->item(3, 1)->font().bold());
        QVERIFY(!g.MSFlexGrid1->item(4, 1)->font().bold());
    }

    void fileGrammar_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("title before the first marker") << QByteArray("Safety words\r\n^A%Axe~Tool")
                                                       << QStringList{"", "#A", "", "*Axe", "Tool"};
        QTest::newRow("line breaks are dropped") << QByteArray("^A%Axe~A sharp\r\ntool with a\r\n handle")
                                                 << QStringList{"", "#A", "", "*Axe", "A sharptool with a handle"};
        QTest::newRow("each character a heading") << QByteArray("^AB") << QStringList{"", "#A", "", "#B"};
        QTest::newRow("term after term joins") << QByteArray("%One%Two~Def") << QStringList{"", "*OneTwo", "Def"};
        QTest::newRow("definition after definition continues")
            << QByteArray("%T~one~two") << QStringList{"", "*T", "onetwo"};
        QTest::newRow("a trailing term") << QByteArray("%T~x%U") << QStringList{"", "*T", "x", "", "*U"};
    }

    void fileGrammar()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        QCOMPARE(gridRows(buildFrom(folder, file)), rows);
    }

    void theCourseFileComesBeforeTheSharedOne()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety", "Privacy"});
        folder.write("Glossary/glossary safety.TXT", "^S%Safety~Course file");
        Glossary& g = buildFrom(folder, "^P%Privacy~Shared file");
        QCOMPARE(letterBar(g), QStringList{"S"});

        // A change of course builds again, from empty, both views and the print.
        CurCourse = 1;
        BuildGlossaryViews();
        g.FillViews();
        QCOMPARE(gridRows(g), (QStringList{"", "#P", "", "*Privacy", "Shared file"}));
        QCOMPARE(letterBar(g), QStringList{"P"});
        QCOMPARE(g.TXTextControl1->text(), QString("P\n\nPrivacy.  Shared file\n\n"));

        QFile::remove(folder.dir.filePath("Glossary.txt"));
        BuildGlossaryViews();
        QCOMPARE(g.MSFlexGrid1->rowCount(), 0);
        QCOMPARE(g.letterCount(), 0);
        QCOMPARE(g.TXTextControl1->textLength(), 0);
    }

    void theMainWindowUnloadsItOnlyOnExit()
    {
        qmtest::CourseBuilder b;
        b.module("MOD001", "First", qmtest::CourseBuilder::pages(1, "Intro"));
        b.course("Safety", {"MOD001"});
        b.writeRegistry();
        qmtest::TestEnvironment env(b.path());
        GetInstalledCourses();
        Form1::instance();
        BuildGlossaryViews();
        Form1::instance().unload(); // a change of course
        QVERIFY(Glossary::loaded());
        Form1::instance();
        ExitRequested = true;
        Form1::instance().unload();
        QVERIFY(!Glossary::loaded());
    }

    void aSoundGlossaryIsReadWholeAndADamagedOneToldOnce()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        // Many headings and many terms are no damage.
        QByteArray letters;
        for (int i = 0; i < 1200; ++i) letters += char('A' + i % 26);
        Glossary& g = buildFrom(folder, "^" + letters + "%Last~shown");
        QCOMPARE(g.letterCount(), 1200);
        QCOMPARE(g.MSFlexGrid2->columnCount(), 26);
        QCOMPARE(gridRows(g).last(), QString("shown"));
        QStringList rows = gridRows(buildFrom(folder, QByteArray("%T~d").repeated(12005) + "%Z~end"));
        QCOMPARE(rows.size(), 3 * 12006);
        QCOMPARE(rows.last(), QString("end"));
        QVERIFY(g.TXTextControl1->text().endsWith("Z.  end\n\n"));
        QVERIFY(env.box.calls.isEmpty());

        // Bytes no text holds end the reading where they start, in both views,
        // with one message naming the file and the line.
        rows = gridRows(buildFrom(folder, "^A%Kept~whole\r\n%Also~kept\r\nso far\r\n" + QByteArray(3, '\0') + "%Lost~x"));
        QCOMPARE(rows, (QStringList{"", "#A", "", "*Kept", "whole", "", "*Also", "keptso far"}));
        QCOMPARE(g.TXTextControl1->text(), QString("A\n\nKept.  whole\n\nAlso.  keptso far\n\n"));
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.lastText(), GetResString(780).arg(4).arg(folder.dir.filePath("Glossary.txt")));

        // So do the other control characters, the lowest and the highest.
        for (const char control : {'\x1f', '\x7f'}) {
            env.box.clear();
            rows = gridRows(buildFrom(folder, "^A%Kept~whole\r\n%Lost" + QByteArray(1, control) + "~x"));
            QCOMPARE(rows, (QStringList{"", "#A", "", "*Kept", "whole", "", "*Lost"}));
            QCOMPARE(env.box.lastText(), GetResString(780).arg(2).arg(folder.dir.filePath("Glossary.txt")));
        }

        // Past any real glossary's size in entries, the rest is left out too.
        env.box.clear();
        buildFrom(folder, "^" + QByteArray(kMaxGlossaryEntries + 10, 'Q'));
        QCOMPARE(g.letterCount(), kMaxGlossaryEntries);
        QCOMPARE(env.box.calls.size(), 1);
    }

    void longDefinitionsBreakAtBlanksOrWhenTooWide()
    {
        const auto thousand = [](QChar) { return 1000.0; };
        QCOMPARE(BreakDefinition("aaaaaaaaaa bbb", thousand), (QStringList{"aaaaaaaaaa", "bbb"}));
        QCOMPARE(BreakDefinition("aaaaaaaaa  bbb", thousand), (QStringList{"aaaaaaaaa ", "bbb"}));
        QCOMPARE(BreakDefinition(QString(25, 'x'), thousand),
                 (QStringList{QString(10, 'x'), QString(10, 'x'), QString(5, 'x')}));

        // In the window: about 600 pixels a line at 15 twips a pixel.
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        const QString words = QString("word ").repeated(120).trimmed();
        const QStringList lines = gridRows(buildFrom(folder, "%T~" + words.toLatin1())).mid(2);
        QVERIFY(lines.size() >= 3 && lines.size() <= 8);
        QCOMPARE(lines.join(' '), words);
    }

    void lettersJumpByKeyAndClickAndCloseKeepsThePlace()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        QByteArray file = "^A";
        for (int i = 0; i < 40; ++i) file += "%A" + QByteArray::number(i) + "~def";
        file += "^B%Ball~toy";
        for (int i = 0; i < 40; ++i) file += "%B" + QByteArray::number(i) + "~def";
        file += "^Z%Zebra~animal";
        Glossary& g = buildFrom(folder, file);
        bool dAndZDidNothing = false, zJumped = false, clickJumped = false;
        QTimer::singleShot(0, [&] {
            // The key's place in the alphabet picks the heading's place in the file.
            QTest::keyClick(&g, Qt::Key_D);
            QTest::keyClick(&g, Qt::Key_Z);
            dAndZDidNothing = g.selectedLetter() == 0 && g.MSFlexGrid1->rowAt(0) == 0;
            QTest::keyClick(&g, Qt::Key_C);
            // The last heading is too near the end to reach the top: the grid goes as far as it can.
            const QScrollBar* bar = g.MSFlexGrid1->verticalScrollBar();
            zJumped = g.selectedLetter() == 2 && bar->value() > 0 && bar->value() == bar->maximum();
            const QTableWidgetItem* z = g.MSFlexGrid2->item(0, 2);
            zJumped = zJumped && ToVbColor(z->background().color()) == 0x000001u
                      && ToVbColor(z->foreground().color()) == 0xCCCCCCu;
            QTest::mouseClick(g.MSFlexGrid2->viewport(), Qt::LeftButton, {}, QPoint(25, 5));
            clickJumped = g.selectedLetter() == 1 && g.MSFlexGrid1->rowAt(0) == g.letterRow(1);
            QTest::mouseClick(g.MSFlexGrid2->viewport(), Qt::LeftButton, {}, QPoint(70, 5)); // no 4th letter
            QTest::mouseClick(g.Glos_Close, Qt::LeftButton);
        });
        ShowGlossary();
        QVERIFY(dAndZDidNothing);
        QVERIFY(zJumped);
        QVERIFY(clickJumped);
        QCOMPARE(Glossary::ifLoaded(), &g); // hidden, not unloaded
        QVERIFY(!g.isVisible());
        QCOMPARE(g.selectedLetter(), 1);
        QCOMPARE(g.Label2[5]->text(), GetResString(107));
    }

    void theLetterBarsLooksAndReach()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        QByteArray file;
        for (int i = 0; i < 30; ++i) file += "^" + QByteArray(1, char('A' + i % 26)) + "%T" + QByteArray::number(i) + "~d";
        Glossary& g = buildFrom(folder, file);
        const auto look = [&](int column) {
            const QTableWidgetItem* cell = g.MSFlexGrid2->item(0, column);
            if (ToVbColor(cell->background().color()) == 0xFFFFFFu) return QString("normal");
            return QString(cell->font().underline() ? "hovered" : "selected");
        };
        const int cell = g.MSFlexGrid2->columnWidth(0);
        g.GoToLetter(0);
        g.GoToLetter(2);
        QCOMPARE(look(0), QString("normal"));
        QCOMPARE(look(2), QString("selected"));
        g.LetterBarHover(2 * cell + 1); // the selected letter keeps its look
        QCOMPARE(look(2), QString("selected"));
        g.LetterBarHover(5 * cell + 1);
        QCOMPARE(look(5), QString("hovered"));
        g.LetterBarHover(2 * cell + 1);
        QCOMPARE(look(5), QString("normal"));
        QCOMPARE(look(2), QString("selected"));
        g.LetterBarClick(26 * cell + 1); // just past the last cell
        QCOMPARE(g.selectedLetter(), 2);
        g.LetterBarClick(25 * cell + 1);
        QCOMPARE(g.selectedLetter(), 25);

        // It opens with no caption lit, whatever was lit when it closed.
        g.buttons()->showHighlighted(g.Glos_Print);
        QList<quint32> captions;
        QTimer::singleShot(0, [&] {
            captions = {g.Label2[0]->foreColor(), g.Label2[1]->foreColor()};
            g.CloseGlossary();
        });
        ShowGlossary();
        QCOMPARE(captions, (QList<quint32>{kWhite, kWhite}));
    }

    void thePrintableCopy()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        useCourses({"Safety"});
        Glossary& g = buildFrom(folder, "Title\r\n^A%Apple~A fruit.^B");
        TextControl& doc = *g.TXTextControl1;
        QCOMPARE(doc.text(), QString("A\n\nApple.  A fruit.\n\nB\n\n"));
        const auto formatAt = [&](int pos) {
            QTextCursor c(doc.document());
            c.setPosition(pos + 1);
            return c.charFormat();
        };
        QVERIFY(formatAt(0).font().bold());
        QCOMPARE(formatAt(0).fontPointSize(), 12.0);
        QCOMPARE(ToVbColor(formatAt(0).foreground().color()), 0xC000C0u);
        QVERIFY(formatAt(3).font().bold());  // "Apple"
        QVERIFY(formatAt(8).font().bold());  // its period
        QVERIFY(!formatAt(9).font().bold()); // the blanks and the definition
        QCOMPARE(ToVbColor(formatAt(12).foreground().color()), 0x000000u);

        // A word longer than the printed line is broken, not run off the paper.
        buildFrom(folder, "%Long~" + QByteArray(400, 'w'));
        const auto printed = PaginatedCopy(*doc.document(), PrintPageSetup{});
        QVERIFY(printed->documentLayout()->documentSize().width() <= printed->pageSize().width());
        QVERIFY(printed->begin().layout()->lineCount() > 1);
    }

    void printingThroughTheDialog()
    {
        GlossaryFolder folder;
        qmtest::TestEnvironment env(folder.dir.path());
        qmtest::ScriptedPrintDialog dialog;
        useCourses({"Safety"});
        Glossary& g = buildFrom(folder, longGlossary(150));
        const int pages = g.TXTextControl1->pageCount();
        QVERIFY(pages >= 4);

        dialog.pdfPath = folder.dir.filePath("range.pdf");
        dialog.fromPage = 2;
        dialog.toPage = 3;
        QTest::mouseClick(g.Glos_Print, Qt::LeftButton);
        QCOMPARE(dialog.offered.size(), 1);
        const PrintDialogRequest& offer = dialog.offered[0];
        QCOMPARE(offer.copies, 1);
        QCOMPARE(offer.fromPage, 1);
        QCOMPARE(offer.toPage, pages);
        QCOMPARE(offer.minPage, 1);
        QCOMPARE(offer.maxPage, pages);
        QVERIFY(!offer.allowSelection && !offer.allowPrintToFile);
        QCOMPARE(pdfPages(dialog.pdfPath), 2);
        QVERIFY(env.box.calls.isEmpty());

        // A list of pages prints those pages, each once.
        dialog.pdfPath = folder.dir.filePath("list.pdf");
        dialog.pages = QString("2,%1").arg(pages);
        g.PrintGlossary();
        QCOMPARE(pdfPages(dialog.pdfPath), 2);
        dialog.pages.clear();

        // A job the print system refuses is told, with its reason.
        dialog.refusal = "Filter failed";
        g.PrintGlossary();
        QCOMPARE(env.box.lastText(), GetResString(650) + "\n\nFilter failed");
        dialog.refusal.clear();
        env.box.clear();

        dialog.accept = false; // Cancel prints nothing
        dialog.pdfPath = folder.dir.filePath("cancel.pdf");
        g.PrintGlossary();
        QVERIFY(!QFile::exists(dialog.pdfPath));
        QVERIFY(env.box.calls.isEmpty());

        dialog.accept = true; // a printer that cannot print is reported
        dialog.pdfPath = folder.dir.filePath("missing/folder/out.pdf");
        g.PrintGlossary();
        QCOMPARE(env.box.lastText(), GetResString(650));

        dialog.printers = false; // no printer: no dialog, a message
        g.PrintGlossary();
        QCOMPARE(env.box.lastText(), GetResString(536));
        QCOMPARE(dialog.offered.size(), 5);
    }
};

QTEST_MAIN(GlossaryTest)
#include "test_glossary.moc"
