#include "support/LinkDoubles.h"
#include "reference/PagePrinting.h"

#include <QPrinter>

namespace qmtest {

int RecordingShell::execute(QWidget* owner, const QString& verb, const QString& file, int showMode)
{
    calls.append({owner, verb, file, showMode});
    return results.isEmpty() ? qm::kShellAccepted : results.dequeue();
}

std::unique_ptr<QPrinter> PdfPrinters::open(const QString& name)
{
    bool known = false;
    for (const qm::PrinterEntry& p : list) known = known || p.name == name;
    if (!known) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    const QString file = name == failing ? QStringLiteral("/nonexistent-folder/out.pdf") : dir_.filePath(QStringLiteral("%1-%2.pdf").arg(name).arg(jobs.size() + 1));
    printer->setOutputFileName(file);
    jobs.append({name, file});
    return printer;
}

QString ScriptedSaveDialog::saveFileName(QWidget*, const QString& title, const QString& presetPath,
                                         const QString& defaultSuffix)
{
    calls.append({title, presetPath, defaultSuffix});
    return answers.isEmpty() ? QString() : answers.dequeue();
}

LinkServices::LinkServices()
{
    qm::setShellService(&shell);
    qm::setPrinterService(&printers);
    qm::setFileDialogService(&saveDialog);
    qm::SetPagePrintWait(50);
}

LinkServices::~LinkServices()
{
    qm::setShellService(nullptr);
    qm::setPrinterService(nullptr);
    qm::setFileDialogService(nullptr);
    qm::SetPagePrintWait(2000);
}

} // namespace qmtest
