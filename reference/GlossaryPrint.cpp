// The glossary's printable copy and its printing.
#include "platform/MessageBox.h"
#include "platform/PrintDialog.h"
#include "platform/Printers.h"
#include "platform/TextControl.h"
#include "platform/TextPrinting.h"
#include "reference/Glossary.h"
#include "reference/GlossaryFile.h"
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
    TextControl& view = *TXTextControl1;
    // A change of course builds again: the copy starts from empty. It is
    // written away from the view, which would lay it out after every part.
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
    ReadGlossary([&](const GlossaryPart& part) {
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
    }, false); // a refused file was told when the view was built
    c.endEditBlock();
    view.adoptDocument(doc);
    view.setPageWidth(12240);
    view.setPageHeight(15840);
    view.setSelection(0, 0);
}

void Glossary::PrintGlossary()
{
    if (printerService().printers().isEmpty()) {
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
    if (!printDialogService().exec(printer, request, this)) {
        ForgetCountedLayout(); // cancelled: nothing is printed
        return;
    }
    if (!TXTextControl1->printPages(printer, request.fromPage, request.toPage, request.copies,
                                    QStringLiteral("Glossary Print Job")))
        MsgBox(GetResString(650), vbExclamation);
}

} // namespace qm
