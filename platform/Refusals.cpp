#include "platform/Refusals.h"
#include "platform/MessageBox.h"

namespace qm {

void TellRefusals(const QStringList& refusals)
{
    constexpr int kListed = 10;
    if (refusals.isEmpty()) return;
    QStringList lines = refusals.mid(0, kListed);
    if (refusals.size() > kListed) lines.append(QStringLiteral("(and %1 more)").arg(refusals.size() - kListed));
    MsgBox(lines.join('\n'));
}

} // namespace qm
