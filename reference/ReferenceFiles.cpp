#include "reference/ReferenceFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {

// Whether the text path of these bytes names the same file.
bool isTextName(const QByteArray& bytes) { return QFile::encodeName(QFile::decodeName(bytes)) == bytes; }

bool isPlainName(const QByteArray& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\0');
}

// A copy of the file at source (a path by bytes) at target.
bool copyByBytes(const QByteArray& source, const QString& target)
{
    const int fd = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (;;) {
        const QByteArray block = in.read(64 * 1024);
        if (block.isEmpty()) return in.error() == QFileDevice::NoError && out.flush();
        if (out.write(block) != block.size()) return false;
    }
}

// Stand-ins, named as shown, for documents whose names are not text. A hard
// link is the file itself; where none can be made (another disk), a copy is
// made, and a symbolic link only when neither can: the desktop's openers
// follow a symbolic link to the name they cannot read and give up.
class NameLinks {
public:
    QString to(const QByteArray& target)
    {
        if (!dir_) dir_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("quillmark-documents-XXXXXX")));
        if (!dir_->isValid()) return QString();
        auto known = folders_.constFind(target);
        if (known == folders_.cend()) known = folders_.insert(target, int(folders_.size()));
        // Each document has a folder of its own, so that two names that show
        // alike keep their own files; the stand-in is made afresh each time,
        // so that it is never older than the document.
        const QString folder = dir_->filePath(QString::number(*known));
        const QString name = QFile::decodeName(target.mid(target.lastIndexOf('/') + 1));
        const QString link = folder + QLatin1Char('/') + name;
        const QByteArray linkBytes = QFile::encodeName(link);
        if (!QDir().mkpath(folder)) return QString();
        ::unlink(linkBytes.constData());
        if (::link(target.constData(), linkBytes.constData()) == 0 || copyByBytes(target, link)
            || ::symlink(target.constData(), linkBytes.constData()) == 0)
            return link;
        return QString();
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QHash<QByteArray, int> folders_;
};

NameLinks& nameLinks()
{
    static NameLinks links;
    return links;
}

} // namespace

QList<ReferenceDocument> ReferenceDocuments(const QString& folder)
{
    QList<ReferenceDocument> documents;
    if (folder.isEmpty()) return documents;
    const QByteArray where = QFile::encodeName(folder);
    DIR* dir = ::opendir(where.constData());
    if (!dir) return documents;
    // Read by bytes: a listing by text would lose a name that is not UTF-8.
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        // Hidden files are left out as a Windows listing leaves them out. One
        // the learner may not read is listed all the same, and opening it says so.
        if (name.startsWith('.')) continue;
        struct stat info {};
        if (::stat((where + '/' + name).constData(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        documents.append({QFile::decodeName(name), name});
    }
    ::closedir(dir);
    std::sort(documents.begin(), documents.end(), [](const ReferenceDocument& a, const ReferenceDocument& b) {
        const int byText = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return byText != 0 ? byText < 0 : a.bytes < b.bytes;
    });
    return documents;
}

QString ListedDocumentPath(const QString& folder, const QByteArray& name)
{
    // The name came from the folder's own listing, so it is no content text:
    // any byte a file name may hold is taken as it is, but it never leads out
    // of the folder.
    if (folder.isEmpty() || !isPlainName(name)) return QString();
    if (isTextName(name)) return folder + QLatin1Char('/') + QFile::decodeName(name);
    return nameLinks().to(QFile::encodeName(QDir(folder).absolutePath()) + '/' + name);
}

bool HoldsDocument(const QString& folder, const QByteArray& name)
{
    struct stat info {};
    return !folder.isEmpty() && isPlainName(name)
           && ::stat((QFile::encodeName(folder) + '/' + name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace qm
