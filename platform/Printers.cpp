#include "platform/Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace qm {
namespace {

class RealPrinters : public PrinterService {
public:
    QList<PrinterEntry> printers() override
    {
        QList<PrinterEntry> list;
        for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
            list.append({info.printerName(), info.location()});
        return list;
    }
    QString defaultPrinter() override { return QPrinterInfo::defaultPrinterName(); }
    std::unique_ptr<QPrinter> open(const QString& name) override
    {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        if (info.isNull()) return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
};

RealPrinters realPrinters;
PrinterService* current = &realPrinters;
QString chosen;

} // namespace

PrinterService& printerService() { return *current; }

void setPrinterService(PrinterService* service)
{
    current = service ? service : &realPrinters;
    chosen.clear();
}

QString CurrentPrinterName()
{
    if (!chosen.isEmpty()) return chosen;
    const QList<PrinterEntry> all = current->printers();
    const QString def = current->defaultPrinter();
    for (const PrinterEntry& p : all)
        if (p.name == def) return def;
    return all.isEmpty() ? QString() : all.first().name;
}

void SetCurrentPrinterName(const QString& name) { chosen = name; }

} // namespace qm
