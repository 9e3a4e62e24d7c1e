// A damaged glossary: one megabyte of random bytes holds thousands of markers,
// and every byte after a "^" would be a heading of its own.
#include "Bench.h"
#include "SampleGlossary.h"
#include "reference/Glossary.h"

#include <QRandomGenerator>

namespace {
qmbench::Register randomGlossary("glossary of 1 MB random bytes", 1000.0, [] {
    QRandomGenerator random(20240611); // the same bytes on every run
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    for (char& b : bytes) b = char(random.bounded(256));
    qmbench::UseGlossary("random-glossary", bytes);
    return [] {
        qm::BuildGlossaryViews();
        qm::Glossary::instance().FillViews();
    };
});
} // namespace
