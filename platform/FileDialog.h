#pragma once
#include <QString>

class QWidget;

namespace qm {

// The save dialog. The real one is the desktop's file dialog; tests install
// a double that answers from a script.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Returns the chosen path, empty when the learner cancelled. The dialog
    // itself never asks about overwriting: the caller does.
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& presetPath,
                                 const QString& defaultSuffix) = 0;
};

FileDialogService& fileDialogService();
void setFileDialogService(FileDialogService* service);

} // namespace qm
