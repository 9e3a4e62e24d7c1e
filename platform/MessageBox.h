#pragma once
#include <QString>

namespace qm {

// Styles and answers keep the classic message-box numbers because the
// behaviour of every window is described in terms of them.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};

enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The one way the program asks the learner something in a box. Tests install a
// scripted double so that nothing ever waits for a person.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString& text, const QString& title, int style) = 0;
};

// The application title, used when a box gives no title of its own.
QString AppTitle();

// Shows a box and returns the answer. An empty title means the application title.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());

MessageBoxService& messageBoxService();
// Replaces the service; nullptr restores the real one. The caller keeps ownership.
void setMessageBoxService(MessageBoxService* service);

} // namespace qm
