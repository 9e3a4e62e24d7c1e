#pragma once
#include <QByteArray>

class QTemporaryFile;

namespace qmtest {

// Before the application object exists: an offscreen screen of 1024 by 768
// pixels whose desktop asks for the given scale, which the program's own
// start then turns into a font scale. config holds the screen's description
// and must outlive the application. Returns false when it cannot be written.
bool UseScaledScreen(QTemporaryFile& config, const QByteArray& scale);

} // namespace qmtest
