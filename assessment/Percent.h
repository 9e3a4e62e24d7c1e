#pragma once

namespace qm {

// part / whole x 100 as a whole percentage, halves rounded to the even number
// (12.5 gives 12, 37.5 gives 38). Computed on integers so that no halfway case
// is lost to floating point. A whole of 0 or less gives 0.
int RoundedPercent(int part, int whole);

} // namespace qm
