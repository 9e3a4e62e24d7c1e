#include "reference/GlossarySeam.h"

namespace qm {
void BuildGlossaryViews() {}
} // namespace qm
