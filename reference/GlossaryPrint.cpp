// The glossary's printable copy and its printing.
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "platform/TextControl.h"
#include "reference/Glossary.h"
#include "reference/GlossaryFile.h"
#include "ui/UiText.h"

#include <QPrinter>

namespace qm {
namespace {

constexpr quint32 kPrintLetterColor = 0xC000C0;
constexpr qreal kPrintLetterPoints = 12;
const QString kPartEnd = QStringLiteral("\n\r\n\r"); // an empty line after the part

// Appends text at the end of the document and selects its first
// `formatted` characters for the caller to format.
void appendPart(TextControl& doc, const QString& text, int formatted)
{
    const int end = doc.textLength();
    doc.setSelection(end, 0);
    doc.replaceSelection(text);
    doc.setSelection(end, formatted);
}

} // namespace

void Glossary::GetPrintableGlosInfo()
{
    TextControl& doc = *TXTextControl1;
    // A change of course builds again: the copy starts from empty.
    doc.clearDocument();
    doc.setPageWidth(12240);
    doc.setPageHeight(15840);
    ReadGlossary([&doc](const GlossaryPart& part) {
        switch (part.kind) {
        case GlossaryPart::Letter:
            appendPart(doc, part.text + kPartEnd, int(part.text.size()));
            doc.setSelectionBold(true);
            doc.setSelectionFontSize(kPrintLetterPoints);
            doc.setSelectionColor(kPrintLetterColor);
            break;
        case GlossaryPart::Term:
            appendPart(doc, part.text + QStringLiteral(".  "), int(part.text.size()) + 1);
            doc.setSelectionBold(true);
            break;
        case GlossaryPart::Definition: appendPart(doc, part.text + kPartEnd, 0); break;
        }
    });
    doc.setSelection(0, 0);
}

void Glossary::PrintGlossary()
{
    PrintDialogService& dialog = printDialogService();
    if (!dialog.hasPrinters()) {
        MsgBox(GetResString(536), vbExclamation);
        return;
    }
    const int pages = TXTextControl1->pageCount();
    PrintDialogRequest request;
    request.copies = 1;
    request.fromPage = 1;
    request.toPage = pages;
    request.minPage = 1;
    request.maxPage = pages;
    QPrinter printer;
    if (!dialog.exec(printer, request, this)) return; // cancelled: nothing is printed
    if (!TXTextControl1->printPages(printer, request.fromPage, request.toPage, request.copies,
                                    QStringLiteral("Glossary Print Job")))
        MsgBox(GetResString(650), vbExclamation);
}

} // namespace qm
