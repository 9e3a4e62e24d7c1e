#include "platform/PrintDialog.h"

#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

namespace qm {
namespace {

// The print dialog hands the pages typed in its Pages box to CUPS as the
// job's "page-ranges" option, in the list of name and value pairs that Qt's
// print engine keeps under this key; CUPS would then pick those pages from
// the pages printed, which are already the chosen ones.
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The pages the dialog asked CUPS to pick, taken back from the job's options.
QPageRanges takeServerPageRanges(QPrinter& printer)
{
    QPrintEngine* engine = printer.printEngine();
    if (!engine) return {};
    QStringList options = engine->property(kCupsOptions).toStringList();
    QPageRanges pages;
    bool found = false;
    for (qsizetype i = 0; i + 1 < options.size();) {
        if (options[i] == QLatin1String("page-ranges")) {
            pages = QPageRanges::fromString(options[i + 1]);
            options.remove(i, 2);
            found = true;
        } else {
            i += 2;
        }
    }
    if (found) engine->setProperty(kCupsOptions, options);
    return pages;
}

class RealPrintDialog : public PrintDialogService {
public:
    bool exec(QPrinter& printer, PrintDialogRequest& request, QWidget* owner) override
    {
        printer.setCopyCount(request.copies);
        printer.setFromTo(request.fromPage, request.toPage);
        QPrintDialog dialog(&printer, owner);
        dialog.setMinMax(request.minPage, request.maxPage);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, request.allowSelection);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, request.allowPrintToFile);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        if (dialog.exec() != QDialog::Accepted) return false;
        const QPageRanges serverPages = takeServerPageRanges(printer);
        request.pages = !serverPages.isEmpty() ? serverPages
                        : dialog.printRange() == QAbstractPrintDialog::PageRange ? printer.pageRanges()
                                                                                : QPageRanges();
        if (!request.pages.isEmpty()) {
            request.fromPage = request.pages.firstPage();
            request.toPage = request.pages.lastPage();
        } else {
            request.fromPage = request.minPage;
            request.toPage = request.maxPage;
        }
        request.copies = printer.copyCount();
        return true;
    }
};

RealPrintDialog& realDialog()
{
    static RealPrintDialog d;
    return d;
}

PrintDialogService* current = nullptr;

} // namespace

PrintDialogService& printDialogService() { return current ? *current : realDialog(); }

void setPrintDialogService(PrintDialogService* service) { current = service; }

} // namespace qm
