#include "platform/TextPrinting.h"
#include "platform/WholeLayout.h"
#include "platform/rtf/RtfObjectPlaceholder.h"

#include <QAbstractTextDocumentLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>

namespace qm {
namespace {
constexpr qreal kTwipsPerPx = 15.0;
constexpr int kMaxCopies = 999;

QSizeF pagePx(const PrintPageSetup& s)
{
    return QSizeF(qMax(1440, s.widthTwips) / kTwipsPerPx, qMax(1440, s.heightTwips) / kTwipsPerPx);
}
qreal marginPx(const PrintPageSetup& s)
{
    const qreal m = qMax(0, s.marginTwips) / kTwipsPerPx;
    const QSizeF page = pagePx(s);
    return qMin(m, qMin(page.width(), page.height()) / 4); // always leave room for text
}
} // namespace

std::unique_ptr<QTextDocument> PaginatedCopy(const QTextDocument& doc, const PrintPageSetup& setup)
{
    std::unique_ptr<QTextDocument> copy(doc.clone());
    rtf::RegisterPlaceholderHandler(*copy);
    copy->setDocumentMargin(marginPx(setup));
    copy->setPageSize(pagePx(setup));
    LayOutWhole(*copy);
    return copy;
}

int CountPages(const QTextDocument& doc, const PrintPageSetup& setup)
{
    return qMax(1, PaginatedCopy(doc, setup)->pageCount());
}

bool PrintPageRange(const QTextDocument& doc, const PrintPageSetup& setup, QPrinter& printer,
                    int fromPage, int toPage, int copies, const QString& jobName)
{
    const std::unique_ptr<QTextDocument> copy = PaginatedCopy(doc, setup);
    const int pages = qMax(1, copy->pageCount());
    fromPage = qMax(1, fromPage);
    toPage = qMin(pages, toPage);
    if (fromPage > toPage) return false;
    copies = qBound(1, copies, kMaxCopies);

    const QSizeF page = pagePx(setup);
    printer.setDocName(jobName);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QSizeF(page.width() / 96.0, page.height() / 96.0), QPageSize::Inch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // A printer that makes copies itself gets the count; others get the pages again.
    int passes = copies;
    if (printer.supportsMultipleCopies()) {
        printer.setCopyCount(copies);
        passes = 1;
    }

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const qreal scale = paper.width() / page.width();
    bool first = true;
    for (int pass = 0; pass < passes; ++pass) {
        for (int p = fromPage; p <= toPage; ++p) {
            if (!first && !printer.newPage()) {
                painter.end();
                return false;
            }
            first = false;
            const QRectF area(0, (p - 1) * page.height(), page.width(), page.height());
            painter.save();
            painter.scale(scale, scale);
            painter.translate(0, -area.top());
            painter.setClipRect(area);
            QAbstractTextDocumentLayout::PaintContext ctx;
            ctx.clip = area;
            ctx.palette.setColor(QPalette::Text, Qt::black);
            copy->documentLayout()->draw(&painter, ctx);
            painter.restore();
        }
    }
    return painter.end();
}

} // namespace qm
