#include "support/CourseBuilder.h"

#include <QDir>
#include <QFile>

namespace qmtest {

CourseBuilder::CourseBuilder() { dir_.setAutoRemove(true); }

void CourseBuilder::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString full = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QString CourseBuilder::pageText(const QString& code, const QString& page) { return code + QStringLiteral(" page ") + page; }

QList<PageSpec> CourseBuilder::pages(int n, const QString& topicPrefix)
{
    QList<PageSpec> list;
    for (int i = 1; i <= n; ++i) {
        PageSpec p;
        p.name = QStringLiteral("%1.txm").arg(i, 4, 10, QLatin1Char('0'));
        if (!topicPrefix.isEmpty()) {
            p.type = QStringLiteral("Topic");
            p.topic = topicPrefix + ' ' + QString::number(i);
        }
        list.append(p);
    }
    return list;
}

CourseBuilder& CourseBuilder::module(const QString& code, const QString& title, const QList<PageSpec>& pages)
{
    QByteArray map = "Page map\r\n" + title.toUtf8() + "\r\n-\r\n";
    for (const PageSpec& p : pages) {
        map += (p.name + '*' + p.type).toUtf8();
        if (!p.topic.isEmpty()) map += ('*' + p.topic).toUtf8();
        map += "\r\n";
        writeFile(code + '/' + p.name,
                  "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 " + pageText(code, p.name).toUtf8() + "\\par}");
    }
    writeFile(code + QStringLiteral("/Map.txt"), map);
    return *this;
}

CourseBuilder& CourseBuilder::course(const QString& name, const QStringList& codes, const QString& repNum)
{
    courses_.append({name, codes});
    repNums_.append(repNum);
    return *this;
}

void CourseBuilder::writeRegistry() const
{
    QByteArray reg = "Windows Registry Editor Version 5.00\r\n\r\n";
    const QByteArray root = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0";
    reg += "[" + root + "]\r\n\r\n";
    for (int i = 0; i < courses_.size(); ++i) {
        const QByteArray key = root + "\\" + courses_[i].first.toUtf8();
        reg += "[" + key + "]\r\n\r\n[" + key + "\\Modules]\r\n";
        reg += "\"ModuleString\"=\"" + courses_[i].second.join(QString()).toUtf8() + "\"\r\n";
        reg += "\"RepNum\"=\"" + repNums_[i].toUtf8() + "\"\r\n\r\n";
    }
    writeFile(QStringLiteral("Registry.reg"), reg);
}

} // namespace qmtest
