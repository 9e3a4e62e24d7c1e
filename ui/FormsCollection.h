#pragma once
#include <QList>
#include <QString>
#include <functional>

namespace qm {

class Form;

// The collection of loaded windows, in the order they were loaded.
class FormsCollection {
public:
    static QList<Form*>& loaded();
    static void add(Form* form);
    static void remove(Form* form);

    // Runs the handler once no loaded window is visible any more (checked
    // after the current event, so a window replacing another keeps the
    // program alive). The program quits there.
    static void setLastWindowHandler(std::function<void()> handler);
    static void scheduleLastWindowCheck();

    // While a hold lives, a check finds the program still starting (a
    // message may be up while no window is shown yet) and waits; the last
    // hold to go checks again.
    class Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    };
};

// 1-based position of the very window object among the loaded windows; 0 when
// it is not loaded.
int FormLoadedIndex(const Form* form);
// True when a loaded window has exactly this name (case counts).
bool IsFormLoadedByName(const QString& name);

} // namespace qm
