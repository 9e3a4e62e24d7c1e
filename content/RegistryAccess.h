#pragma once
#include <QString>
#include <QStringList>

namespace qm {

struct RegValue;

// An open key of the machine-wide registry (HKEY_LOCAL_MACHINE), read only.
struct MachineKey {
    QString path;
    bool open = false;
    // The subkey names, taken when the first subkey is asked for: an
    // enumeration walks one list instead of building it again per index.
    QStringList subKeys;
    bool subKeysTaken = false;
};

// Opens HKEY_LOCAL_MACHINE\<keyPath> for reading; false when the key is missing.
bool OpenMachineKey(const QString& keyPath, MachineKey& key);
void CloseMachineKey(MachineKey& key);

// The name of the subkey at index, in the registry's enumeration order; false
// when there are no more items (or the key is not open). The key keeps the
// list from its first call until it is opened or closed again.
bool EnumMachineSubKey(MachineKey& key, int index, QString& name);

// One value as text: REG_SZ up to its first NUL; REG_BINARY the signed 16-bit
// little-endian decimal of its first two bytes (one byte alone gives that byte);
// any other type, a missing value or a key that is not open gives "".
// An empty name reads the key's default value.
QString QueryValueString(const MachineKey& key, const QString& valueName);
// The same rule for a value already found.
QString RegValueString(const RegValue& value);

// Opens keyPath, reads one value through QueryValueString and closes the key
// again; "" when the key does not open.
QString ReadMachineValue(MachineKey& key, const QString& keyPath, const QString& valueName);

} // namespace qm
