#include "platform/RegistryFile.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryValueText.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <map>

namespace qm {

struct RegistryFile::Key {
    QString name; // as first written
    int line = 0; // of its first section header
    // Keyed by the upper-case name: lookups ignore case and iteration gives
    // the order in which the Windows registry enumerates subkeys.
    // The comparator is transparent, so a part of a path is looked up in place.
    std::map<QString, std::unique_ptr<Key>, std::less<>> subkeys;
    // By upper-case name; "" is the default value. A tree rather than a hash:
    // most keys hold a value or two, and an empty hash table for each of a
    // large catalogue's keys would cost far more than the file itself.
    std::map<QString, RegValue> values;
};

namespace {

const QLatin1String kHeader5("Windows Registry Editor Version 5.00");
const QLatin1String kHeader4("REGEDIT4");

QString decodeRegText(const QByteArray& data)
{
    if (data.startsWith("\xFF\xFE")) return QStringDecoder(QStringConverter::Utf16LE)(data.mid(2));
    if (data.startsWith("\xFE\xFF")) return QStringDecoder(QStringConverter::Utf16BE)(data.mid(2));
    // A UTF-16LE file that lost its BOM still starts with an ASCII letter and a zero byte.
    if (data.size() >= 2 && data[0] != '\0' && data[1] == '\0')
        return QStringDecoder(QStringConverter::Utf16LE)(data);
    return DecodeText(data);
}

bool isOtherHive(const QString& upper)
{
    static const QStringList hives = {
        QStringLiteral("HKEY_CLASSES_ROOT"),     QStringLiteral("HKCR"),
        QStringLiteral("HKEY_CURRENT_USER"),     QStringLiteral("HKCU"),
        QStringLiteral("HKEY_USERS"),            QStringLiteral("HKU"),
        QStringLiteral("HKEY_CURRENT_CONFIG"),   QStringLiteral("HKCC"),
        QStringLiteral("HKEY_DYN_DATA"),         QStringLiteral("HKEY_PERFORMANCE_DATA"),
    };
    return hives.contains(upper);
}

bool isMachineHive(const QString& upper)
{
    return upper == QLatin1String("HKEY_LOCAL_MACHINE") || upper == QLatin1String("HKLM");
}


} // namespace

RegistryFile::RegistryFile() : root_(std::make_unique<Key>()) {}
RegistryFile::~RegistryFile() = default;
RegistryFile::RegistryFile(RegistryFile&&) noexcept = default;
RegistryFile& RegistryFile::operator=(RegistryFile&&) noexcept = default;

const QList<RegistryError>& RegistryFile::errors() const { return errors_; }

bool RegistryFile::loadFile(const QString& path, ContentRead* outcome)
{
    QByteArray data;
    QString why;
    const ContentRead read = ReadContentFile(path, kMaxRegistryBytes, data, &why);
    if (outcome) *outcome = read;
    if (read != ContentRead::Done) {
        root_ = std::make_unique<Key>();
        lastKey_ = nullptr;
        errors_ = {RegistryError{0, why}};
        return false;
    }
    return loadData(data);
}

bool RegistryFile::loadData(const QByteArray& data)
{
    root_ = std::make_unique<Key>();
    lastKey_ = nullptr;
    errors_.clear();
    const QStringList lines = SplitLines(decodeRegText(data));
    auto fail = [this](int line, const QString& message) { errors_.append(RegistryError{line, message}); };

    int i = 0;
    while (i < lines.size() && lines[i].trimmed().isEmpty()) ++i;
    const QString header = i < lines.size() ? lines[i].trimmed() : QString();
    const bool ansi = header.compare(kHeader4, Qt::CaseInsensitive) == 0;
    if (!ansi && header.compare(kHeader5, Qt::CaseInsensitive) != 0) {
        fail(i < lines.size() ? i + 1 : 1,
             QStringLiteral("not a registry file: the first line must be \"%1\" or \"%2\"").arg(kHeader5, kHeader4));
        return false;
    }

    // Where the values of the current section go: nowhere yet, a machine key,
    // or nowhere on purpose (another hive, a deleted or broken section).
    enum class Section { None, Machine, Ignored } section = Section::None;
    Key* key = nullptr;

    for (++i; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;

        if (line.startsWith('[')) {
            section = Section::Ignored;
            key = nullptr;
            if (!line.endsWith(']')) {
                fail(lineNo, QStringLiteral("key line without closing \"]\""));
                continue;
            }
            QString inner = line.mid(1, line.size() - 2).trimmed();
            const bool remove = inner.startsWith('-');
            if (remove) inner = inner.mid(1);
            QStringList parts = inner.split('\\');
            const QString hive = parts.takeFirst().toUpper();
            if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast(); // "...\Key\]"
            if (isOtherHive(hive)) continue;
            if (!isMachineHive(hive)) {
                fail(lineNo, QStringLiteral("unknown root key \"%1\"").arg(hive));
                continue;
            }
            if (parts.contains(QString())) {
                fail(lineNo, QStringLiteral("empty key name in \"%1\"").arg(inner));
                continue;
            }
            if (remove) {
                removeKey(parts);
                continue;
            }
            key = makeKey(parts, lineNo);
            section = Section::Machine;
            continue;
        }

        if (line.startsWith('"') || line.startsWith('@')) {
            QString name;
            qsizetype pos = 0;
            if (line.startsWith('@')) {
                pos = 1;
            } else if (!ReadRegQuoted(line, pos, name)) {
                fail(lineNo, QStringLiteral("value name without closing quote"));
                continue;
            }
            while (pos < line.size() && line[pos].isSpace()) ++pos;
            if (pos >= line.size() || line[pos] != '=') {
                fail(lineNo, QStringLiteral("missing \"=\" after the value name"));
                continue;
            }
            QString data = line.mid(pos + 1).trimmed();
            // Long hex data goes on over lines that end in a backslash.
            if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
                while (data.endsWith('\\') && i + 1 < lines.size()) {
                    data.chop(1);
                    data += lines[++i].trimmed();
                }
            }
            if (section == Section::Ignored) continue;
            if (section == Section::None) {
                fail(lineNo, QStringLiteral("value before the first key line"));
                continue;
            }
            RegValue value;
            bool remove = false;
            QString why;
            if (!ParseRegData(data, ansi, value, remove, why)) {
                fail(lineNo, why);
                continue;
            }
            value.line = lineNo;
            if (remove) key->values.erase(name.toUpper());
            else key->values.insert_or_assign(name.toUpper(), value);
            continue;
        }

        fail(lineNo, QStringLiteral("unrecognised line"));
    }
    return true;
}

