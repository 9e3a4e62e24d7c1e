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
        // The caption covers the face's middle and leaves its bevelled edges free.
        const QRect band(rect.x() + 4, rect.y() + 4, rect.width() - 8, rect.height() - 8);
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

void NewSkinButton(Form* form, const QString& boxName, const QString& captionName, int captionIndex,
                   const QRect& rect, PictureBox*& box, TextLabel*& caption, QWidget* parent)
{
    const SkinButtonParts parts = NewSkinButton(form, boxName, captionName, captionIndex, rect, parent);
    box = parts.box;
    caption = parts.caption;
}

QString RunCaption() { return GetResString(503); }

} // namespace qm
