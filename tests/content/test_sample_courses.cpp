// Checks that the shipped sample program folder is consistent: the catalogue,
// every page map, page file, test file, link and help file fit together.
#include "content/LinkedList.h"
#include "platform/ContentPath.h"
#include "platform/QuotedItems.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

using namespace qm;

namespace {

const QString kRoot = QStringLiteral("SOFTWARE\\Tovask\\Veltrane Quillmark 1.0");

struct Page {
    QString name, type, topic;
};

struct Module {
    QString code, title;
    QList<Page> pages;
    bool hasPage(const QString& name) const
    {
        for (const Page& p : pages)
            if (p.name == name) return true;
        return false;
    }
};

struct Course {
    QString name, repNum;
    QList<Module> modules;
    const Module* module(const QString& code) const
    {
        for (const Module& m : modules)
            if (m.code == code) return &m;
        return nullptr;
    }
};

struct Question {
    QString text, answers, flags, explanation, caption, link;
};

struct TestFile {
    QString header;
    QList<Question> questions;
};

QString Sample(const QString& rel) { return QDir(QStringLiteral(QM_SAMPLE_SOURCE_DIR)).filePath(rel); }

QString ReadText(const QString& path)
{
    QString text, error;
    if (!ReadContentText(path, text, &error)) qWarning("%s", qPrintable(error));
    return text;
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Reads a test file the way the test window does: a header item, then six
// items per question. Fails on a file that ends inside a question.
bool ReadTest(const QString& path, TestFile& test, QString& problem)
{
    QString text;
    if (!ReadContentText(path, text, &problem)) return false;
    QuotedItemReader reader(text);
    if (!reader.next(test.header)) {
        problem = "no header item";
        return false;
    }
    while (!reader.atEnd()) {
        QStringList items;
        if (!reader.read(6, items)) {
            problem = QString("question %1 ends early").arg(test.questions.size() + 1);
            return false;
        }
        for (QString& item : items) item.replace(QChar(0xAB), QChar('"'));
        test.questions.append({items[0], items[1], items[2], items[3], items[4], items[5]});
    }
    return true;
}

// The link fields of an RTF page: (is a text-mark link, target).
QList<QPair<bool, QString>> Links(const QString& rtf)
{
    QList<QPair<bool, QString>> links;
    static const QRegularExpression re(QStringLiteral("\\\\fldinst\\s*\\{?\\s*HYPERLINK\\s+(\\\\\\\\l\\s+)?\"([^\"]*)\""));
    for (auto it = re.globalMatch(rtf); it.hasNext();) {
        const auto m = it.next();
        links.append({m.capturedLength(1) > 0, m.captured(2)});
    }
    return links;
}

bool HasBookmark(const QString& rtf, const QString& mark)
{
    return rtf.contains(QStringLiteral("\\bkmkstart ") + mark + QLatin1Char('}'));
}

// Group depth never below zero and back to zero exactly at the end.
bool BracesBalance(const QByteArray& rtf, QString& problem)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            ++i; // an escaped brace or backslash is text
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}' && --depth < 0) {
            problem = QString("unbalanced '}' at byte %1").arg(i);
            return false;
        }
        if (depth == 0 && c == '}' && !rtf.mid(i + 1).trimmed().isEmpty()) {
            problem = QString("text after the document's closing brace at byte %1").arg(i);
            return false;
        }
    }
    if (depth != 0) problem = QString("%1 group(s) left open").arg(depth);
    return depth == 0;
}

// The sample Registry.reg read simply: its keys with their string values, in
// file order. (Only the forms the sample uses: sections, "Name"="text", @="text".)
struct RegText {
    QString header;
    QList<QPair<QString, QMap<QString, QString>>> keys;
    QStringList problems;

    const QMap<QString, QString>* key(const QString& path) const
    {
        for (const auto& k : keys)
            if (k.first.compare(path, Qt::CaseInsensitive) == 0) return &k.second;
        return nullptr;
    }
    // Direct subkeys in the order the registry enumerates them (alphabetical, any case).
    QStringList subKeys(const QString& path) const
    {
        QStringList names;
        const QString prefix = path + "\\";
        for (const auto& k : keys)
            if (k.first.startsWith(prefix, Qt::CaseInsensitive) && !k.first.mid(prefix.size()).contains('\\'))
                names << k.first.mid(prefix.size());
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        return names;
    }
};

