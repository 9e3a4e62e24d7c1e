#pragma once
#include <QString>

namespace qm {

// Module codes come from the catalogue and from learners' course files, which
// different exports write in different letter cases: a code is the same code
// in any case. Every comparison of module codes goes through these.

bool SameModuleCode(const QString& a, const QString& b);

// A hash equal for codes that are the same code, for looking many up.
size_t ModuleCodeHash(const QString& code);

} // namespace qm
