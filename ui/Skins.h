#pragma once
#include <QPixmap>
#include <QString>

namespace qm {

// Path of a skin image: the program folder's "GUIimages" folder, the name
// matched without regard to case.
QString SkinPath(const QString& fileName);
// Loads a skin afresh from its file (no cache); a null pixmap when missing.
QPixmap LoadSkin(const QString& fileName);

} // namespace qm
