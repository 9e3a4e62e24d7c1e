#include "platform/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace qm {
namespace {

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
        if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
            request.fromPage = dialog.fromPage();
            request.toPage = dialog.toPage();
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
