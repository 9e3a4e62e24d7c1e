// Reading and laying out long tables, and the page shapes that cost most per
// byte: the reader must stay linear in all of them.
#include "Bench.h"
#include "platform/TextControl.h"
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
QByteArray tableRows(int rows)
{
    QByteArray t = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    for (int r = 0; r < rows; ++r) {
        t += "\\trowd\\trgaph108\\cellx2000\\cellx4000\\cellx6000\\cellx8000\\pard\\intbl ";
        for (int c = 0; c < 4; ++c) t += "Row " + QByteArray::number(r) + " cell " + QByteArray::number(c) + "\\cell ";
        t += "\\row\r\n";
    }
    return t + "\\pard after\\par}";
}

// Times reading and laying out one table of each size once, and prints the
// cost per row, so growth shows beside the totals.
void tableFigure(int rows)
{
    const QByteArray rtf = tableRows(rows);
    QTextDocument doc;
    QElapsedTimer t;
    t.start();
    qm::rtf::ReadRtf(rtf, doc);
    const double read = t.nsecsElapsed() / 1e6;
    t.restart();
    doc.setTextWidth(700);
    (void)doc.documentLayout()->documentSize();
    const double layout = t.nsecsElapsed() / 1e6;
    std::printf("  table of %5d rows: read %8.1f ms, layout %8.1f ms, total %8.1f ms, %6.1f us/row\n", rows, read,
                layout, read + layout, (read + layout) * 1000 / rows);
}

qmbench::Register tables("table of 1,000 / 4,000 / 8,000 rows: read and lay out (8,000 rows)", 1000.0, [] {
    for (const int rows : {1000, 4000, 8000}) tableFigure(rows);
    const QByteArray rtf = tableRows(8000);
    return [rtf] {
        QTextDocument doc;
        qm::rtf::ReadRtf(rtf, doc);
        doc.setTextWidth(700);
        (void)doc.documentLayout()->documentSize();
    };
});

// The worst shapes of just under a given size: one paragraph of formatting
// runs, a page of empty paragraphs, one table, and a page of rows each with
// its own \trowd ... \row and no \intbl, as pages written by hand have them.
QByteArray shape(int kind, qsizetype bytes)
{
    QByteArray page = "{\\rtf1\\ansi ";
    page.reserve(bytes);
    bytes -= 80; // room for the last piece and the closing brace
    switch (kind) {
    case 0:
        while (page.size() < bytes) page += "{\\b x}{\\i y} ";
        break;
    case 1:
        while (page.size() < bytes) page += "\\par\r\n";
        break;
    case 2:
        while (page.size() < bytes) page += "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row\r\n";
        break;
    case 3:
        while (page.size() < bytes) page += "\\trowd\\cellx1000\\cellx2000\\pard a\\cell b\\cell\\row\r\n";
        break;
    default:
        // A face of its own for nearly every word: fonts, sizes and styles.
        for (int n = 0; page.size() < bytes; ++n)
            page += "{\\f" + QByteArray::number(n % 7) + "\\fs" + QByteArray::number(2 + n * 37 % 397)
                + (n % 3 ? "\\b" : "\\i") + " word after}";
        break;
    }
    return page + "}";
}

// A page shown before it is all read: how long the rest takes while the
// view runs, and the longest the view waits for one part of it.
void restReadFigure(qm::TextControl& control, const QString& path)
{
    QElapsedTimer all;
    all.start();
    control.load(path);
    double longest = 0;
    while (control.reading()) {
        QElapsedTimer turn;
        turn.start();
        QCoreApplication::processEvents();
        longest = std::max(longest, turn.nsecsElapsed() / 1e6);
    }
    std::printf("  the rest read while the view runs: %.0f ms in all, the longest turn of the event loop %.0f ms\n",
                all.nsecsElapsed() / 1e6, longest);
}

void registerShape(const char* name, int kind, double targetMB = 0)
{
    static std::vector<std::unique_ptr<qmbench::Register>> kept;
    kept.push_back(std::make_unique<qmbench::Register>(name, 600.0, targetMB, [kind] {
        const QString path = qmbench::ScratchFolder() + QStringLiteral("/shape%1.txm").arg(kind);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(shape(kind, qm::TextControl::maxPageBytes()));
        f.close();
        auto control = std::make_shared<qm::TextControl>();
        control->resize(700, 500);
        control->show();
        if (!control->load(path)) std::printf("  not shown: %s\n", qPrintable(control->errorText()));
        if (kind == 0 && control->reading()) restReadFigure(*control, path);
        return [control, path] {
            control->load(path);
            control->viewport()->repaint();
        };
    }));
}

const bool shapes = [] {
    registerShape("largest page, one paragraph of {\\b x} runs: first screen", 0);
    registerShape("largest page, repeated \\par: first screen", 1);
    registerShape("largest page, one table: first screen", 2);
    registerShape("largest page, rows without \\intbl: first screen", 3, 160.0);
    registerShape("largest page, a font and size for every word: first screen", 4);
    return true;
}();
} // namespace
