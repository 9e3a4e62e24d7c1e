#pragma once
#include "platform/PrintDialog.h"

#include <QList>
#include <QString>

namespace qmtest {

// Answers the print dialog from a script and prints to a PDF file.
class ScriptedPrintDialog : public qm::PrintDialogService {
public:
    ScriptedPrintDialog();
    ~ScriptedPrintDialog() override;

    bool printers = true; // whether any printer is installed
    bool accept = true;   // OK, else Cancel
    int fromPage = 0;     // the range and copies chosen; 0 keeps what was offered
    int toPage = 0;
    int copies = 0;
    QString pdfPath;      // where the "printer" writes
    QList<qm::PrintDialogRequest> offered; // what each opening offered

    bool hasPrinters() override { return printers; }
    bool exec(QPrinter& printer, qm::PrintDialogRequest& request, QWidget* owner) override;
};

} // namespace qmtest
