#pragma once
#include <QList>
#include <QString>
#include <memory>

class QPrinter;
class QTextDocument;

namespace qm {

// The paper a formatted document is printed on, in twips. The default is US
// Letter with one-inch margins.
struct PrintPageSetup {
    int widthTwips = 12240;
    int heightTwips = 15840;
    int marginTwips = 1440;
};

// A copy of doc laid out in pages of that size (15 twips a pixel), the way it
// is counted and printed.
std::unique_ptr<QTextDocument> PaginatedCopy(const QTextDocument& doc, const PrintPageSetup& setup);

// The layout behind the count is kept for a print of the same document that
// follows, until the document changes; ForgetCountedLayout frees it when no
// print follows (a cancelled dialog).
int CountPages(const QTextDocument& doc, const PrintPageSetup& setup);
void ForgetCountedLayout();

// Prints pages fromPage..toPage (1-based, clamped to the document) in the
// given number of copies, the printer's document name set to jobName. The
// printer's paper is set to the setup's size. Returns false when nothing could
// be printed (an empty range, or the printer could not start).
bool PrintPageRange(const QTextDocument& doc, const PrintPageSetup& setup, QPrinter& printer,
                    int fromPage, int toPage, int copies, const QString& jobName);
// The same for the listed pages (1-based), in the list's order; pages the
// document does not have are left out.
bool PrintPageList(const QTextDocument& doc, const PrintPageSetup& setup, QPrinter& printer,
                   const QList<int>& pages, int copies, const QString& jobName);

} // namespace qm
