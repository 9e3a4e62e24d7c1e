#pragma once
#include <QRect>
#include <QString>

class QWidget;

namespace qm {

class Form;
class PictureBox;
class TextLabel;

// Builders for a window's controls: each is placed at its designed rectangle
// (pixels at 15 twips per pixel), named, and listed in the window's control
// order. The parent defaults to the window itself.
PictureBox* NewPictureBox(Form* form, const QString& name, const QRect& rect, QWidget* parent = nullptr, int index = -1);
TextLabel* NewLabel(Form* form, const QString& name, const QRect& rect, QWidget* parent = nullptr, int index = -1);

// A skinned button: a picture box with its caption label laid over it.
struct SkinButtonParts {
    PictureBox* box = nullptr;
    TextLabel* caption = nullptr;
};
SkinButtonParts NewSkinButton(Form* form, const QString& boxName, const QString& captionName, int captionIndex,
                              const QRect& rect, QWidget* parent = nullptr);
// The same, handing the two parts to the window's members.
void NewSkinButton(Form* form, const QString& boxName, const QString& captionName, int captionIndex,
                   const QRect& rect, PictureBox*& box, TextLabel*& caption, QWidget* parent = nullptr);

// Gives a widget its name (and index) and lists it in the window's controls.
template <class W>
W* Place(Form* form, W* w, const QString& name, const QRect& rect, int index = -1);

// The fixed caption of the program's windows.
QString RunCaption();

} // namespace qm

#include "ui/Form.h"

namespace qm {
template <class W>
W* Place(Form* form, W* w, const QString& name, const QRect& rect, int index)
{
    w->setObjectName(name);
    if (index >= 0) w->setProperty("index", index);
    w->setGeometry(rect);
    form->addControl(w);
    return w;
}
} // namespace qm
