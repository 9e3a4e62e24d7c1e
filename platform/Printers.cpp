#include "platform/Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>

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
    QString refusal(const QPrinter& printer) override
    {
        if (printer.outputFormat() != QPrinter::NativeFormat) return QString();
        // Qt hands the job to CUPS and keeps its answer to itself; CUPS keeps
        // the answer to the last request of this thread, which is that job.
        void* cups = ::dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
        if (!cups) return QString();
        using LastError = int (*)();
        using LastErrorString = const char* (*)();
        const auto error = reinterpret_cast<LastError>(::dlsym(cups, "cupsLastError"));
        const auto text = reinterpret_cast<LastErrorString>(::dlsym(cups, "cupsLastErrorString"));
        QString reason;
        constexpr int kFirstRefusal = 0x0400; // IPP's client and server errors
        if (error && error() >= kFirstRefusal) {
            const char* why = text ? text() : nullptr;
            reason = why && *why ? QString::fromLocal8Bit(why) : QStringLiteral("CUPS error %1").arg(error(), 4, 16, QLatin1Char('0'));
        }
        ::dlclose(cups);
        return reason;
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