RegText ReadRegistry(const QString& path)
{
    RegText reg;
    const QStringList lines = SplitLines(ReadText(path));
    static const QRegularExpression value(QStringLiteral("^(@|\"([^\"]*)\")=\"([^\"]*)\"$"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (i == 0) {
            reg.header = line;
        } else if (line.isEmpty()) {
        } else if (line.startsWith('[') && line.endsWith(']')) {
            QString key = line.mid(1, line.size() - 2);
            if (!key.startsWith("HKEY_LOCAL_MACHINE\\")) reg.problems << QString("line %1: not a machine key").arg(i + 1);
            reg.keys.append({key.mid(19), {}});
        } else if (const auto m = value.match(line); m.hasMatch() && !reg.keys.isEmpty()) {
            reg.keys.last().second.insert(m.captured(1) == "@" ? QString() : m.captured(2), m.captured(3));
        } else {
            reg.problems << QString("line %1: %2").arg(i + 1).arg(line);
        }
    }
    return reg;
}

bool IsWebTarget(const QString& t)
{
    for (const char* prefix : {"http:", "www.", "ftp:", "w3.", "gopher:"})
        if (t.startsWith(QLatin1String(prefix))) return true;
    return false;
}

} // namespace

class SampleCoursesTest : public QObject {
    Q_OBJECT
    QList<Course> courses;

    QString modulePath(const QString& code, const QString& name) const { return Sample(code + "/" + name); }

    QStringList pageFiles() const
    {
        QStringList files;
        for (const Course& c : courses)
            for (const Module& m : c.modules)
                for (const Page& p : m.pages) files << modulePath(m.code, p.name);
        return files;
    }

private slots:
    void initTestCase()
    {
        const RegText reg = ReadRegistry(Sample("Registry.reg"));
        QCOMPARE(reg.header, QString("Windows Registry Editor Version 5.00"));
        QVERIFY2(reg.problems.isEmpty(), qPrintable(reg.problems.join("; ")));
        for (const QString& name : reg.subKeys(kRoot)) {
            Course course;
            course.name = name;
            const auto* modules = reg.key(kRoot + "\\" + name + "\\Modules");
            QVERIFY2(modules, qPrintable(name + ": no Modules key"));
            const QString codes = modules->value("ModuleString");
            course.repNum = modules->value("RepNum");
            for (qsizetype i = 0; i < codes.size(); i += 6) {
                Module m;
                m.code = codes.mid(i, 6);
                LinkedList list;
                QString error;
                QVERIFY2(list.LoadExistingList(modulePath(m.code, "Map.txt"), m.title, &error), qPrintable(error));
                qint16 count = 0;
                QStringList names, types, topics;
                list.GetAllPageInfo(count, names, types, topics);
                for (int k = 1; k <= count; ++k) m.pages.append({names[k], types[k], topics[k]});
                course.modules.append(m);
            }
            courses.append(course);
        }
    }

    void catalogueHoldsTheTwoCourses()
    {
        QCOMPARE(courses.size(), 2);
        QCOMPARE(courses[0].name, QString("Office Safety"));
        QCOMPARE(courses[1].name, QString("Privacy at Work"));
        QStringList codes0, codes1;
        for (const Module& m : courses[0].modules) codes0 << m.code;
        for (const Module& m : courses[1].modules) codes1 << m.code;
        QCOMPARE(codes0, QStringList({"SAF101", "SAF102", "SAF103"}));
        QCOMPARE(codes1, QStringList({"DPR201", "DPR202"}));
        QCOMPARE(courses[0].repNum, QString("12"));
        QCOMPARE(courses[1].repNum, QString("14"));
    }

    void onlyTheMediaPlayerIsRegistered()
    {
        const RegText reg = ReadRegistry(Sample("Registry.reg"));
        const auto* media = reg.key("SOFTWARE\\Classes\\MediaPlayer.MediaPlayer\\CurVer");
        QVERIFY(media);
        QCOMPARE(media->value(QString()), QString("MediaPlayer.MediaPlayer.1"));
        QVERIFY(!reg.key("SOFTWARE\\Classes\\ShockwaveFlash.ShockwaveFlash\\CurVer"));
        QVERIFY(!reg.key("SOFTWARE\\Classes\\SWCtl.SWCtl\\CurVer"));
    }

