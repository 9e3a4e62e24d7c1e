#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace qm {
class Form;
}

namespace qmtest {

// Runs the action once on the loaded window of that name as soon as it is
// visible. It polls from the event loop, so it also acts inside the nested
// loop of a modal window. Gives up silently after the timeout.
void WhenFormShown(const QString& name, std::function<void(qm::Form&)> action, int timeoutMs = 10000);
// The same for the first of several windows to show (which one a command opens).
void WhenAnyFormShown(const QStringList& names, std::function<void(qm::Form&)> action, int timeoutMs = 10000);

// The loaded window of that name, or nullptr.
qm::Form* LoadedForm(const QString& name);

} // namespace qmtest
