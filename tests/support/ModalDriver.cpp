#include "support/ModalDriver.h"
#include "ui/Form.h"
#include "ui/FormsCollection.h"

#include <QElapsedTimer>
#include <QTimer>

namespace qmtest {

qm::Form* LoadedForm(const QString& name)
{
    for (qm::Form* f : qm::FormsCollection::loaded())
        if (f->objectName() == name && f->isLoaded()) return f;
    return nullptr;
}

void WhenFormShown(const QString& name, std::function<void(qm::Form&)> action, int timeoutMs)
{
    WhenAnyFormShown({name}, std::move(action), timeoutMs);
}

void WhenAnyFormShown(const QStringList& names, std::function<void(qm::Form&)> action, int timeoutMs)
{
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, clock, names, action, timeoutMs] {
        qm::Form* f = nullptr;
        for (const QString& name : names) {
            f = LoadedForm(name);
            if (f && f->isVisible()) break;
        }
        const bool ready = f && f->isVisible();
        if (!ready && clock->elapsed() < timeoutMs) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (ready) action(*f);
    });
    poll->start();
}

} // namespace qmtest
