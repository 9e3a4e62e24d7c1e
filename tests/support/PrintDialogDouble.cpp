#include "support/PrintDialogDouble.h"

#include <QPrinter>

namespace qmtest {

ScriptedPrintDialog::ScriptedPrintDialog() { qm::setPrintDialogService(this); }

ScriptedPrintDialog::~ScriptedPrintDialog() { qm::setPrintDialogService(nullptr); }

bool ScriptedPrintDialog::exec(QPrinter& printer, qm::PrintDialogRequest& request, QWidget*)
{
    offered.append(request);
    if (!accept) return false;
    if (fromPage > 0) request.fromPage = fromPage;
    if (toPage > 0) request.toPage = toPage;
    if (copies > 0) request.copies = copies;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return true;
}

} // namespace qmtest
