#pragma once
#include "ui/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qm {

// The printer dialog: the learner picks the printer before a document
// (mode 1, printed by its own application through the shell) or the current
// page (mode 2, printed as a picture of the main window) is printed. The
// choice stays the program's current printer for the rest of the run.
class frmPrinterDialog : public SingleForm<frmPrinterDialog> {
    Q_OBJECT
public:
    frmPrinterDialog();

    // Prepares the dialog; false (after telling the learner, and with the
    // dialog gone) when no printer is installed. The caller shows the dialog
    // modal only after true.
    bool InitPrintDlg(const QString& path, int mode);

    void cmdOK_Click();
    void cmdCancel_Click();

    QString PrintDocPath;
    qint16 PrintMode = 2;

    QGroupBox* fraPrinter = nullptr;
    QLabel* lblName = nullptr;
    QComboBox* cboPrinters = nullptr; // not editable: only an installed printer can be chosen
    QLabel* lblWhere = nullptr;
    QLabel* lblPort = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void Form_Load() override;

private:
    void cboPrinters_Click();
};

// "Print page" of the toolbar and its shortcut: the printer dialog for the
// current page, shown modal over the main window. Returns once it is closed
// (and the page printed, after OK).
void ShowPagePrintDialog();

} // namespace qm
