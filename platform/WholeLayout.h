#pragma once
#include <QtGlobal>

class QTextDocument;

namespace qm {

// Lays the whole document out now (for printing, counting pages or sizing)
// and returns its height in pixels.
//
// Qt lays a long document out lazily, in steps that double on each tick of
// the layout's timer. Asking for the size at once finishes the work in the
// first, smallest step size, and every step walks all of the document's
// tables again, so a long page with many tables costs more than it should.
// Ticking the layout's own timer here lets the steps grow as the event loop
// would, without waiting for it.
qreal LayOutWhole(QTextDocument& doc);

} // namespace qm
