#include "platform/RegistryFile.h"
#include "platform/ContentPath.h"
#include "platform/ProgramFolder.h"

// Placeholder until the regedit-format reader lands.
namespace qm {

struct RegistryFile::Key {};

RegistryFile::RegistryFile() : root_(std::make_unique<Key>()) {}
RegistryFile::~RegistryFile() = default;
RegistryFile::RegistryFile(RegistryFile&&) noexcept = default;
RegistryFile& RegistryFile::operator=(RegistryFile&&) noexcept = default;
bool RegistryFile::loadFile(const QString&) { return false; }
bool RegistryFile::loadData(const QByteArray&) { return false; }
const QList<RegistryError>& RegistryFile::errors() const { return errors_; }
bool RegistryFile::keyExists(const QString&) const { return false; }
QStringList RegistryFile::subKeys(const QString&) const { return {}; }
std::optional<RegValue> RegistryFile::value(const QString&, const QString&) const { return std::nullopt; }
const RegistryFile::Key* RegistryFile::find(const QString&) const { return nullptr; }

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
        cached()->loadFile(ResolveContentPath(JoinPath(ProgramFolder(), QStringLiteral("Registry.reg"))));
    }
    return *cached();
}

void ReloadMachineRegistry() { cached().reset(); }

} // namespace qm