RegistryFile::Key* RegistryFile::makeKey(const QStringList& parts, int line)
{
    Key* k = root_.get();
    for (const QString& part : parts) {
        auto& slot = k->subkeys[part.toUpper()];
        if (!slot) {
            slot = std::make_unique<Key>();
            slot->name = part;
            slot->line = line;
        }
        k = slot.get();
    }
    return k;
}

void RegistryFile::removeKey(const QStringList& parts)
{
    if (parts.isEmpty()) return; // the hive itself cannot go
    Key* parent = const_cast<Key*>(find(parts.mid(0, parts.size() - 1).join('\\')));
    lastKey_ = nullptr; // it may be the key that goes
    if (parent) parent->subkeys.erase(parts.last().toUpper());
}

const RegistryFile::Key* RegistryFile::find(const QString& keyPath) const
{
    // One upper-case copy of the whole path, walked part by part without
    // copies: the catalogue looks up several keys for each of its courses.
    if (lastKey_ && keyPath == lastPath_) return lastKey_;
    const Key* k = root_.get();
    const QString upper = keyPath.toUpper();
    for (const QStringView part : QStringView(upper).split(u'\\', Qt::SkipEmptyParts)) {
        const auto it = k->subkeys.find(part);
        if (it == k->subkeys.end()) return nullptr;
        k = it->second.get();
    }
    lastPath_ = keyPath;
    lastKey_ = k;
    return k;
}

bool RegistryFile::keyExists(const QString& keyPath) const { return find(keyPath) != nullptr; }

QStringList RegistryFile::subKeys(const QString& keyPath) const
{
    QStringList names;
    if (const Key* k = find(keyPath))
        for (const auto& [upper, sub] : k->subkeys) names.append(sub->name);
    return names;
}

int RegistryFile::keyLine(const QString& keyPath) const
{
    const Key* k = find(keyPath);
    return k ? k->line : 0;
}

std::optional<RegValue> RegistryFile::value(const QString& keyPath, const QString& name) const
{
    const Key* k = find(keyPath);
    if (!k) return std::nullopt;
    const auto it = k->values.find(name.toUpper());
    if (it == k->values.end()) return std::nullopt;
    return it->second;
}

namespace {
std::unique_ptr<RegistryFile>& cached()
{
    static std::unique_ptr<RegistryFile> r;
    return r;
}
} // namespace

const RegistryFile& MachineRegistry()
{
    if (!cached()) {
        cached() = std::make_unique<RegistryFile>();
        const QString path = MachineRegistryPath();
        // A missing file is simply an empty registry; one over its cap is
        // named to the learner. Broken lines are told with the catalogue's
        // other refusals.
        if (QFile::exists(path)) {
            ContentRead outcome = ContentRead::Done;
            cached()->loadFile(path, &outcome);
            if (outcome == ContentRead::TooLarge) MsgBox(cached()->errors().value(0).message);
        }
    }
    return *cached();
}

std::unique_ptr<RegistryFile> ReloadMachineRegistry() { return std::move(cached()); }

QString MachineRegistryPath() { return ResolveContentPath(JoinPath(ProgramFolder(), QStringLiteral("Registry.reg"))); }

} // namespace qm
