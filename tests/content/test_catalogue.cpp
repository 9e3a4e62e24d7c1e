#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/PlayerVersions.h"
#include "content/RegistryAccess.h"
#include "platform/Process.h"
#include "platform/Refusals.h"
#include "platform/RegistryFile.h"
#include "platform/TextFile.h"
#include "support/TestDoubles.h"
#include "ui/UiText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;
using qmtest::TestEnvironment;

namespace {
const QString kRoot = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0";

// A registry section for one course, with its module string and RepNum line.
QString courseSection(const QString& name, const QString& modules, const QString& repNum = "\"RepNum\"=\"1\"")
{
    return kRoot + "\\" + name + "\\Modules]\r\n\"ModuleString\"=\"" + modules + "\"\r\n" + repNum + "\r\n\r\n";
}
} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;

    void write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = dir->filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void writeRegistry(const QString& sections)
    {
        write("Registry.reg", ("Windows Registry Editor Version 5.00\r\n\r\n" + sections).toUtf8());
    }
    // A module folder whose page map has one topic page named after the code.
    void writeModule(const QString& code, const QString& title)
    {
        write(code + "/Map.txt", ("x\r\n" + title + "\r\ny\r\n0001.txm*Topic*" + code + " intro\r\n0002.txm*Page\r\n").toUtf8());
    }
    QStringList codes(const CourseRecord& c)
    {
        QStringList out;
        for (const ModuleRecord& m : c.Modules) out << m.Code;
        return out;
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void twoCoursesGatherAllModules()
    {
        TestEnvironment env(dir->path());
        for (const char* code : {"AAA001", "AAA002", "BBB001", "BBB002", "BBB003"}) writeModule(code, QString("Title ") + code);
        // Listed out of order: the registry enumerates alphabetically.
        writeRegistry(courseSection("Course B", "BBB001BBB002BBB003", "\"RepNum\"=hex:02,00")
                      + courseSection("Course A", "AAA001AAA002"));
        GetInstalledCourses();

        QCOMPARE(Courses.size(), 3);
        QCOMPARE(Courses[0].Name, QString("Course A"));
        QCOMPARE(Courses[1].Name, QString("Course B"));
        QCOMPARE(Courses[2].Name, QString("All modules"));
        QCOMPARE(codes(Courses[0]), QStringList({"AAA001", "AAA002"}));
        QCOMPARE(Courses[0].RepNum, QString("1"));
        QCOMPARE(Courses[1].RepNum, QString("2"));
        QVERIFY(Courses[0].AllModulesPresent && Courses[1].AllModulesPresent);

        const CourseRecord& all = Courses[2];
        QCOMPARE(codes(all), QStringList({"AAA001", "AAA002", "BBB001", "BBB002", "BBB003"}));
        QCOMPARE(all.RepNum, QString());
        QVERIFY(!all.AllModulesPresent);
        QCOMPARE(all.Modules[3].CourseName, QString("Course B"));
        QCOMPARE(all.Modules[3].Title, QString("Title BBB002"));
        QCOMPARE(all.Modules[3].Topics, QStringList({"BBB002 intro"}));
        QVERIFY(env.box.calls.isEmpty());
        QVERIFY(!ProcessEndRequested());
    }

    void oneCourseHasNoAllModulesEntry()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "Only");
        writeRegistry(courseSection("Solo", "AAA001"));
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1);
        QCOMPARE(Courses[0].Name, QString("Solo"));
        QCOMPARE(Courses[0].Modules[0].Title, QString("Only"));
        QCOMPARE(Courses[0].Modules[0].CourseName, QString("Solo"));
    }

    void missingOrBrokenModulesAreLeftOut()
    {
        TestEnvironment env(dir->path());
        writeModule("M00001", "One");
        writeModule("M00003", "Three");
        writeModule("M00005", "Five");
        write("M00004/Map.txt", "x\r\nFour\r\ny\r\n0001.txm*Topic*Start\r\nno star here\r\n"); // kept without that line
        write("M00006/Map.txt", "x\r\nSix\r\n");                                              // too short for pages
        write("M00007/Map.txt", "x\r\nSeven\r\ny\r\n");                                       // no pages: kept
        writeRegistry(courseSection("Course", "M00001M00002M00003M00004M00005M00006M00007")
                      + courseSection("Clean", "M00001M00004"));
        GetInstalledCourses();
        QCOMPARE(codes(Courses[0]), QStringList({"M00001", "M00004"}));
        QVERIFY(Courses[0].AllModulesPresent);
        const CourseRecord& c = Courses[1];
        QCOMPARE(c.Name, QString("Course"));
        QCOMPARE(codes(c), QStringList({"M00001", "M00003", "M00004", "M00005", "M00007"}));
        QCOMPARE(c.Modules[1].Title, QString("Three"));
        QCOMPARE(c.Modules[2].Topics, QStringList{"Start"});
        QVERIFY(c.Modules[4].Topics.isEmpty());
        QVERIFY(!c.AllModulesPresent);
        QCOMPARE(c.RefusedContent.size(), 1);
        QVERIFY(c.RefusedContent[0].contains("M00004/Map.txt, line 5"));
        QCOMPARE(Courses[2].RefusedContent, c.RefusedContent); // told once for both courses
    }

    void contentFilesOverTheirCapsAreRefusedByName()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        QByteArray map = "x\r\nBig\r\ny\r\n0001.txm*Page\r\n";
        map += QByteArray(kMaxPageMapBytes + 1 - map.size(), '\n');
        write("AAA002/Map.txt", map);
        writeRegistry(courseSection("Course", "AAA001AAA002"));
        GetInstalledCourses();
        QCOMPARE(codes(Courses[0]), QStringList{"AAA001"});
        QVERIFY(!Courses[0].AllModulesPresent);
        QCOMPARE(Courses[0].RefusedContent.size(), 1);
        QVERIFY(Courses[0].RefusedContent[0].startsWith("File too large"));
        QVERIFY(Courses[0].RefusedContent[0].endsWith("AAA002/Map.txt"));

        // A catalogue over its cap counts as none, and the learner hears which file.
        write("Registry.reg", QByteArray(kMaxRegistryBytes + 1, ' '));
        ReloadMachineRegistry();
        GetInstalledCourses();
        QVERIFY(Courses.isEmpty());
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().endsWith("Registry.reg"));
    }

    // The subkey list is taken once per enumeration, so reading the
    // catalogue takes time in proportion to its courses.
    void anEnumerationWalksTheListItStarted()
    {
        TestEnvironment env(dir->path());
        writeRegistry(kRoot + "\\A]\r\n" + kRoot + "\\B]\r\n");
        MachineKey root;
        QVERIFY(OpenMachineKey("SOFTWARE\\Tovask\\Veltrane Quillmark 1.0", root));
        QString name;
        QVERIFY(EnumMachineSubKey(root, 0, name));
        writeRegistry(kRoot + "\\A]\r\n" + kRoot + "\\AA]\r\n" + kRoot + "\\B]\r\n");
        ReloadMachineRegistry();
        QVERIFY(EnumMachineSubKey(root, 1, name));
        QCOMPARE(name, QString("B"));
        QVERIFY(!EnumMachineSubKey(root, 2, name));
    }

    void topicsComeInPageOrderAndNamesIgnoreCase()
    {
        TestEnvironment env(dir->path());
        write("ABC123/MAP.TXT", "x\r\nSafety\r\ny\r\n0001.txm*Topic*Hazards\r\n0002.txm*Page\r\n"
                                "0003.txm*Topic*Ladders\r\n0004.txm*Test\r\n0005.txm*Topic*Hazards\r\n");
        writeRegistry(courseSection("Course", "abc123"));
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1);
        const ModuleRecord& m = Courses[0].Modules.value(0);
        QCOMPARE(m.Code, QString("abc123"));
        QCOMPARE(m.Title, QString("Safety"));
        QCOMPARE(m.Topics, QStringList({"Hazards", "Ladders", "Hazards"}));
    }

    void moduleStringEdges()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        writeModule("AB", "Short");
        QVector<ModuleRecord> modules;
        bool present = true;
        // A short last code would stand for part of another code: refused.
        ParseModuleString("AAA001AB", modules, "C", present);
        QCOMPARE(codes(CourseRecord{"C", modules, {}, true}), QStringList{"AAA001"});
        QVERIFY(!present);

        modules.clear();
        present = true;
        ParseModuleString("", modules, "C", present);
        QVERIFY(modules.isEmpty());
        QVERIFY(present);

        // A code that would leave the program folder has no page map there.
        write("Map.txt", "x\r\nOutside\r\ny\r\n");
        ParseModuleString("../AAA001", modules, "C", present);
        QCOMPARE(modules.size(), 0);
        QVERIFY(!present);

        QString title = "unchanged";
        QVERIFY(!GetModuleTitle(title, "NOPE00"));
        QCOMPARE(title, QString("unchanged"));
    }

    void refusalsAreToldOnceByFileAndLine()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        writeModule("AB", "Short");
        const QString longName(256, 'n');
        // From line 3, four lines per course; they are enumerated by name.
        writeRegistry(courseSection("..", "AAA001") + courseSection("a/b", "AAA001")
                      + courseSection("ALL MODULES", "AAA001") + courseSection("Good", "AAA001AB", "\"RepNum\"=\"../x\"")
                      + courseSection(longName, "AAA001") + courseSection("uSeR", "AAA001")
                      + courseSection("What is GDPR?", "AAA001") + "broken line\r\n");
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1); // one usable course: no "All modules"
        QCOMPARE(Courses[0].Name, QString("Good"));
        QCOMPARE(Courses[0].RepNum, QString());
        QCOMPARE(codes(Courses[0]), QStringList{"AAA001"});
        QVERIFY(!Courses[0].AllModulesPresent);

        QCOMPARE(env.box.calls.size(), 1);
        const QStringList told = env.box.lastText().split('\n');
        const QString reg = dir->filePath("Registry.reg") + ", line ";
        const QStringList expected = {reg + "31: unrecognised line",          reg + "3: the course \"..\"",
                                      reg + "7: the course \"a/b\"",           reg + "11: the course \"ALL MODULES\"",
                                      reg + "16: the module code \"AB\"",      reg + "17: the RepNum \"../x\"",
                                      reg + "19: the course \"" + longName.left(60) + "...\"",   reg + "23: the course \"uSeR\"",
                                      reg + "27: the course \"What is GDPR?\""};
        QCOMPARE(told.size(), expected.size());
        for (int i = 0; i < told.size(); ++i) QVERIFY2(told[i].startsWith(expected[i]), qPrintable(told[i]));
        QVERIFY(!ProcessEndRequested());

        // Only unusable courses: as good as none, and the learner hears why first.
        env.box.clear();
        writeRegistry(courseSection("User", "AAA001"));
        ReloadMachineRegistry();
        GetInstalledCourses();
        QVERIFY(Courses.isEmpty());
        QCOMPARE(env.box.calls.size(), 2);
        QVERIFY(env.box.calls[0].text.contains("the course \"User\" is left out"));
        QCOMPARE(env.box.lastText(), GetResString(526));
        QCOMPARE(env.process.ends, 1);

        // Beyond ten refusals the message counts the rest.
        env.box.clear();
        QString many;
        for (int i = 0; i < 12; ++i) many += courseSection(QString("Bad%1?").arg(i, 2, 10, QChar('0')), "AAA001");
        writeRegistry(many + courseSection("Good", "AAA001"));
        ReloadMachineRegistry();
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1);
        const QStringList lines = env.box.lastText().split('\n');
        QCOMPARE(lines.size(), 11);
        QVERIFY(lines[9].contains("Bad09?") && lines[10] == "(and 2 more)");

        // Exactly ten are all listed, and nothing counts the rest.
        env.box.clear();
        TellRefusals(QStringList(10, QStringLiteral("a refusal")));
        QCOMPARE(env.box.lastText().split('\n').size(), 10);
        QVERIFY(!env.box.lastText().contains("more)"));
    }

    // Each module listed costs a read at start: a course offers a bounded
    // number of them, and a map listed many times over is read once.
    void aCourseOffersABoundedNumberOfModules()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        writeRegistry(courseSection("Long", QString("AAA001").repeated(kMaxCourseModules + 7)));
        GetInstalledCourses();
        QCOMPARE(Courses[0].Modules.size(), kMaxCourseModules);
        QVERIFY(!Courses[0].AllModulesPresent);
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY2(env.box.lastText().contains(QString("line 4: the course \"Long\" lists %1 modules")
                                                 .arg(kMaxCourseModules + 7)),
                 qPrintable(env.box.lastText()));
    }

    void moduleCodeDotDotIsNoFolder()
    {
        // The program folder is a subfolder, and its parent holds a page map.
        TestEnvironment env(dir->filePath("prog"));
        writeModule("prog/AAA001", "One");
        write("Map.txt", "x\r\nOutside\r\ny\r\n0001.txm*Topic*Out\r\n");
        QVector<ModuleRecord> modules;
        bool present = true;
        ParseModuleString("AAA001..", modules, "C", present);
        QCOMPARE(codes(CourseRecord{"C", modules, {}, true}), QStringList{"AAA001"});
        QVERIFY(!present);
        QCOMPARE(ModuleMapPath(".."), QString());
        QCOMPARE(PageFilePath("AAA001", "../Map.txt"), QString());
    }

    // A misspelt value name is told by the key's line, not found out later
    // as modules or documents that cannot be read.
    void courseKeysMissingAValueAreTold()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        // From line 3: "Bare" (1 line + blank), then four lines per course.
        writeRegistry(kRoot + "\\Bare]\r\n\r\n" + courseSection("Blank", "")
                      + kRoot + "\\Misspelt\\Modules]\r\n\"ModuleStrng\"=\"AAA001\"\r\n\"RepNum\"=\"1\"\r\n\r\n"
                      + courseSection("No RepNum", "AAA001", "\"RepNun\"=\"1\""));
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1); // no course without module codes is offered
        QCOMPARE(Courses[0].Name, QString("No RepNum"));
        QCOMPARE(codes(Courses[0]), QStringList{"AAA001"});
        QCOMPARE(Courses[0].RepNum, QString());

        const QString reg = dir->filePath("Registry.reg") + ", line ";
        const QStringList told = env.box.lastText().split('\n');
        const QStringList expected = {
            reg + "3: the course \"Bare\" is left out: it has no \"ModuleString\" value",
            reg + "6: the course \"Blank\" is left out: its \"ModuleString\" holds no module codes",
            reg + "9: the course \"Misspelt\" is left out: it has no \"ModuleString\" value",
            reg + "13: the course \"No RepNum\" has no \"RepNum\" value"};
        QCOMPARE(told.size(), expected.size());
        for (int i = 0; i < told.size(); ++i) QVERIFY2(told[i].startsWith(expected[i]), qPrintable(told[i]));
    }

    // Names that could not name the course's file in a learner's folder, or
    // would show as an empty row.
    void courseNamesThatCannotNameAFile()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        const QString accents(130, QChar(0xE9)); // 260 bytes in UTF-8
        writeRegistry(courseSection(" ", "AAA001") + courseSection(accents, "AAA001") + courseSection("Good", "AAA001"));
        GetInstalledCourses();
        QCOMPARE(Courses.size(), 1);
        QCOMPARE(Courses[0].Name, QString("Good"));
        QVERIFY(!IsUsableCourseName(accents) && !IsUsableCourseName(" "));
        const QString told = env.box.lastText();
        QVERIFY2(told.contains("line 3: the course \" \" is left out: its name is blank"), qPrintable(told));
        QVERIFY2(told.contains("line 7: the course \"" + accents.left(60) + "...\" is left out: its name is longer"),
                 qPrintable(told));
    }

    void aShortCodeInsideALongerModuleStringIsRefused()
    {
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        writeModule("BBB02", "Five letters");
        writeRegistry(courseSection("Course", "AAA001BBB02"));
        GetInstalledCourses();
        QCOMPARE(codes(Courses[0]), QStringList{"AAA001"});
        QVERIFY(!Courses[0].AllModulesPresent);
        QVERIFY2(env.box.lastText().contains("line 4: the module code \"BBB02\" of the course \"Course\" is shorter "
                                             "than six characters"),
                 qPrintable(env.box.lastText()));
    }

    void rootWithoutCoursesEndsTheProgram()
    {
        TestEnvironment env(dir->path());
        writeRegistry(kRoot + "]\r\n\"Version\"=\"1.0\"\r\n");
        GetInstalledCourses();
        QVERIFY(Courses.isEmpty());
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.calls[0].text,
                 QString("The Veltrane Quillmark has not detected any installed courses or modules."));
        QCOMPARE(env.box.calls[0].style, int(vbOKOnly));
        QCOMPARE(env.box.calls[0].title, QString("Veltrane_Quillmark_1.0"));
        QCOMPARE(env.process.ends, 1);
        QVERIFY(ProcessEndRequested());
    }

    void missingOrUnusableRegistryLeavesCoursesEmpty_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("told");
        QTest::newRow("no file") << QByteArray() << false << QString();
        QTest::newRow("empty file") << QByteArray() << true << "line 1: not a registry file";
        QTest::newRow("without its first line")
            << (kRoot + "\\C\\Modules]\r\n\"ModuleString\"=\"AAA001\"\r\n").toUtf8() << true
            << "line 1: not a registry file";
        QTest::newRow("other key only") << QByteArray("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n") << true
                                        << QString();
    }
    void missingOrUnusableRegistryLeavesCoursesEmpty()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, present);
        QFETCH(QString, told);
        TestEnvironment env(dir->path());
        if (present) write("Registry.reg", file);
        GetInstalledCourses();
        QVERIFY(Courses.isEmpty());
        QCOMPARE(env.box.calls.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty()) QVERIFY2(env.box.lastText().contains("Registry.reg, " + told), qPrintable(env.box.lastText()));
        QVERIFY(!ProcessEndRequested());
    }

    void repNumValueTypes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text") << "\"RepNum\"=\"12\"" << "12";
        QTest::newRow("two bytes") << "\"RepNum\"=hex:0c,00" << "12";
        QTest::newRow("negative") << "\"RepNum\"=hex:ff,ff" << "-1";
        QTest::newRow("high byte") << "\"RepNum\"=hex:00,01" << "256";
        QTest::newRow("dword") << "\"RepNum\"=dword:0000000c" << "";
        QTest::newRow("more than two bytes") << "\"RepNum\"=hex:0c,00,7f,01" << "12";
        QTest::newRow("one byte") << "\"RepNum\"=hex:ff" << "255";
        QTest::newRow("no bytes") << "\"RepNum\"=hex:" << "";
        QTest::newRow("text up to NUL") << "\"RepNum\"=hex(1):31,00,32,00,00,00,33,00,00,00" << "12";
        QTest::newRow("expand string") << "\"RepNum\"=hex(2):31,00,00,00" << "";
        QTest::newRow("missing") << "\"Other\"=\"5\"" << "";
    }
    void repNumValueTypes()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        TestEnvironment env(dir->path());
        writeModule("AAA001", "One");
        writeRegistry(courseSection("Course", "AAA001", line));
        MachineKey key;
        QCOMPARE(ReadMachineValue(key, "SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Course\\Modules", "RepNum"), expected);
        QVERIFY(!key.open);
        GetInstalledCourses();
        QCOMPARE(Courses[0].RepNum, expected);
    }

    void keysThatDoNotOpenReadEmpty()
    {
        TestEnvironment env(dir->path());
        writeRegistry("[HKEY_LOCAL_MACHINE\\K]\r\n@=\"default\"\r\n");
        MachineKey key;
        QCOMPARE(ReadMachineValue(key, "K\\Missing", ""), QString());
        QCOMPARE(ReadMachineValue(key, "k", ""), QString("default"));
        QVERIFY(!OpenMachineKey("Missing", key));
        QCOMPARE(QueryValueString(key, ""), QString());
        QString name;
        QVERIFY(!EnumMachineSubKey(key, 0, name));
    }

    void playerVersions()
    {
        TestEnvironment env(dir->path());
        writeRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\MediaPlayer.MediaPlayer\\CurVer]\r\n"
                      "@=\"MediaPlayer.MediaPlayer.1\"\r\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\SWCtl.SWCtl]\r\n@=\"no CurVer below\"\r\n");
        QString media;
        GetMediaPlayerVersion(media);
        QCOMPARE(media, QString("MediaPlayer.MediaPlayer.1"));
        QString flash;
        GetFlashVersion(flash);
        QCOMPARE(flash, QString());
        QString shockwave = "as passed";
        GetShockwaveVersion(shockwave);
        QCOMPARE(shockwave, QString("as passed"));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_catalogue.moc"
