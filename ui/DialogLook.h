#pragma once
#include <QRect>
#include <QSize>
#include <QString>

namespace qm {

class Form;
class TextLabel;

// The common look of the program's dialogs: a fixed size, the program's
// caption and the dialog background skin (a title band of 36 pixels on top).
void SetupDialog(Form* form, const QSize& size);
// The title label on the dialog's title band.
TextLabel* NewHeading(Form* form, const QString& name, int index, const QRect& rect);

} // namespace qm
