#pragma once
#include "platform/TextFile.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace qm {

// The machine-wide registry, read from a text file in the regedit export
// format ("Windows Registry Editor Version 5.00" or "REGEDIT4"; UTF-8, or
// UTF-16LE with BOM). Only the HKEY_LOCAL_MACHINE hive is kept; key paths are
// given below it with "\" separators ("SOFTWARE\Classes\..."). Key and value
// names match without regard to case; subkeys enumerate in case-insensitive
// alphabetical order. "[-HKEY_LOCAL_MACHINE\...]" deletes a key and "Name"=-
// a value, as regedit does; the other hives are skipped.
enum class RegType { String, ExpandString, MultiString, Binary, Dword, Qword, Other };

struct RegValue {
    RegType type = RegType::String;
    QString text;     // String / ExpandString / MultiString (joined with NUL)
    QByteArray bytes; // the stored data: hex bytes as written, dword little endian,
                      // "text" values as UTF-16LE with their terminating NUL
    quint64 number = 0; // Dword / Qword
    int line = 0;       // where the file set it, for messages about it
};

struct RegistryError {
    int line = 0;
    QString message;
};

class RegistryFile {
public:
    RegistryFile();
    ~RegistryFile();
    RegistryFile(RegistryFile&&) noexcept;
    RegistryFile& operator=(RegistryFile&&) noexcept;

    // Parses the file (see above for the form). A malformed file is read as far as it is sound; every
    // problem is listed with its line number. Returns false when the file
    // cannot be read at all (missing, unreadable, over kMaxRegistryBytes; the
    // outcome tells which) or has no valid header.
    bool loadFile(const QString& path, ContentRead* outcome = nullptr);
    bool loadData(const QByteArray& data);
    const QList<RegistryError>& errors() const;

    bool keyExists(const QString& keyPath) const;
    QStringList subKeys(const QString& keyPath) const;
    // An empty name reads the key's default value ("@").
    std::optional<RegValue> value(const QString& keyPath, const QString& name) const;
    // The line of the first section header that named the key (its own or
    // a subkey's); 0 for a missing key.
    int keyLine(const QString& keyPath) const;

private:
    struct Key;
    const Key* find(const QString& keyPath) const;
    Key* makeKey(const QStringList& parts, int line); // creates the parents too
    void removeKey(const QStringList& parts);
    std::unique_ptr<Key> root_;
    QList<RegistryError> errors_;
    // The key found last: a key is opened and then read value by value.
    mutable QString lastPath_;
    mutable const Key* lastKey_ = nullptr;
};

// HKEY_LOCAL_MACHINE: "Registry.reg" in the program folder, read when first
// asked for. A missing or unreadable file is an empty registry; a file over
// its cap is one too, and a message names it.
const RegistryFile& MachineRegistry();
// Drops the cached machine registry so the next call reads the file again;
// the dropped one is handed back.
std::unique_ptr<RegistryFile> ReloadMachineRegistry();
// The file MachineRegistry() reads, as it is named on disk.
QString MachineRegistryPath();

} // namespace qm
