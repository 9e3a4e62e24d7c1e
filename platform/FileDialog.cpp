#include "platform/FileDialog.h"

#include <QFileDialog>

namespace qm {
namespace {

class RealFileDialog : public FileDialogService {
public:
    QString saveFileName(QWidget* owner, const QString& title, const QString& presetPath,
                         const QString& defaultSuffix) override
    {
        QFileDialog dialog(owner, title, presetPath);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(presetPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    }
};

RealFileDialog realDialog;
FileDialogService* current = &realDialog;

} // namespace

FileDialogService& fileDialogService() { return *current; }
void setFileDialogService(FileDialogService* service) { current = service ? service : &realDialog; }

} // namespace qm
