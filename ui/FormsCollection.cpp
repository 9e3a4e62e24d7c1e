#include "ui/FormsCollection.h"
#include "ui/Form.h"

#include <QTimer>

namespace qm {

QList<Form*>& FormsCollection::loaded()
{
    static QList<Form*> forms;
    return forms;
}

void FormsCollection::add(Form* form)
{
    if (!loaded().contains(form)) loaded().append(form);
}

void FormsCollection::remove(Form* form) { loaded().removeAll(form); }

namespace {
std::function<void()>& lastWindowHandler()
{
    static std::function<void()> h;
    return h;
}
bool checkPending = false;
int holds = 0;
bool checkDeferred = false;
} // namespace

FormsCollection::Hold::Hold() { ++holds; }

FormsCollection::Hold::~Hold()
{
    if (--holds > 0 || !checkDeferred) return;
    checkDeferred = false;
    scheduleLastWindowCheck();
}

void FormsCollection::setLastWindowHandler(std::function<void()> handler) { lastWindowHandler() = std::move(handler); }

void FormsCollection::scheduleLastWindowCheck()
{
    if (checkPending || !lastWindowHandler()) return;
    checkPending = true;
    QTimer::singleShot(0, [] {
        checkPending = false;
        if (holds > 0) {
            checkDeferred = true;
            return;
        }
        for (const Form* f : loaded())
            if (f->isVisible()) return;
        if (lastWindowHandler()) lastWindowHandler()();
    });
}

int FormLoadedIndex(const Form* form)
{
    const QList<Form*>& forms = FormsCollection::loaded();
    for (int i = 0; i < forms.size(); ++i)
        if (forms[i] == form) return i + 1;
    return 0;
}

bool IsFormLoadedByName(const QString& name)
{
    for (const Form* f : FormsCollection::loaded())
        if (f->objectName() == name) return true;
    return false;
}

} // namespace qm
