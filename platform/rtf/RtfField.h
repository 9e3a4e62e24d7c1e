#pragma once
#include <QString>
#include <optional>

namespace qm::rtf {

struct FieldLink {
    int kind = 1;      // 1 target, 2 text mark
    QString target;    // "file#mark" when a field names both
    QString toolTip;
};

// Reads a field instruction such as  HYPERLINK "0003.txm"  or
// HYPERLINK \l "mark"  or  HYPERLINK "page.txm" \l "mark" \o "tip".
// Returns nothing for other fields (their result is shown as plain text).
std::optional<FieldLink> ParseHyperlinkInstruction(const QString& instruction);

} // namespace qm::rtf
