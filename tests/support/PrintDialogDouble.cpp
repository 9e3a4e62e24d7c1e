#include "support/PrintDialogDouble.h"

#include <QPrinter>

namespace qmtest {

ScriptedPrintDialog::ScriptedPrintDialog()
{
    qm::setPrintDialogService(this);
    qm::setPrinterService(&installed_);
}

ScriptedPrintDialog::~ScriptedPrintDialog()
{
    qm::setPrintDialogService(nullptr);
    qm::setPrinterService(nullptr);
}

QList<qm::PrinterEntry> ScriptedPrintDialog::Installed::printers()
{
    if (!dialog_.printers) return {};
    return {{QStringLiteral("PDF"), QString()}};
}

QString ScriptedPrintDialog::Installed::defaultPrinter() { return dialog_.printers ? QStringLiteral("PDF") : QString(); }

std::unique_ptr<QPrinter> ScriptedPrintDialog::Installed::open(const QString&)
{
    if (!dialog_.printers) return nullptr;
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dialog_.pdfPath);
    return printer;
}

bool ScriptedPrintDialog::exec(QPrinter& printer, qm::PrintDialogRequest& request, QWidget*)
{
    offered.append(request);
    if (!accept) return false;
    if (fromPage > 0) request.fromPage = fromPage;
    if (toPage > 0) request.toPage = toPage;
    if (copies > 0) request.copies = copies;
    if (!pages.isEmpty()) {
        request.pages = QPageRanges::fromString(pages);
        request.fromPage = request.pages.firstPage();
        request.toPage = request.pages.lastPage();
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return true;
}

} // namespace qmtest
