#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"

namespace qm {

PictureBox* NewPictureBox(Form* form, const QString& name, const QRect& rect, QWidget* parent, int index)
{
    auto* p = new PictureBox(parent ? parent : form, name);
    return Place(form, p, name, rect, index);
}

TextLabel* NewLabel(Form* form, const QString& name, const QRect& rect, QWidget* parent, int index)
{
    auto* l = new TextLabel(parent ? parent : form, name, index);
    return Place(form, l, name, rect, index);
}

SkinButtonParts NewSkinButton(Form* form, const QString& boxName, const QString& captionName, int captionIndex,
                              const QRect& rect, QWidget* parent)
{
    SkinButtonParts parts;
    parts.box = NewPictureBox(form, boxName, rect, parent);
    if (!captionName.isEmpty()) {
        // The caption sits on the middle band of the button, as on the skins.
        const QRect band(rect.x() + 6, rect.y() + rect.height() / 2 - 9, rect.width() - 12, 18);
        parts.caption = NewLabel(form, captionName, band, parent, captionIndex);
        parts.caption->setAlignment(Qt::AlignCenter);
        parts.caption->setWordWrap(false);
        QFont f = parts.caption->font();
        f.setBold(true);
        parts.caption->setFont(f);
        parts.caption->raise();
    }
    return parts;
}

QString RunCaption() { return GetResString(503); }

} // namespace qm
