#include "ui/DialogLook.h"
#include "ui/Controls.h"
#include "ui/Form.h"
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
}

TextLabel* NewHeading(Form* form, const QString& name, int index, const QRect& rect)
{
    TextLabel* l = NewLabel(form, name, rect, nullptr, index);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 5);
    f.setBold(true);
    l->setFont(f);
    l->setForeColor(0x663333);
    return l;
}

} // namespace qm
