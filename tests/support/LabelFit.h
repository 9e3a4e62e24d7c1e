#pragma once
#include <QStringList>

class QWidget;

namespace qmtest {

// The visible labels of a window whose text is cut by the label's edges or
// drawn over another label's text or a field, each as "name: text". A caption
// on its button face is judged against the face alone.
QStringList UnreadableLabels(QWidget& window);

} // namespace qmtest