    void everyPageMapListsRealPages()
    {
        for (const Course& c : courses)
            for (const Module& m : c.modules) {
                const QString where = m.code + "/Map.txt";
                QVERIFY2(!m.title.trimmed().isEmpty(), qPrintable(where + ": no module title"));
                QVERIFY2(m.pages.size() >= 4 && m.pages.size() <= 8, qPrintable(where + ": page count"));
                // The first page opens a topic, so every page has a heading and a progress entry.
                QVERIFY2(m.pages.first().type == "Topic" && !m.pages.first().topic.isEmpty(),
                         qPrintable(where + ": the first page does not open a topic"));
                int topics = 0;
                QSet<QString> names;
                for (const Page& p : m.pages) {
                    QVERIFY2(p.name.size() == 8 && p.name.endsWith(".txm"), qPrintable(where + ": " + p.name));
                    QVERIFY2(!names.contains(p.name), qPrintable(where + ": " + p.name + " listed twice"));
                    names.insert(p.name);
                    // Exact case: the shipped files are named as their maps name them.
                    QVERIFY2(QFileInfo::exists(modulePath(m.code, p.name)), qPrintable(where + ": " + p.name + " missing"));
                    if (p.type == "Topic") ++topics;
                }
                QVERIFY2(topics >= 2 && topics <= 3, qPrintable(where + ": topic count"));
            }
    }

    void everyTestPageHasAGradableTestFile()
    {
        for (const Course& c : courses) {
            int summaryTests = 0, plainChecks = 0;
            bool single = false, multiple = false, guillemet = false;
            for (const Module& m : c.modules)
                for (const Page& p : m.pages) {
                    if (p.type != "Test") continue;
                    const QString file = m.code + "/" + m.code + "_" + p.name.left(p.name.size() - 4) + "TST";
                    TestFile test;
                    QString problem;
                    QVERIFY2(ReadTest(Sample(file), test, problem), qPrintable(file + ": " + problem));
                    QVERIFY2(!test.questions.isEmpty(), qPrintable(file + ": no questions"));
                    for (int q = 0; q < test.questions.size(); ++q) {
                        const Question& question = test.questions[q];
                        const QString where = QString("%1 question %2").arg(file).arg(q + 1);
                        const QStringList answers = question.answers.split(">>");
                        const QStringList flags = question.flags.split(">>");
                        QVERIFY2(!question.text.isEmpty() && !question.answers.isEmpty(), qPrintable(where));
                        QCOMPARE(flags.size(), answers.size());
                        const int correct = int(flags.count("1"));
                        QVERIFY2(correct >= 1, qPrintable(where + ": no correct answer"));
                        (correct == 1 ? single : multiple) = true;
                        guillemet = guillemet || question.text.contains('"') || question.answers.contains('"');
                        if (question.link.isEmpty()) continue;
                        // The test window opens review pages in the current course only.
                        QVERIFY2(question.link.size() == 15 && question.link[6] == '_', qPrintable(where + ": " + question.link));
                        const Module* target = c.module(question.link.left(6));
                        QVERIFY2(target, qPrintable(where + ": module of " + question.link + " not in the course"));
                        QVERIFY2(target->hasPage(question.link.mid(7, 8)), qPrintable(where + ": page of " + question.link));
                        QVERIFY2(!question.caption.isEmpty(), qPrintable(where + ": review link without caption"));
                    }
                    if (test.header == "2") {
                        ++plainChecks;
                    } else {
                        ++summaryTests;
                        QVERIFY2(test.questions.size() >= 5, qPrintable(file + ": fewer than five questions"));
                    }
                }
            QCOMPARE(summaryTests, 1);
            QCOMPARE(plainChecks, 1);
            QVERIFY2(single && multiple, qPrintable(c.name + ": needs single and multiple answer questions"));
            QVERIFY2(guillemet, qPrintable(c.name + ": no quoted text written with the guillemet"));
        }
    }

    void testPagesSitAtTheEndAndInTheMiddle()
    {
        bool atEnd = false, inMiddle = false;
        for (const Course& c : courses)
            for (const Module& m : c.modules)
                for (int i = 0; i < m.pages.size(); ++i)
                    if (m.pages[i].type == "Test") (i == m.pages.size() - 1 ? atEnd : inMiddle) = true;
        QVERIFY(atEnd);
        QVERIFY(inMiddle);
    }

