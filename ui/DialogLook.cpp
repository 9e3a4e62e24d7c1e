#include "ui/DialogLook.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/WindowBackdrop.h"

namespace qm {

void SetupDialog(Form* form, const QSize& size)
{
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor(0xEE, 0xF0, 0xFA));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    // The backdrop lets the mouse through, so moves over it reach the window.
    // Its title band keeps its height in a short dialog, where the heading
    // at large fonts needs all of it.
    NewBackdrop(form, QStringLiteral("DialogBackground"), size, true);
}

TextLabel* NewHeading(Form* form, const QString& name, int index, const QRect& rect)
{
    // Two pixels more above the given line: the band has room for the
    // heading's larger font, which would otherwise be cut.
    TextLabel* l = NewLabel(form, name, rect.adjusted(0, -2, 0, 0), nullptr, index);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    l->setFont(f);
    l->setForeColor(0xFFFFFF);
    l->setWordWrap(false);
    return l;
}

} // namespace qm
