// Building the glossary's grid, letter bar and printable copy, and printing it.
#include "Bench.h"
#include "SampleGlossary.h"
#include "reference/Glossary.h"
#include "platform/TextControl.h"

#include <QPrinter>

namespace {
qmbench::Register glossary("glossary of 5,000 terms: both views and the print", 300.0, [] {
    qmbench::UseGlossary("glossary", qmbench::GeneratedGlossary(5000));
    return [] { qm::BuildGlossaryViews(); };
});

qmbench::Register large("glossary of 50,000 terms: both views", 1000.0, [] {
    qmbench::UseGlossary("glossary-large", qmbench::GeneratedGlossary(50000));
    return [] { qm::BuildGlossaryViews(); };
});

qmbench::Register printed("glossary of 50,000 terms: printed copy", 10000.0, [] {
    qmbench::UseGlossary("glossary-printed", qmbench::GeneratedGlossary(50000));
    qm::BuildGlossaryViews();
    const QString pdf = qmbench::ScratchFolder() + "/glossary.pdf";
    return [pdf] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        qm::TextControl& copy = *qm::Glossary::instance().TXTextControl1;
        copy.printPages(printer, 1, copy.pageCount(), 1, QStringLiteral("Glossary Print Job"));
    };
});
} // namespace
