#pragma once
#include <QSize>
#include <QString>

namespace qm {

class Form;
class PictureBox;

// The dialog background skin laid under a window of any size: its 36-pixel
// title band (and the accent line below it) keeps its height and stretches
// across, the panel fills the rest. With passMouse the backdrop lets mouse
// moves through to the window's own handler; otherwise it reports them itself
// (a window whose background is a named control). The window gets the
// program's caption and a fixed size.
PictureBox* NewBackdrop(Form* form, const QString& name, const QSize& size, bool passMouse);

} // namespace qm
