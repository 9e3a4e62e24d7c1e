#pragma once
#include <QPageRanges>

class QPrinter;
class QWidget;

namespace qm {

// What a print dialog offers and what the learner chose in it.
struct PrintDialogRequest {
    int copies = 1;
    int fromPage = 1;
    int toPage = 1;
    int minPage = 1;
    int maxPage = 1;
    // The pages listed in the dialog (such as 2,4); empty when the learner
    // chose all pages or a plain range, fromPage to toPage.
    QPageRanges pages;
    bool allowSelection = false;   // offer "print the selection"
    bool allowPrintToFile = false; // offer "print to file"
};

// The printer dialog of a document, with the printer, page range and copies.
// Tests install a scripted double that chooses without a person. Whether any
// printer is installed is the printer service's to say (platform/Printers.h).
class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // Shows the dialog over owner. On OK sets printer to the chosen printer,
    // fills fromPage, toPage, pages and copies and returns true; false on
    // Cancel. The pages are left to the caller to choose: the print system
    // is not asked to pick them again from what the caller prints.
    virtual bool exec(QPrinter& printer, PrintDialogRequest& request, QWidget* owner) = 0;
};

PrintDialogService& printDialogService();
// Replaces the service; nullptr restores the real one. The caller keeps ownership.
void setPrintDialogService(PrintDialogService* service);

} // namespace qm
