// Building the glossary's grid, letter bar and printable copy.
#include "Bench.h"
#include "SampleGlossary.h"
#include "reference/Glossary.h"

namespace {
qmbench::Register glossary("glossary of 5,000 terms: both views and the print", 300.0, [] {
    QByteArray text = "Generated glossary\r\n";
    for (int i = 0; i < 5000; ++i) {
        if (i % 200 == 0) text += "^" + QByteArray(1, char('A' + i / 200)) + "\r\n";
        text += "%Term number " + QByteArray::number(i) + "~The definition of term " + QByteArray::number(i)
              + ", long enough to need a second line in the grid's definition column, as many real\r\n"
                " definitions do, with a few more words at the end.\r\n";
    }
    qmbench::UseGlossary("glossary", text);
    return [] { qm::BuildGlossaryViews(); };
});
} // namespace
