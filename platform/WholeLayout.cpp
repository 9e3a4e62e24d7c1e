#include "platform/WholeLayout.h"

#include <QAbstractEventDispatcher>
#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QTextDocument>
#include <QTimerEvent>

namespace qm {
namespace {
// Enough ticks to reach the largest step on any page the reader accepts;
// whatever is left is finished by documentSize() below.
constexpr int kMaxTicks = 64;
} // namespace

qreal LayOutWhole(QTextDocument& doc)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(layout->thread());
    for (int tick = 0; dispatcher && tick < kMaxTicks; ++tick) {
        const QList<QAbstractEventDispatcher::TimerInfo> timers = dispatcher->registeredTimers(layout);
        if (timers.isEmpty()) break; // laid out, and its size reported
        for (const QAbstractEventDispatcher::TimerInfo& timer : timers) {
            QTimerEvent tickEvent(timer.timerId);
            QCoreApplication::sendEvent(layout, &tickEvent);
        }
    }
    return layout->documentSize().height();
}

} // namespace qm
