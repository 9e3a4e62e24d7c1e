// The glossary's printable copy and its printing.
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "platform/Printers.h"
#include "platform/TextControl.h"
#include "platform/TextPrinting.h"
#include "reference/Glossary.h"
#include "reference/GlossaryFile.h"
#include "ui/Pointer.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"

#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace qm {
namespace {

constexpr quint32 kPrintLetterColor = 0xC000C0;
constexpr qreal kPrintLetterPoints = 12;

// Every heading and every definition ends with an empty line.
const QString kPartEnd = QString(2, QChar::ParagraphSeparator);

} // namespace

void Glossary::GetPrintableGlosInfo()
{
    // The grid's reading at the start of a visit has read the file already;
    // called alone, this reads it quietly (telling problems is the grid's).
    if (!partsRead_) {
        parts_.clear();
        ReadGlossary([this](const GlossaryPart& part) { parts_.append(part); }, false);
        partsRead_ = true;
    }
    // A change of course builds again: the copy starts from empty.
    auto* empty = new QTextDocument();
    empty->setDefaultFont(TXTextControl1->font());
    TXTextControl1->adoptDocument(empty);
    printPending_ = true;
}

void Glossary::FillPrintable()
{
    if (!printPending_) return;
    printPending_ = false;
    TextControl& view = *TXTextControl1;
    // Written away from the view, which would lay it out after every part.
    auto* doc = new QTextDocument();
    doc->setDefaultFont(view.font());
    doc->setUndoRedoEnabled(false);

    const QTextCharFormat plain;
    QTextCharFormat letter;
    letter.setFontWeight(QFont::Bold);
    letter.setFontPointSize(kPrintLetterPoints);
    letter.setForeground(VbColor(kPrintLetterColor));
    QTextCharFormat term;
    term.setFontWeight(QFont::Bold);

    QTextCursor c(doc);
    c.beginEditBlock();
    for (const GlossaryPart& part : parts_) {
        switch (part.kind) {
        case GlossaryPart::Letter:
            c.insertText(part.text, letter);
            c.insertText(kPartEnd, plain);
            break;
        case GlossaryPart::Term:
            c.insertText(part.text + QLatin1Char('.'), term);
            c.insertText(QStringLiteral("  "), plain);
            break;
        case GlossaryPart::Definition:
            c.insertText(part.text + kPartEnd, plain);
            break;
        }
    }
    c.endEditBlock();
    view.adoptDocument(doc);
    view.setPageWidth(12240);
    view.setPageHeight(15840);
    view.setSelection(0, 0);
    releaseParts();
}

void Glossary::PrintGlossary()
{
    if (printerService().printers().isEmpty()) {
        MsgBox(GetResString(536), vbExclamation);
        return;
    }
    if (printPending_) {
        SetScreenPointer(vbHourglass);
        FillPrintable();
        SetScreenPointer(vbDefault);
    }
    const int pages = TXTextControl1->pageCount();
    PrintDialogRequest request;
    request.copies = 1;
    request.fromPage = 1;
    request.toPage = pages;
    request.minPage = 1;
    request.maxPage = pages;
    QPrinter printer;
    if (!printDialogService().exec(printer, request, this)) {
        ForgetCountedLayout(); // cancelled: nothing is printed
        return;
    }
    // Exactly the pages asked for: a list typed in the dialog, else its range.
    QList<int> pageList;
    if (!request.pages.isEmpty()) {
        for (const QPageRanges::Range& range : request.pages.toRangeList())
            for (int p = range.from; p <= qMin(range.to, pages); ++p) pageList.append(p);
    } else {
        for (int p = request.fromPage; p <= qMin(request.toPage, pages); ++p) pageList.append(p);
    }
    const PrintPageSetup setup{TXTextControl1->pageWidth(), TXTextControl1->pageHeight()};
    if (!PrintPageList(*TXTextControl1->document(), setup, printer, pageList, request.copies,
                       QStringLiteral("Glossary Print Job"))) {
        MsgBox(GetResString(650), vbExclamation);
        return;
    }
    const QString refused = printerService().refusal(printer);
    if (!refused.isEmpty()) MsgBox(GetResString(650) + QStringLiteral("\n\n") + refused, vbExclamation);
}

} // namespace qm
