#include "platform/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

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
        // The dialog reads quoted text as a list of names, so a document named
        // with quotes would be saved under the quoted part alone: the name
        // typed, or offered, is taken whole.
        const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text() : QString();
        if (!typed.contains(QLatin1Char('"'))) return dialog.selectedFiles().first();
        QString path = QDir::isAbsolutePath(typed) ? typed : dialog.directory().filePath(typed);
        if (QFileInfo(path).suffix().isEmpty() && !defaultSuffix.isEmpty()) path += QLatin1Char('.') + defaultSuffix;
        return path;
    }
};

RealFileDialog realDialog;
FileDialogService* current = &realDialog;

} // namespace

FileDialogService& fileDialogService() { return *current; }
void setFileDialogService(FileDialogService* service) { current = service ? service : &realDialog; }

} // namespace qm
