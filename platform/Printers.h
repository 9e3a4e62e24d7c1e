#pragma once
#include <QList>
#include <QString>
#include <memory>

class QPrinter;

namespace qm {

struct PrinterEntry {
    QString name;
    QString location; // shown where a Windows printer shows its port
};

// The machine's printers. The real service asks CUPS through Qt; tests
// install a double whose printers write PDF files.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    virtual QList<PrinterEntry> printers() = 0;
    // The desktop's default printer; empty when it has none.
    virtual QString defaultPrinter() = 0;
    // A printer ready for one document on the named printer; nullptr when
    // there is no such printer.
    virtual std::unique_ptr<QPrinter> open(const QString& name) = 0;
    // Why the print system refused the job just ended on printer; empty when
    // it took the job, or when the printer writes a file.
    virtual QString refusal(const QPrinter& printer) = 0;
};

PrinterService& printerService();
// Replaces the service; nullptr restores the real one. The caller keeps
// ownership. Installing a service forgets the current printer.
void setPrinterService(PrinterService* service);

// The program's current printer for this run: the one chosen last in the
// printer dialog, else the default printer, else the first printer; empty
// when there is no printer at all. The desktop's default is never changed.
QString CurrentPrinterName();
void SetCurrentPrinterName(const QString& name);

} // namespace qm
