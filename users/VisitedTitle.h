#pragma once
#include <QString>

namespace qm {

// How a topic title is kept in a visited set. Items of a course file are
// written in double quotes without escaping, so a double quote in a title is
// kept as « (as test files write it); every other character stays as it is.
// Whoever looks a title up in a visited set compares this form.
QString VisitedSetTitle(const QString& topicTitle);

} // namespace qm
