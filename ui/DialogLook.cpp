#include "ui/DialogLook.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"

namespace qm {

void SetupDialog(Form* form, const QSize& size)
{
    form->setFixedSize(size);
    form->setWindowTitle(RunCaption());
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor(0xEE, 0xF0, 0xFA));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    // The backdrop lets the mouse through, so moves over it reach the window.
    PictureBox* back = NewPictureBox(form, QStringLiteral("DialogBackground"), QRect(QPoint(0, 0), size));
    back->setSkin(QStringLiteral("DialogBackground.jpg"));
    back->setAttribute(Qt::WA_TransparentForMouseEvents);
    back->setFocusPolicy(Qt::NoFocus);
    back->setProperty("noExtent", false);
    back->lower();
}

TextLabel* NewHeading(Form* form, const QString& name, int index, const QRect& rect)
{
    TextLabel* l = NewLabel(form, name, rect, nullptr, index);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    l->setFont(f);
    l->setForeColor(0xFFFFFF);
    l->setWordWrap(false);
    return l;
}

} // namespace qm
