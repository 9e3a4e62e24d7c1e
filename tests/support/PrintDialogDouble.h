#pragma once
#include "platform/PrintDialog.h"
#include "platform/Printers.h"

#include <QList>
#include <QString>

namespace qmtest {

// Answers the print dialog from a script and prints to a PDF file. While it
// lives the machine has one printer, or none when printers is false.
class ScriptedPrintDialog : public qm::PrintDialogService {
public:
    ScriptedPrintDialog();
    ~ScriptedPrintDialog() override;

    bool printers = true; // whether any printer is installed
    bool accept = true;   // OK, else Cancel
    int fromPage = 0;     // the range and copies chosen; 0 keeps what was offered
    int toPage = 0;
    int copies = 0;
    QString pages;        // a list of pages, as typed in the dialog ("2,4"); empty: the range
    QString refusal;      // why the print system refuses the job; empty: it takes it
    QString pdfPath;      // where the "printer" writes
    QList<qm::PrintDialogRequest> offered; // what each opening offered

    bool exec(QPrinter& printer, qm::PrintDialogRequest& request, QWidget* owner) override;

private:
    class Installed : public qm::PrinterService {
    public:
        explicit Installed(const ScriptedPrintDialog& dialog) : dialog_(dialog) {}
        QList<qm::PrinterEntry> printers() override;
        QString defaultPrinter() override;
        std::unique_ptr<QPrinter> open(const QString& name) override;
        QString refusal(const QPrinter&) override { return dialog_.refusal; }

    private:
        const ScriptedPrintDialog& dialog_;
    };
    Installed installed_{*this};
};

} // namespace qmtest
