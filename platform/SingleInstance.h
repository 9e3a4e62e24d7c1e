#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace qm {

// Tells whether another copy of the program runs for this user, and lets a
// second copy bring the first one's window to the front. The running copy
// holds a lock file and answers on a local socket. The lock covers the moment
// before the first copy's socket answers; a stale lock left by a crashed copy
// does not block a start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The key names the lock and the socket; tests use keys of their own.
    explicit SingleInstance(const QString& key = DefaultKey());
    ~SingleInstance() override;

    static QString DefaultKey();

    enum class Other { None, WindowFound, PreviousInstanceOnly };
    // Becomes the running copy when no other holds the lock; otherwise says
    // whether the other copy answered (it has windows) or only holds the lock.
    Other claim();

    // Asks the running copy to raise its windows (by caption when it has
    // one, else by application title). Returns whether it was reached.
    bool activateRunningCopy(Other how);

    // In the running copy: called when a second copy asks to be raised.
    std::function<void()> onActivateRequest;

private:
    QString key_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

// Raises the program's visible windows: the active one, else the first with
// the program's caption.
void RaiseProgramWindows();

} // namespace qm
