#pragma once
#include <QStringList>

namespace qm {

// Content the program left out, one line per refusal naming the file, the
// line and the reason, goes into one message however much there is, so that
// damaged content never buries the learner under boxes: the first ten lines,
// then how many more. Nothing is shown for an empty list.
void TellRefusals(const QStringList& refusals);

} // namespace qm
