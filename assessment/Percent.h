#pragma once

namespace qm {

// part / whole x 100 as a whole percentage, halves rounded to the even number
// (12.5 gives 12, 37.5 gives 38). Computed on integers so that no halfway case
// is lost to floating point. A whole of 0 or less gives 0.
int RoundedPercent(int part, int whole);

// part / whole x 100 in floating point, divided first, then rounded with
// halves to the even number: the course's overall figure. The quotient's
// binary rounding decides near halves (23 of 40 gives 57, 3 of 8 gives 38).
// A whole of 0 or less gives 0.
int FloatingPercent(int part, int whole);

} // namespace qm
