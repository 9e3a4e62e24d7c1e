#include "platform/StringTable.h"
#include "platform/TextFile.h"

#include <QFile>
#include <algorithm>

// The resource lives in the static core library, whose registration object
// the linker drops unless something refers to it.
static void initStringTableResource() { Q_INIT_RESOURCE(resources); }

namespace qm {

bool StringTable::parse(const QString& text, QString* error)
{
    entries_.clear();
    const QStringList lines = SplitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        const qsizetype space = trimmed.indexOf(' ');
        bool ok = false;
        const int id = space > 0 ? trimmed.left(space).toInt(&ok) : 0;
        const QString rest = space > 0 ? trimmed.mid(space + 1).trimmed() : QString();
        if (!ok || rest.size() < 2 || !rest.startsWith('"') || !rest.endsWith('"')) {
            if (error) *error = QStringLiteral("line %1: expected <id> \"<text>\"").arg(i + 1);
            return false;
        }
        QString value;
        const QString body = rest.mid(1, rest.size() - 2);
        for (qsizetype k = 0; k < body.size(); ++k) {
            QChar c = body[k];
            if (c == '\\' && k + 1 < body.size()) {
                const QChar e = body[++k];
                if (e == 'n') c = '\n';
                else if (e == 't') c = '\t';
                else c = e;
            }
            value.append(c);
        }
        entries_.insert(id, value);
    }
    return true;
}

const QString* StringTable::find(int id) const
{
    auto it = entries_.constFind(id);
    return it == entries_.constEnd() ? nullptr : &it.value();
}

QList<int> StringTable::ids() const
{
    QList<int> list = entries_.keys();
    std::sort(list.begin(), list.end());
    return list;
}

const StringTable& AppStringTable()
{
    static const StringTable table = [] {
        StringTable t;
        initStringTableResource();
        QFile f(QStringLiteral(":/resources/StringTable.txt"));
        QString error;
        if (!f.open(QIODevice::ReadOnly) || !t.parse(DecodeText(f.readAll()), &error))
            qWarning("the compiled-in string table cannot be read: %s", qPrintable(error));
        return t;
    }();
    return table;
}

} // namespace qm
