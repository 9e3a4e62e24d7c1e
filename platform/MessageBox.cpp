#include "platform/MessageBox.h"
#include "ui/TakeKeys.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace qm {
namespace {

class RealMessageBox : public MessageBoxService {
public:
    int show(const QString& text, const QString& title, int style) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setText(text);
        box.setWindowTitle(title);
        const int icon = style & 0x70;
        if (icon == vbCritical) box.setIcon(QMessageBox::Critical);
        else if (icon == vbQuestion) box.setIcon(QMessageBox::Question);
        else if (icon == vbExclamation) box.setIcon(QMessageBox::Warning);
        else if (icon == vbInformation) box.setIcon(QMessageBox::Information);
        const int buttons = style & 0x7;
        const bool second = (style & vbDefaultButton2) != 0;
        if (buttons == vbYesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(second ? QMessageBox::No : QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
        } else if (buttons == vbOKCancel) {
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(second ? QMessageBox::Cancel : QMessageBox::Ok);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return vbYes;
        case QMessageBox::No: return vbNo;
        case QMessageBox::Cancel: return vbCancel;
        default: return buttons == vbYesNo ? vbNo : vbOK;
        }
    }
};

RealMessageBox realBox;
MessageBoxService* current = &realBox;

} // namespace

QString AppTitle() { return QStringLiteral("Veltrane_Quillmark_1.0"); }

int MsgBox(const QString& text, int style, const QString& title)
{
    // The window that had the keys takes them back once the box is gone, also
    // where no window manager hands them back. A box right after another finds
    // no window active yet (the hand-back is still on its way): the keys go
    // back to where the first box took them from.
    static QPointer<QWidget> handedBack;
    QPointer<QWidget> had = QApplication::activeWindow();
    if (!had) had = handedBack;
    const int answer = current->show(text, title.isEmpty() ? AppTitle() : title, style);
    TakeKeys(had);
    handedBack = had;
    return answer;
}

MessageBoxService& messageBoxService() { return *current; }

void setMessageBoxService(MessageBoxService* service) { current = service ? service : &realBox; }

} // namespace qm