    void pageLinksPointAtRealTargets()
    {
        QSet<QString> kinds;
        for (const Course& c : courses)
            for (const Module& m : c.modules)
                for (const Page& p : m.pages) {
                    const QString rtf = ReadText(modulePath(m.code, p.name));
                    for (const auto& [isMark, rawTarget] : Links(rtf)) {
                        const QString where = m.code + "/" + p.name + ": " + rawTarget;
                        // The page view hands targets over right-trimmed and lower-cased.
                        QString target = rawTarget;
                        while (target.endsWith(' ')) target.chop(1);
                        target = target.toLower();
                        if (isMark) {
                            kinds << "mark";
                            QVERIFY2(HasBookmark(rtf, rawTarget), qPrintable(where + ": no such bookmark"));
                        } else if (IsWebTarget(target)) {
                            kinds << "web";
                        } else if (!target.contains(".txm")) {
                            kinds << "document";
                            const QString folder = "Repository/" + c.repNum + "/";
                            QVERIFY2(ContentFileExists(Sample(folder + target)) || ContentFileExists(Sample(folder + "Hidden/" + target)),
                                     qPrintable(where + ": no such reference document"));
                        } else if (target.contains('#')) {
                            kinds << "page with mark";
                            const QString file = rawTarget.section('#', 0, 0), mark = rawTarget.section('#', 1);
                            QVERIFY2(m.hasPage(file), qPrintable(where + ": no such page in the module"));
                            QVERIFY2(HasBookmark(ReadText(modulePath(m.code, file)), mark), qPrintable(where + ": no such bookmark"));
                        } else {
                            kinds << "page";
                            // Written as 15 characters; the page view adds the 16th.
                            QVERIFY2(rawTarget.size() == 15, qPrintable(where + ": not 15 characters"));
                            const Module* target = c.module(rawTarget.left(6));
                            QVERIFY2(target, qPrintable(where + ": module not in the course"));
                            QVERIFY2(target->hasPage(rawTarget.mid(7, 8)), qPrintable(where + ": no such page"));
                        }
                    }
                }
        QCOMPARE(kinds, QSet<QString>({"mark", "web", "document", "page with mark", "page"}));
    }

    void pagesAndHelpFilesAreWellFormedRtf()
    {
        QStringList files = pageFiles();
        files << Sample("StatusHelp.rtf") << Sample("RepositoryHelp.rtf");
        int pictures = 0, tables = 0;
        for (const QString& file : files) {
            const QByteArray rtf = ReadBytes(file);
            QVERIFY2(rtf.startsWith("{\\rtf1"), qPrintable(file));
            QString problem;
            QVERIFY2(BracesBalance(rtf, problem), qPrintable(file + ": " + problem));
            if (rtf.contains("\\trowd")) ++tables;
            static const QRegularExpression pict(QStringLiteral("\\{\\\\pict\\\\pngblip[^ \\r\\n]*\\s+([0-9a-fA-F\\s]+)\\}"));
            for (auto it = pict.globalMatch(QString::fromLatin1(rtf)); it.hasNext();) {
                QString hex = it.next().captured(1);
                hex.remove(QRegularExpression(QStringLiteral("\\s")));
                const QByteArray png = QByteArray::fromHex(hex.toLatin1());
                QImage image;
                QVERIFY2(image.loadFromData(png, "PNG"), qPrintable(file + ": picture data is not a PNG"));
                ++pictures;
            }
        }
        QVERIFY(pictures >= 1);
        QVERIFY(tables >= 1);
    }

    void theWindowsCodePageTestReadsItsGuillemets()
    {
        // One test file is kept in Windows-1252, where « is the byte 0xAB.
        const QByteArray bytes = ReadBytes(Sample("DPR202/DPR202_0007TST"));
        QVERIFY(!IsValidUtf8(bytes));
        QVERIFY(bytes.contains(char(0xAB)));
        QVERIFY(DecodeText(bytes).contains(QChar(0xAB)));
    }
};

QTEST_MAIN(SampleCoursesTest)
#include "test_sample_courses.moc"
