#include "platform/RegistryFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {
QByteArray utf16le(const QString& text)
{
    QByteArray b("\xFF\xFE");
    b.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return b;
}

const char* kSample =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; courses installed on this machine\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Zeta\\Modules]\r\n"
    "\"ModuleString\"=\"ZZZ001\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\alpha]\r\n"
    "@=\"default text\"\r\n"
    "\"Path\"=\"C:\\\\Courses\\\\\\\"new\\\"\"\r\n"
    "\"Count\"=dword:0000000c\r\n"
    "\"Rep\"=hex:0c,00\r\n"
    "\"Long\"=hex:01,02,03,\\\r\n"
    "  04,05,\\\r\n"
    "  06\r\n"
    "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
    "\"Quad\"=hex(b):01,00,00,00,00,00,00,00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Beta]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "\"Ignored\"=\"yes\"\r\n";
} // namespace

class RegistryFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsEveryValueType()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData(kSample));
        QVERIFY2(reg.errors().isEmpty(), qPrintable(reg.errors().value(0).message));
        const QString key = "SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\alpha";

        auto def = reg.value(key, "");
        QVERIFY(def);
        QCOMPARE(def->type, RegType::String);
        QCOMPARE(def->text, QString("default text"));

        QCOMPARE(reg.value(key, "Path")->text, QString("C:\\Courses\\\"new\""));

        auto count = reg.value(key, "Count");
        QCOMPARE(count->type, RegType::Dword);
        QCOMPARE(count->number, quint64(12));
        QCOMPARE(count->bytes, QByteArray("\x0c\0\0\0", 4));

        auto rep = reg.value(key, "Rep");
        QCOMPARE(rep->type, RegType::Binary);
        QCOMPARE(rep->bytes, QByteArray("\x0c\0", 2));

        auto longHex = reg.value(key, "Long");
        QCOMPARE(longHex->bytes, QByteArray("\x01\x02\x03\x04\x05\x06"));

        auto expand = reg.value(key, "Expand");
        QCOMPARE(expand->type, RegType::ExpandString);
        QCOMPARE(expand->text, QString("%A%"));

        auto multi = reg.value(key, "Multi");
        QCOMPARE(multi->type, RegType::MultiString);
        QCOMPARE(multi->text, QString("a") + QChar(0) + "b");

        auto quad = reg.value(key, "Quad");
        QCOMPARE(quad->type, RegType::Qword);
        QCOMPARE(quad->number, quint64(1));

        QVERIFY(!reg.value(key, "Missing"));
        QVERIFY(!reg.value(key + "\\Nope", "Path"));
    }

    void namesIgnoreCaseAndParentsAreImplied()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData(kSample));
        QVERIFY(reg.keyExists("software\\TOVASK\\veltrane quillmark 1.0\\ZETA\\modules"));
        QCOMPARE(reg.value("SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Alpha", "path")->text,
                 QString("C:\\Courses\\\"new\""));
        // Named only as the parent of "Zeta\Modules".
        QVERIFY(reg.keyExists("SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Zeta"));
        QVERIFY(reg.keyExists("SOFTWARE"));
        // Other hives are not part of the machine registry.
        QVERIFY(!reg.keyExists("Software\\Other"));
    }

    void subkeysEnumerateSortedWithoutCase()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData(kSample));
        QCOMPARE(reg.subKeys("SOFTWARE\\Tovask\\Veltrane Quillmark 1.0"),
                 QStringList({"alpha", "Beta", "Zeta"}));
        // Upper-case comparison, as the registry does: "_" (0x5F) sorts after letters.
        RegistryFile reg2;
        QVERIFY(reg2.loadData("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\K\\b_]\r\n[HKEY_LOCAL_MACHINE\\K\\B1]\r\n"
                              "[HKEY_LOCAL_MACHINE\\K\\ba]\r\n[HKEY_LOCAL_MACHINE\\K\\A]\r\n"));
        QCOMPARE(reg2.subKeys("K"), QStringList({"A", "B1", "ba", "b_"}));
        QCOMPARE(reg2.subKeys("missing"), QStringList());
    }

    void utf16WithBomAndUtf8WithBom()
    {
        const QString text = QString::fromUtf8(
            "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Soft\\Kurs Ärger]\r\n"
            "\"Title\"=\"Übung «1»\"\r\n\"Bin\"=hex:ff,ff\r\n");
        RegistryFile wide;
        QVERIFY(wide.loadData(utf16le(text)));
        QVERIFY(wide.errors().isEmpty());
        QCOMPARE(wide.subKeys("Soft"), QStringList({QString::fromUtf8("Kurs Ärger")}));
        QCOMPARE(wide.value(QString::fromUtf8("Soft\\kurs ärger"), "title")->text, QString::fromUtf8("Übung «1»"));
        QCOMPARE(wide.value(QString::fromUtf8("Soft\\Kurs Ärger"), "Bin")->bytes, QByteArray("\xff\xff"));

        RegistryFile utf8;
        QVERIFY(utf8.loadData(QByteArray("\xEF\xBB\xBF") + text.toUtf8()));
        QVERIFY(utf8.errors().isEmpty());
        QCOMPARE(utf8.value(QString::fromUtf8("Soft\\Kurs Ärger"), "Title")->text, QString::fromUtf8("Übung «1»"));

        RegistryFile plain;
        QVERIFY(plain.loadData(text.toUtf8()));
        QCOMPARE(plain.value(QString::fromUtf8("Soft\\Kurs Ärger"), "Title")->text, QString::fromUtf8("Übung «1»"));
    }

    void regedit4StoresAnsiTextInHexValues()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n\"E\"=hex(2):41,ab,00\r\n\"S\"=\"x\"\r\n"));
        QCOMPARE(reg.value("K", "E")->text, QString("A") + QChar(0xAB));
        QCOMPARE(reg.value("K", "S")->text, QString("x"));
        // The header in any letter case is the same header; a comma after the
        // last byte is harmless.
        RegistryFile lower;
        QVERIFY(lower.loadData("regedit4\r\n[HKEY_LOCAL_MACHINE\\K]\r\n\"E\"=hex(2):41,ab,00\r\n\"B\"=hex:0c,00,\r\n"));
        QVERIFY2(lower.errors().isEmpty(), qPrintable(lower.errors().value(0).message));
        QCOMPARE(lower.value("K", "E")->text, QString("A") + QChar(0xAB));
        QCOMPARE(lower.value("K", "B")->bytes, QByteArray("\x0c\0", 2));
    }

    void malformedLinesAreReportedAndSkipped()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData("Windows Registry Editor Version 5.00\r\n"  // 1
                             "\"Early\"=\"before any key\"\r\n"        // 2
                             "[HKEY_LOCAL_MACHINE\\K]\r\n"             // 3
                             "\"A\"=\"one\"\r\n"                        // 4
                             "\"B\"=dword:xyz\r\n"                      // 5
                             "\"C\"=hex:0c,zz\r\n"                      // 6
                             "\"D\"=\"unterminated\r\n"                 // 7
                             "garbage line\r\n"                         // 8
                             "[HKEY_LOCAL_MACHINE\\Broken\r\n"          // 9
                             "\"E\"=\"lost with its key\"\r\n"          // 10
                             "[HKEY_LOCAL_MACHINE\\K]\r\n"             // 11
                             "\"F\"=dword:1\r\n"                        // 12
                             "\"G\"=text\r\n"                           // 13
                             "[NOT_A_HIVE\\X]\r\n"                       // 14
                             "\"H\"=hex(2:00\r\n"));                     // 15 (skipped: its section is unknown)
        QList<int> lines;
        for (const RegistryError& e : reg.errors()) lines.append(e.line);
        QCOMPARE(lines, QList<int>({2, 5, 6, 7, 8, 9, 13, 14}));
        QCOMPARE(reg.value("K", "A")->text, QString("one"));
        QCOMPARE(reg.value("K", "F")->number, quint64(1));
        QVERIFY(!reg.value("K", "B"));
        QVERIFY(!reg.value("K", "C"));
        QVERIFY(!reg.keyExists("Broken"));
    }

    void continuationErrorsNameTheFirstLine()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData("REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"A\"=hex:01,\\\n  02,,03\n\"B\"=hex:04\n"));
        QCOMPARE(reg.errors().size(), 1);
        QCOMPARE(reg.errors()[0].line, 3);
        QCOMPARE(reg.value("K", "B")->bytes, QByteArray("\x04"));
    }

    void deletionsAreHonoured()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData("REGEDIT4\r\n"
                             "[HKEY_LOCAL_MACHINE\\K\\Gone\\Child]\r\n\"X\"=\"1\"\r\n"
                             "[HKEY_LOCAL_MACHINE\\K]\r\n\"Y\"=\"2\"\r\n\"Z\"=\"3\"\r\n\"y\"=-\r\n"
                             "[-HKEY_LOCAL_MACHINE\\K\\gone]\r\n\"Ignored\"=\"4\"\r\n"));
        QVERIFY(reg.errors().isEmpty());
        QVERIFY(!reg.keyExists("K\\Gone"));
        QVERIFY(!reg.value("K", "Y"));
        QCOMPARE(reg.value("K", "Z")->text, QString("3"));
        QCOMPARE(reg.subKeys("K"), QStringList());
    }

    void laterValuesReplaceEarlierOnes()
    {
        RegistryFile reg;
        QVERIFY(reg.loadData("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\K]\r\n\"A\"=\"1\"\r\n[HKEY_LOCAL_MACHINE\\k]\r\n\"a\"=\"2\"\r\n"));
        QCOMPARE(reg.value("K", "A")->text, QString("2"));
        QCOMPARE(reg.subKeys(""), QStringList({"K"}));
    }

    void withoutHeaderNothingIsRead()
    {
        RegistryFile reg;
        QVERIFY(!reg.loadData("[HKEY_LOCAL_MACHINE\\K]\r\n\"A\"=\"1\"\r\n"));
        QCOMPARE(reg.errors().size(), 1);
        QCOMPARE(reg.errors()[0].line, 1);
        QVERIFY(!reg.keyExists("K"));
        QVERIFY(!reg.loadData(QByteArray()));
        QVERIFY(!reg.loadData(QByteArray("\xFF\xFE\x00", 3)));
    }

    void loadFileReportsAnUnreadableFile()
    {
        QTemporaryDir dir;
        RegistryFile reg;
        QVERIFY(!reg.loadFile(dir.filePath("none.reg")));
        QCOMPARE(reg.errors().size(), 1);
        QFile f(dir.filePath("a.reg"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(utf16le("Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\K]\r\n@=\"v\"\r\n"));
        f.close();
        QVERIFY(reg.loadFile(dir.filePath("a.reg")));
        QVERIFY(reg.errors().isEmpty());
        QCOMPARE(reg.value("K", QString())->text, QString("v"));
    }
};

QTEST_GUILESS_MAIN(RegistryFileTest)
#include "test_registry_file.moc"
