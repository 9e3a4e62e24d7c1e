#include "ui/UiText.h"
#include "platform/StringTable.h"

namespace qm {

QString GetResString(int id)
{
    const QString* text = AppStringTable().find(id);
    if (!text) {
        qWarning("string-table id %d is missing", id);
        return QString();
    }
    return *text;
}

bool HasResString(int id) { return AppStringTable().find(id) != nullptr; }

} // namespace qm
