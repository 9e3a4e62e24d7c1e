// Building the glossary's grid, letter bar and printable copy, and printing it.
#include "Bench.h"
#include "SampleGlossary.h"
#include "reference/Glossary.h"
#include "platform/TextControl.h"
#include "platform/TextFile.h"

#include <QPrinter>

namespace {
qmbench::Register glossary("glossary of 5,000 terms: both views and the print", 300.0, [] {
    qmbench::UseGlossary("glossary", qmbench::GeneratedGlossary(5000));
    return [] {
        qm::BuildGlossaryViews();
        qm::Glossary::instance().FillViews();
    };
});

qmbench::Register large("glossary of 50,000 terms: both views", 1000.0, [] {
    qmbench::UseGlossary("glossary-large", qmbench::GeneratedGlossary(50000));
    return [] {
        qm::BuildGlossaryViews();
        qm::Glossary::instance().FillViews();
    };
});

qmbench::Register printed("glossary of 50,000 terms: printed copy", 10000.0, [] {
    qmbench::UseGlossary("glossary-printed", qmbench::GeneratedGlossary(50000));
    qm::BuildGlossaryViews();
    qm::Glossary::instance().FillViews();
    const QString pdf = qmbench::ScratchFolder() + "/glossary.pdf";
    return [pdf] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        qm::TextControl& copy = *qm::Glossary::instance().TXTextControl1;
        copy.printPages(printer, 1, copy.pageCount(), 1, QStringLiteral("Glossary Print Job"));
    };
});
// The start of a visit reads the glossary; its views wait until it is shown.
qmbench::Register atCap("glossary at its cap, start of the visit", 1000.0, [] {
    QByteArray text = qmbench::GeneratedGlossary(1);
    const QByteArray more = text.mid(text.indexOf('%'));
    text.reserve(qm::kMaxGlossaryBytes);
    while (text.size() + more.size() <= qm::kMaxGlossaryBytes) text += more;
    qmbench::UseGlossary("glossary-cap", text);
    return [] { qm::BuildGlossaryViews(); };
});
} // namespace
