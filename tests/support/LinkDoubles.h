#pragma once
#include "platform/FileDialog.h"
#include "platform/Printers.h"
#include "platform/Shell.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QTemporaryDir>

namespace qmtest {

// Records every hand-off; answers with scripted results (accepted by default).
class RecordingShell : public qm::ShellService {
public:
    struct Call {
        QWidget* owner = nullptr;
        QString verb;
        QString file;
        int showMode = -1;
    };
    QList<Call> calls;
    QQueue<int> results;
    int execute(QWidget* owner, const QString& verb, const QString& file, int showMode) override;
};

// Printers that write PDF files into a temporary folder, one per document.
class PdfPrinters : public qm::PrinterService {
public:
    QList<qm::PrinterEntry> list;
    QString defaultName;
    QString failing; // a printer of this name cannot start a document
    struct Job {
        QString printer;
        QString file;
    };
    QList<Job> jobs;
    QList<qm::PrinterEntry> printers() override { return list; }
    QString defaultPrinter() override { return defaultName; }
    std::unique_ptr<QPrinter> open(const QString& name) override;
    QString refusal(const QPrinter&) override { return QString(); }

private:
    QTemporaryDir dir_;
};

// Answers the save dialog from a script; an empty answer is a cancel.
class ScriptedSaveDialog : public qm::FileDialogService {
public:
    struct Call {
        QString title;
        QString preset;
        QString suffix;
    };
    QList<Call> calls;
    QQueue<QString> answers;
    QString saveFileName(QWidget* owner, const QString& title, const QString& presetPath,
                         const QString& defaultSuffix) override;
};

// Installs the three doubles (and a short page-print wait) for one test.
class LinkServices {
public:
    LinkServices();
    ~LinkServices();
    RecordingShell shell;
    PdfPrinters printers;
    ScriptedSaveDialog saveDialog;
};

} // namespace qmtest
