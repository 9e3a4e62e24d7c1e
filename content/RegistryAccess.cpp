#include "content/RegistryAccess.h"
#include "platform/RegistryFile.h"

namespace qm {

bool OpenMachineKey(const QString& keyPath, MachineKey& key)
{
    key = MachineKey();
    key.path = keyPath;
    key.open = MachineRegistry().keyExists(keyPath);
    return key.open;
}

void CloseMachineKey(MachineKey& key)
{
    key.open = false;
    key.subKeys.clear();
    key.subKeysTaken = false;
}

bool EnumMachineSubKey(MachineKey& key, int index, QString& name)
{
    if (!key.open || index < 0) return false;
    if (!key.subKeysTaken) {
        key.subKeys = MachineRegistry().subKeys(key.path);
        key.subKeysTaken = true;
    }
    if (index >= key.subKeys.size()) return false;
    name = key.subKeys[index];
    return true;
}

QString QueryValueString(const MachineKey& key, const QString& valueName)
{
    if (!key.open) return QString();
    const std::optional<RegValue> v = MachineRegistry().value(key.path, valueName);
    return v ? RegValueString(*v) : QString();
}

QString RegValueString(const RegValue& v)
{
    switch (v.type) {
    case RegType::String: {
        const qsizetype nul = v.text.indexOf(QChar(0));
        return nul < 0 ? v.text : v.text.left(nul);
    }
    case RegType::Binary:
        if (v.bytes.size() >= 2) {
            // Only the first two bytes are meant, whatever follows them.
            const auto n = qint16(quint16(quint8(v.bytes[0])) | quint16(quint8(v.bytes[1])) << 8);
            return QString::number(n);
        }
        if (v.bytes.size() == 1) return QString::number(quint8(v.bytes[0]));
        return QString();
    default:
        return QString();
    }
}

QString ReadMachineValue(MachineKey& key, const QString& keyPath, const QString& valueName)
{
    if (!OpenMachineKey(keyPath, key)) return QString();
    const QString text = QueryValueString(key, valueName);
    CloseMachineKey(key);
    return text;
}

} // namespace qm
