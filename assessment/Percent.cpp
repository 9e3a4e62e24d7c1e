#include "assessment/Percent.h"

#include <cmath>

namespace qm {

int RoundedPercent(int part, int whole)
{
    if (whole <= 0) return 0;
    const long long scaled = static_cast<long long>(part) * 100;
    long long quotient = scaled / whole;
    long long remainder = scaled % whole;
    if (remainder < 0) { // a negative part rounds the same way, mirrored
        remainder += whole;
        --quotient;
    }
    const long long twice = remainder * 2;
    if (twice > whole || (twice == whole && (quotient % 2 != 0))) ++quotient;
    return static_cast<int>(quotient);
}

int FloatingPercent(int part, int whole)
{
    if (whole <= 0) return 0;
    const double p = double(part) / double(whole) * 100.0;
    return static_cast<int>(std::nearbyint(p)); // the default mode rounds halves to even
}

} // namespace qm
