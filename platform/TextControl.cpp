#include "platform/TextControl.h"
#include "platform/TextFile.h"
#include <QRegularExpression>
namespace qm {
bool TextControl::load(const QString& path, QString* error)
{
    QString t;
    if (!ReadContentText(path, t, error)) return false;
    t.remove(QRegularExpression("\\{\\\\fonttbl[^}]*\\}\\}"));
    t.remove(QRegularExpression("\\\\[a-z]+[0-9]*\\s?"));
    t.remove('{'); t.remove('}');
    setPlainText(t);
    return true;
}
}
