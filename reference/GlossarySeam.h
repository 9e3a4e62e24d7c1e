#pragma once

namespace qm {

// Builds the glossary's two views for the chosen course when a visit starts.
// The glossary comes with later work; until then there is nothing to build.
void BuildGlossaryViews();

} // namespace qm
