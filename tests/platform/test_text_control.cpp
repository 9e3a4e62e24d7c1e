#include "platform/TextControl.h"
#include "platform/VisibleText.h"
#include "platform/rtf/RtfReader.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace qm;

namespace {
QByteArray longBody(int paragraphs, const QByteArray& marker = QByteArray())
{
    QByteArray b;
    for (int i = 0; i < paragraphs; ++i) {
        if (i == paragraphs / 2 && !marker.isEmpty()) b += marker;
        b += "Paragraph " + QByteArray::number(i) + " of the page text.\\par\n";
    }
    return b;
}
} // namespace

class TextControlTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& body)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(body);
        return path;
    }
    static QByteArray rtf(const QByteArray& body) { return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}" + body + "}"; }

    struct Shown {
        TextControl view;
        Shown()
        {
            view.resize(500, 300);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
        }
    };

private slots:
    // A long page of running text is shown before it is all read; the rest
    // comes in while the event loop runs, as it would have been read at once.
    // Asking for the text finishes the read; another page stops it.
    void longPagesAreShownBeforeTheyAreAllRead()
    {
        QByteArray body;
        for (int i = 0; body.size() < rtf::kPartsFromBytes; ++i)
            body += "Caf\\'e9 {\\b bold " + QByteArray::number(i) + "}{\\i italic} \\u8212? AVAWAY To. \\par\n";
        const QString path = write("runs.txm", rtf(body));
        Shown s;
        QTextDocument whole;
        whole.setDefaultFont(s.view.font());
        rtf::ReadRtf(rtf(body), whole);
        const auto fragments = [](const QTextDocument& doc) {
            QList<std::pair<QString, QTextCharFormat>> all;
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it) all.append({it.fragment().text(), it.fragment().charFormat()});
            return all;
        };

        QVERIFY(s.view.load(path));
        QVERIFY(s.view.reading());
        QVERIFY(s.view.document()->characterCount() < whole.characterCount());
        QTRY_VERIFY_WITH_TIMEOUT(!s.view.reading(), 20000);
        QVERIFY(fragments(*s.view.document()) == fragments(whole));

        QVERIFY(s.view.load(path));
        QCOMPARE(s.view.text(), whole.toPlainText());
        QVERIFY(s.view.load(path));
        QVERIFY(s.view.load(write("short.txm", rtf("Only this\\par"))));
        QVERIFY(!s.view.reading());
        QTest::qWait(50);
        QCOMPARE(s.view.text(), QString("Only this\n"));
    }

    void loadReplacesTheDocumentAndShowsItsTop()
    {
        Shown s;
        QVERIFY(s.view.load(write("long.txm", rtf(longBody(200)))));
        s.view.verticalScrollBar()->setValue(400);
        QVERIFY(s.view.load(write("short.txm", rtf("Only this\\par"))));
        QCOMPARE(s.view.text(), QString("Only this\n"));
        QCOMPARE(s.view.verticalScrollBar()->value(), 0);
        QCOMPARE(s.view.documentPath(), dir.filePath("short.txm"));
    }

    void failedLoadKeepsThePageOnView()
    {
        Shown s;
        QVERIFY(s.view.load(write("a.txm", rtf("Kept\\par"))));
        const QString missing = dir.filePath("nothere.txm");
        QVERIFY(!s.view.load(missing));
        QCOMPARE(s.view.errorText(), "File not found: " + missing);
        QCOMPARE(s.view.text(), QString("Kept\n"));
        QVERIFY(!s.view.load(dir.path()));
        QVERIFY(s.view.errorText().startsWith("Path/File access error: "));
        QVERIFY(!s.view.load(QString()));
    }

    void pathsEndAtTheirFirstNulAndPlainTextIsShownAsIs()
    {
        TextControl view;
        const QString path = write("notes.txt", "line one\r\nline two {not rtf}\r\n");
        QVERIFY(view.load(path + QChar(0) + "junk"));
        QCOMPARE(view.text(), QString("line one\nline two {not rtf}\n"));
    }

    void linkedPagesResolveAgainstTheFolderOnView()
    {
        QVERIFY(QDir(dir.path()).mkpath("SAF101"));
        TextControl view;
        QVERIFY(view.load(write("SAF101/0001.txm", rtf("first\\par"))));
        write("SAF101/0003.txm", rtf("third\\par"));
        QVERIFY(view.load("0003.txm", TextControl::LoadKind::LinkedPage));
        QCOMPARE(view.text(), QString("third\n"));
    }

    void itemQueryAnswersTheDefaultTextSize()
    {
        TextControl view;
        int asked = 0;
        connect(&view, &TextControl::itemQuery, &view, [&](int, int* answer) {
            ++asked;
            QCOMPARE(*answer, 12);
            *answer = 20;
        });
        QVERIFY(view.load(write("size.txm", rtf("sized\\par"))));
        QCOMPARE(asked, 1);
        QTextCursor c(view.document());
        c.setPosition(1);
        QCOMPARE(c.charFormat().fontPointSize(), 20.0);
    }

    // Default tab stops stand where the page's \\deftab puts them (half an
    // inch when it names none), in the view as in the reader.
    void defaultTabStopsFollowThePage()
    {
        Shown s;
        const auto afterTab = [&](const QByteArray& header) {
            if (!s.view.load(write("tabs.txm", rtf(header + "a\\tab b\\par")))) return -1.0;
            const QTextBlock block = s.view.document()->firstBlock();
            return block.layout()->lineAt(0).cursorToX(2);
        };
        QCOMPARE(afterTab("\\deftab360 "), 24.0);
        QCOMPARE(afterTab(""), 48.0);
    }

    void clickOnATargetLinkReportsKindOneWithTerminator()
    {
        Shown s;
        QVERIFY(s.view.load(write("links.txm",
            rtf("Go {\\field{\\*\\fldinst HYPERLINK \"SAF101_0004.txm\"}{\\fldrslt{\\ul Next page}}} now\\par"))));
        QList<std::tuple<int, int, QString>> calls;
        connect(&s.view, &TextControl::hyperlinkClick, &s.view, [&](int item, int kind, QString* target, bool*) {
            calls.append({item, kind, *target});
            *target = target->trimmed().toLower(); // handlers may rewrite it in place
        });
        int textClicks = 0;
        connect(&s.view, &TextControl::textClick, &s.view, [&] { ++textClicks; });

        QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, s.view.linkRect(1).center());
        QCOMPARE(calls.size(), 1);
        QCOMPARE(std::get<0>(calls[0]), 1);
        QCOMPARE(std::get<1>(calls[0]), 1);
        const QString target = std::get<2>(calls[0]);
        QCOMPARE(target.size(), 16);
        QCOMPARE(target, QString("SAF101_0004.txm") + QChar(0));
        QCOMPARE(s.view.clickedLinkText(), QString("Next page"));
        QCOMPARE(textClicks, 0);

        // A click beside the link is a click in the text.
        QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, s.view.linkRect(1).topLeft() + QPoint(-20, 2));
        QCOMPARE(textClicks, 1);
        QCOMPARE(calls.size(), 1);
    }

    void clickOnAMarkLinkReportsKindTwoAndGoesToTheMark()
    {
        Shown s;
        QVERIFY(s.view.load(write("marks.txm",
            rtf("{\\field{\\*\\fldinst HYPERLINK \\\\l \"Step2\"}{\\fldrslt Jump}}\\par"
                + longBody(120, "{\\*\\bkmkstart Step2}{\\*\\bkmkend Step2}Step two here\\par")))));
        QString seen;
        int kindSeen = 0;
        connect(&s.view, &TextControl::hyperlinkClick, &s.view, [&](int, int kind, QString* target, bool*) {
            kindSeen = kind;
            seen = *target;
        });
        QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, s.view.linkRect(1).center());
        QCOMPARE(kindSeen, 2);
        QCOMPARE(seen, QString("Step2") + QChar(0));
        QVERIFY(s.view.verticalScrollBar()->value() > 0);
        const QTextCursor mark = s.view.document()->find("Step two here");
        QTextCursor at(s.view.document());
        at.setPosition(mark.selectionStart());
        QVERIFY(qAbs(s.view.cursorRect(at).top()) <= 2);
    }

    void markLinkHandlerMayKeepTheViewWhereItIs()
    {
        Shown s;
        QVERIFY(s.view.load(write("marks2.txm",
            rtf("{\\field{\\*\\fldinst HYPERLINK \\\\l \"end\"}{\\fldrslt Jump}}\\par"
                + longBody(120, "{\\*\\bkmkstart end}End\\par")))));
        connect(&s.view, &TextControl::hyperlinkClick, &s.view,
                [](int, int, QString*, bool* follow) { *follow = false; });
        QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, s.view.linkRect(1).center());
        QCOMPARE(s.view.verticalScrollBar()->value(), 0);
    }

    void linkHandlerMayLoadTheNextPage()
    {
        Shown s;
        const QString next = write("next.txm", rtf("Next page text\\par"));
        QVERIFY(s.view.load(write("from.txm", rtf("{\\field{\\*\\fldinst HYPERLINK \"next.txm\"}{\\fldrslt go}}\\par"))));
        connect(&s.view, &TextControl::hyperlinkClick, &s.view, [&](int, int, QString*, bool*) {
            QVERIFY(s.view.load(next));
        });
        QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, s.view.linkRect(1).center());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(s.view.text(), QString("Next page text\n"));
    }

    void goToMarkScrollsTheMarkToTheTop()
    {
        Shown s;
        QVERIFY(s.view.load(write("goto.txm", rtf(longBody(150, "{\\*\\bkmkstart Summary}Summary\\par")))));
        QCOMPARE(s.view.markNames(), QStringList{"Summary"});
        QVERIFY(!s.view.goToMark("nowhere"));
        QCOMPARE(s.view.verticalScrollBar()->value(), 0);
        // Link handlers pass the lower-cased target with its terminator.
        QVERIFY(s.view.goToMark(QString("summary") + QChar(0)));
        QVERIFY(s.view.verticalScrollBar()->value() > 0);
        QCOMPARE(s.view.textCursor().position(), s.view.document()->find("Summary").selectionStart());
        QVERIFY(qAbs(s.view.cursorRect().top()) <= 2);
    }

    void objectsAskForAWindowThenGiveTheirData()
    {
        Shown s;
        QStringList events;
        QList<QPointer<QLabel>> frames;
        connect(&s.view, &TextControl::objectWindowRequest, &s.view, [&](int n, QWidget** host) {
            events << QString("window %1").arg(n);
            auto* frame = new QLabel;
            frame->setObjectName("ImageFrame");
            frames.append(frame);
            *host = frame;
        });
        connect(&s.view, &TextControl::objectLoad, &s.view, [&](int n, const QString& data) {
            events << QString("data %1 %2").arg(n).arg(data);
        });
        QVERIFY(s.view.load(write("movies.txm",
            rtf("Intro\\par{\\*\\qmobject\\objw4800\\objh3600 Intro.swf,loop}\\par"
                + longBody(60) + "{\\*\\qmobject Movies1.wmv}\\par"))));
        QCOMPARE(events, (QStringList{"window 1", "data 1 Intro.swf,loop", "window 2", "data 2 Movies1.wmv"}));
        QCOMPARE(s.view.objectCount(), 2);

        QLabel* first = frames[0];
        QCOMPARE(first->parentWidget(), s.view.viewport());
        QVERIFY(first->isVisible());
        QCOMPARE(first->geometry(), s.view.objectRect(1));
        QCOMPARE(first->size(), QSize(320, 240));
        QCOMPARE(s.view.objectHost(1), first);

        // The frame stays over its placeholder while the view scrolls.
        const QPoint before = first->pos();
        s.view.verticalScrollBar()->setValue(100);
        QCOMPARE(first->pos(), before - QPoint(0, 100));
        QCOMPARE(first->pos(), s.view.objectRect(1).topLeft());
        // ... and while it rewraps to a new width.
        s.view.verticalScrollBar()->setValue(0);
        const QPoint wide = s.view.objectRect(2).topLeft();
        s.view.resize(260, 300);
        QCoreApplication::processEvents();
        QVERIFY(s.view.objectRect(2).topLeft() != wide);
        QCOMPARE(frames[1]->pos(), s.view.objectRect(2).topLeft());

        int clicked = 0;
        connect(&s.view, &TextControl::objectClick, &s.view, [&](int n) { clicked = n; });
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked, 1);

        s.view.setCurrentObject(2);
        QCOMPARE(s.view.currentObject(), 2);
        s.view.setCurrentObject(7);
        QCOMPARE(s.view.currentObject(), 0);

        // The next page hides the frames of this one; their owner deletes them.
        QVERIFY(s.view.load(write("plain.txm", rtf("No movies\\par"))));
        QVERIFY(!first->isVisible());
        QCOMPARE(s.view.objectCount(), 0);
        for (auto& f : frames) delete f.data();
    }

    void placeholderWithoutAWindowIsClickable()
    {
        Shown s;
        QVERIFY(s.view.load(write("nohost.txm", rtf("{\\*\\qmobject\\objw1500\\objh1500 Clip.wmv}\\par"))));
        int clicked = 0, texts = 0;
        connect(&s.view, &TextControl::objectClick, &s.view, [&](int n) { clicked = n; });
        connect(&s.view, &TextControl::textClick, &s.view, [&] { ++texts; });
        QCOMPARE(s.view.objectRect(1).size(), QSize(100, 100));
        QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, s.view.objectRect(1).center());
        QCOMPARE(clicked, 1);
        QCOMPARE(texts, 0);
    }

    void theTextSelectedAndCopiedIsTheTextAsShown()
    {
        // Letters that reach past their advance carry an invisible joiner in the document.
        Shown s;
        QVERIFY(s.view.load(write("copy.txm", "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\f0 Proof of {\\i it} "
                                              "first\\par}")));
        QCOMPARE(s.view.text().trimmed(), QString("Proof of it first"));
        s.view.setSelection(6, 5);
        QCOMPARE(s.view.selectedText(), QString("of it"));
        QCOMPARE(s.view.selectionStart(), 6);
        QCOMPARE(s.view.selectionLength(), 5);
        s.view.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("of it"));
        const QString html = QGuiApplication::clipboard()->mimeData()->html();
        QVERIFY(html.contains("it"));
        QCOMPARE(html, VisibleText(html));
    }

    void glossaryDocumentIsBuiltThroughTheSelection()
    {
        TextControl view;
        const auto append = [&](const QString& text, int formatLength, auto format) {
            const int end = view.textLength();
            view.setSelection(end, 0);
            view.replaceSelection(text);
            view.setSelection(end, formatLength);
            format();
        };
        const QChar lf(10), cr(13);
        const QString breaks = QString() + lf + cr + lf + cr;
        append("A" + breaks, 1, [&] {
            view.setSelectionBold(true);
            view.setSelectionFontSize(12);
            view.setSelectionColor(0xC000C0);
        });
        append("Apple.  ", 6, [&] { view.setSelectionBold(true); });
        append("A fruit." + breaks, 0, [] {});
        append("B" + breaks, 1, [&] { view.setSelectionBold(true); });

        QCOMPARE(view.text(), QString("A\n\nApple.  A fruit.\n\nB\n\n"));
        QCOMPARE(view.textLength(), view.text().size());
        const auto formatAt = [&](int pos) {
            QTextCursor c(view.document());
            c.setPosition(pos + 1);
            return c.charFormat();
        };
        QCOMPARE(formatAt(0).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(0).fontPointSize(), 12.0);
        QCOMPARE(formatAt(0).foreground().color(), QColor(0xC0, 0x00, 0xC0));
        QCOMPARE(formatAt(3).fontWeight(), int(QFont::Bold));   // "Apple"
        QCOMPARE(formatAt(8).fontWeight(), int(QFont::Bold));   // its period
        QVERIFY(formatAt(9).fontWeight() != QFont::Bold);       // the blanks
        QVERIFY(formatAt(11).fontWeight() != QFont::Bold);      // the definition
        QVERIFY(!formatAt(11).hasProperty(QTextFormat::ForegroundBrush));

        view.setSelection(3, 5);
        QCOMPARE(view.selectionStart(), 3);
        QCOMPARE(view.selectionLength(), 5);
        QCOMPARE(view.selectedText(), QString("Apple"));
        view.setSelection(-4, 1000);
        QCOMPARE(view.selectionStart(), 0);
        QCOMPARE(view.selectionLength(), view.textLength());
    }
};

QTEST_MAIN(TextControlTest)
#include "test_text_control.moc"
