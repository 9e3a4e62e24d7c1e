#pragma once
#include <QRect>
#include <QSize>
#include <QString>

namespace qm {

class Form;
class TextLabel;

// The common look of the program's dialogs: a fixed size, the program's
// caption and a pale background.
void SetupDialog(Form* form, const QSize& size);
// A heading label in the dialogs' heading font.
TextLabel* NewHeading(Form* form, const QString& name, int index, const QRect& rect);

} // namespace qm
