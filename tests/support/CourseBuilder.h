#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace qmtest {

// One page line of a page map: name, type and (for topic pages) the title.
struct PageSpec {
    QString name;
    QString type = QStringLiteral("Page");
    QString topic;
};

// Writes a small program folder for a test: Registry.reg with the courses,
// one folder per module with its Map.txt and a tiny RTF file per page (its
// text names the module and the page, so tests can see what is shown).
class CourseBuilder {
public:
    CourseBuilder();
    QString path() const { return dir_.path(); }

    CourseBuilder& module(const QString& code, const QString& title, const QList<PageSpec>& pages);
    CourseBuilder& course(const QString& name, const QStringList& codes, const QString& repNum = QStringLiteral("12"));
    // Writes Registry.reg from the courses given so far.
    void writeRegistry() const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;

    // The text a page built here shows.
    static QString pageText(const QString& code, const QString& page);
    // A module of n pages "0001.txm".."000n.txm", each one its own topic
    // when topics is true.
    static QList<PageSpec> pages(int n, const QString& topicPrefix = QString());

private:
    QTemporaryDir dir_;
    QList<QPair<QString, QStringList>> courses_;
    QStringList repNums_;
};

} // namespace qmtest
