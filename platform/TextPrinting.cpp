#include "platform/TextPrinting.h"
#include "platform/WholeLayout.h"
#include "platform/rtf/RtfObjectPlaceholder.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>
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

// What of a document, besides its text and formats, its paginated copy takes.
struct LayoutKey {
    PrintPageSetup setup;
    QString font;
    QTextOption::WrapMode wrap = QTextOption::WordWrap;
    Qt::Alignment alignment;
    qreal tabStop = 0;
    qreal indent = 0;
    bool designMetrics = false;

    LayoutKey() = default;
    LayoutKey(const QTextDocument& doc, const PrintPageSetup& s)
        : setup(s), font(doc.defaultFont().key()), wrap(doc.defaultTextOption().wrapMode()),
          alignment(doc.defaultTextOption().alignment()), tabStop(doc.defaultTextOption().tabStopDistance()),
          indent(doc.indentWidth()), designMetrics(doc.useDesignMetrics())
    {
    }
    bool operator==(const LayoutKey& o) const
    {
        return setup.widthTwips == o.setup.widthTwips && setup.heightTwips == o.setup.heightTwips
               && setup.marginTwips == o.setup.marginTwips && font == o.font && wrap == o.wrap
               && alignment == o.alignment && tabStop == o.tabStop && indent == o.indent
               && designMetrics == o.designMetrics;
    }
};

// The last document laid out in pages. A print first counts the pages for its
// dialog and then prints them: the count's layout is kept for the print, as
// long as nothing in the document or the paper changed in between. A long
// glossary takes seconds to lay out.
class KeptLayout {
public:
    // The paginated copy of doc, laid out now or kept from the last call.
    const QTextDocument& of(const QTextDocument& doc, const PrintPageSetup& setup)
    {
        const LayoutKey key(doc, setup);
        if (!copy_ || source_ != &doc || !(key_ == key)) {
            release();
            // Owned by the application, so that it never outlives it.
            copy_ = PaginatedCopy(doc, setup).release();
            copy_->setParent(QCoreApplication::instance());
            source_ = &doc;
            key_ = key;
            // Any edit or format change, or the document's end, forgets it.
            changed_ = QObject::connect(&doc, &QTextDocument::contentsChange, [this] { release(); });
            destroyed_ = QObject::connect(&doc, &QObject::destroyed, [this] { release(); });
        }
        return *copy_;
    }
    // Frees the copy: it is as large as the document.
    void release()
    {
        QObject::disconnect(changed_);
        QObject::disconnect(destroyed_);
        delete copy_.data();
        source_.clear();
    }

private:
    QPointer<QTextDocument> copy_;
    QPointer<const QTextDocument> source_;
    LayoutKey key_;
    QMetaObject::Connection changed_;
    QMetaObject::Connection destroyed_;
};

KeptLayout& keptLayout()
{
    static KeptLayout kept;
    return kept;
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
    return qMax(1, keptLayout().of(doc, setup).pageCount());
}

void ForgetCountedLayout() { keptLayout().release(); }

bool PrintPageRange(const QTextDocument& doc, const PrintPageSetup& setup, QPrinter& printer,
                    int fromPage, int toPage, int copies, const QString& jobName)
{
    const int pages = qMax(1, keptLayout().of(doc, setup).pageCount());
    QList<int> list;
    for (int p = qMax(1, fromPage); p <= qMin(pages, toPage); ++p) list.append(p);
    return PrintPageList(doc, setup, printer, list, copies, jobName);
}

bool PrintPageList(const QTextDocument& doc, const PrintPageSetup& setup, QPrinter& printer,
                   const QList<int>& pageList, int copies, const QString& jobName)
{
    const QTextDocument* copy = &keptLayout().of(doc, setup);
    // Whatever happens below, the copy is not kept past this print.
    const auto forget = qScopeGuard([] { keptLayout().release(); });
    const int pages = qMax(1, copy->pageCount());
    QList<int> chosen;
    for (int p : pageList)
        if (p >= 1 && p <= pages) chosen.append(p);
    if (chosen.isEmpty()) return false;
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
        for (int p : chosen) {
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
