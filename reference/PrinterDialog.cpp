#include "reference/PrinterDialog.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "reference/AnimationViewer.h"
#include "reference/PagePrinting.h"
#include "reference/ShellHandOff.h"
#include "ui/Controls.h"
#include "ui/ScaleForm.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qm {
namespace {

// A name some drivers list that is no printer a learner can use.
const QString kRenderingSubsystem = QStringLiteral("Rendering Subsystem");

} // namespace

frmPrinterDialog::frmPrinterDialog() : SingleForm<frmPrinterDialog>(QStringLiteral("frmPrinterDialog"))
{
    setFixedSize(420, 170);
    fraPrinter = Place(this, new QGroupBox(this), QStringLiteral("fraPrinter"), QRect(10, 8, 400, 110));
    lblName = Place(this, new QLabel(fraPrinter), QStringLiteral("lblName"), QRect(12, 30, 70, 24));
    cboPrinters = Place(this, new QComboBox(fraPrinter), QStringLiteral("cboPrinters"), QRect(86, 28, 300, 26));
    cboPrinters->setEditable(false);
    lblName->setBuddy(cboPrinters);
    lblWhere = Place(this, new QLabel(fraPrinter), QStringLiteral("lblWhere"), QRect(12, 66, 70, 24));
    lblPort = Place(this, new QLabel(fraPrinter), QStringLiteral("lblPort"), QRect(86, 66, 300, 24));
    cmdOK = Place(this, new QPushButton(this), QStringLiteral("cmdOK"), QRect(220, 128, 90, 30));
    cmdCancel = Place(this, new QPushButton(this), QStringLiteral("cmdCancel"), QRect(320, 128, 90, 30));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cboPrinters, &QComboBox::currentIndexChanged, this, [this] { cboPrinters_Click(); });
}

void frmPrinterDialog::Form_Load()
{
    ScaleFormToScreen(*this);
    setWindowTitle(GetResString(375));
    fraPrinter->setTitle(GetResString(377));
    lblName->setText(GetResString(376));
    lblWhere->setText(GetResString(378));
    cmdOK->setText(GetResString(379));
    cmdCancel->setText(GetResString(380));
    const QSignalBlocker quiet(cboPrinters);
    for (const PrinterEntry& p : printerService().printers())
        if (p.name != kRenderingSubsystem) cboPrinters->addItem(p.name);
}

bool frmPrinterDialog::InitPrintDlg(const QString& path, int mode)
{
    PrintDocPath = path;
    PrintMode = qint16(mode);
    const QString current = CurrentPrinterName();
    const int index = cboPrinters->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (current.isEmpty() || cboPrinters->count() == 0) {
        unload();
        MsgBox(GetResString(536));
        return false;
    }
    cboPrinters->setCurrentIndex(index < 0 ? 0 : index);
    cboPrinters_Click();
    return true;
}

void frmPrinterDialog::cboPrinters_Click()
{
    const QString name = cboPrinters->currentText();
    for (const PrinterEntry& p : printerService().printers()) {
        if (p.name == name) {
            lblPort->setText(p.location);
            return;
        }
    }
}

void frmPrinterDialog::cmdOK_Click()
{
    const int index = cboPrinters->currentIndex() < 0 ? 0 : cboPrinters->currentIndex();
    const QString name = cboPrinters->itemText(index);
    bool found = false;
    for (const PrinterEntry& p : printerService().printers())
        found = found || p.name == name;
    if (!found) return;
    SetCurrentPrinterName(name);
    const QString path = PrintDocPath;
    const int mode = PrintMode;
    unload();
    if (mode == 1) {
        ShellOpenFile(path, SW_SHOWNORMAL, QString(), QString(), QStringLiteral("print"), Form1::ifLoaded());
        return;
    }
    ShowPrintingAnimation();
    PrintScreenImage();
}

void frmPrinterDialog::cmdCancel_Click() { unload(); }

void ShowPagePrintDialog()
{
    if (PagePrintInProgress()) return;
    frmPrinterDialog& dialog = frmPrinterDialog::instance();
    if (!dialog.InitPrintDlg(QString(), 2)) return;
    dialog.showModal(Form1::ifLoaded());
}

} // namespace qm
