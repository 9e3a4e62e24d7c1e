#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace qm {

// The desktop's shell: hands a document or a web address to the application
// the desktop has for it ("open"), or sends a document to the current
// printer ("print"). Results keep the classic shell numbers because the
// learner's messages are chosen by them: above 32 the request was accepted,
// 0 to 32 is the reason it was not.
class ShellService {
public:
    virtual ~ShellService() = default;
    virtual int execute(QWidget* owner, const QString& verb, const QString& file, int showMode) = 0;
};

// Result numbers used on Linux.
enum ShellResult : int {
    kShellFailed = 0,
    kShellFileNotFound = 2,
    kShellPathNotFound = 3,
    kShellAccessDenied = 5,
    kShellGeneralError = 1, // any failure without a number of its own
    kShellNoAssociation = 31,
    kShellAccepted = 42,
};

// Text handed to the shell ends at its first NUL, as a C string would.
QString ShellText(const QString& text);
// "www." and "w3." addresses get "http://" in front: the desktop's opener
// needs the scheme that a Windows shell infers.
QString ShellOpenTarget(const QString& text);

ShellService& shellService();
// Replaces the service; nullptr restores the real one. The caller keeps ownership.
void setShellService(ShellService* service);

// The real shell counts an opener still running after the grace period as
// accepted. When it then ends in a failure within kShellLateFailureMs of the
// hand-off, this handler hears of it with the file or address handed over, so
// the learner is still told. A failure
// after that stays unheard: the learner has long gone on, and a message then
// would come out of nowhere (a viewer run in the foreground ends with the
// viewer, perhaps hours later).
constexpr int kShellLateFailureMs = 5000;
void setLateShellFailureHandler(std::function<void(int result, const QString& file)> handler);

// How long the real shell waits for the opener to answer before it counts a
// process that is still running (a viewer run in the foreground) as accepted.
void setShellGracePeriod(int ms);

} // namespace qm
