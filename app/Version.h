#pragma once

namespace qm {

// The player's version as major.minor.revision, set once by the build.
inline constexpr const char kProgramVersion[] = QM_PROGRAM_VERSION;

} // namespace qm
