#include "platform/Shell.h"
#include "reference/ShellHandOff.h"
#include "support/LinkDoubles.h"
#include "support/TestDoubles.h"
#include "ui/UiText.h"
#include "viewer/Hyperlinks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

// A stand-in for xdg-open or lp: writes its arguments, each ended by a NUL,
// to "$STUB_LOG.<its name>", may linger, and exits with $STUB_EXIT.
void writeStub(const QString& folder, const QString& name)
{
    QFile f(folder + '/' + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n"
            "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$STUB_LOG.$(basename \"$0\")\"\n"
            "[ -n \"$STUB_SLEEP\" ] && sleep \"$STUB_SLEEP\"\n"
            "exit ${STUB_EXIT:-0}\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

QStringList received(const QString& log)
{
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("<not run>")};
    QStringList args = QString::fromUtf8(f.readAll()).split(QChar(0));
    args.removeLast();
    return args;
}

// Puts the stubs first on PATH for one test and takes them away again.
struct StubPath {
    QTemporaryDir bin;
    QTemporaryDir files;
    QByteArray oldPath = qgetenv("PATH");
    QString log = files.filePath(QStringLiteral("args"));
    explicit StubPath(bool withStubs = true)
    {
        if (withStubs) {
            writeStub(bin.path(), QStringLiteral("xdg-open"));
            writeStub(bin.path(), QStringLiteral("lp"));
            qputenv("PATH", (bin.path() + ':').toUtf8() + oldPath);
        } else {
            qputenv("PATH", bin.path().toUtf8());
        }
        qputenv("STUB_LOG", log.toUtf8());
        qunsetenv("STUB_EXIT");
        qunsetenv("STUB_SLEEP");
    }
    ~StubPath()
    {
        qputenv("PATH", oldPath);
        qunsetenv("STUB_LOG");
        qunsetenv("STUB_EXIT");
        qunsetenv("STUB_SLEEP");
    }
    QString file(const QString& name, const QByteArray& bytes = "x")
    {
        QFile f(files.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

} // namespace

class ShellHandOffTest : public QObject {
    Q_OBJECT
private slots:
    void everyShellResultHasItsMessage_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("stringId");
        const QList<QPair<int, int>> table = {{0, 512},  {8, 512},  {2, 524},  {3, 513},  {5, 515},  {11, 514},
                                              {26, 522}, {27, 516}, {28, 519}, {29, 518}, {30, 517}, {31, 521},
                                              {32, 520}, {1, 523},  {4, 523},  {12, 523}, {25, 523}};
        for (const auto& [result, id] : table) QTest::addRow("%d", result) << result << id;
    }
    void everyShellResultHasItsMessage()
    {
        QFETCH(int, result);
        QFETCH(int, stringId);
        qmtest::TestEnvironment env;
        qmtest::LinkServices services;
        services.shell.results.enqueue(result);
        QVERIFY(!ShellOpenFile("/nowhere/manual.pdf", SW_SHOW, {}, {}, "open", nullptr));
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.lastText(), GetResString(stringId));
        QCOMPARE(env.box.calls.last().style & vbExclamation, int(vbExclamation));
    }

    void acceptedRequestsKeepOrHideTheShowMode()
    {
        qmtest::TestEnvironment env;
        qmtest::LinkServices services;
        QVERIFY(ShellOpenFile("/docs/manual.pdf", SW_SHOWMAXIMIZED, {}, {}, "open", nullptr));
        QVERIFY(ShellOpenFile(QString("/docs/Tool.Exe.pdf") + QChar(0) + "tail", SW_SHOW, {}, {}, "print", nullptr));
        QCOMPARE(env.box.calls.size(), 0);
        QCOMPARE(services.shell.calls[0].showMode, int(SW_SHOWMAXIMIZED));
        QCOMPARE(services.shell.calls[1].showMode, int(SW_HIDE));
        QCOMPARE(services.shell.calls[1].file, QString("/docs/Tool.Exe.pdf"));

        // "Not found" for a file that is there is still reported.
        services.shell.results.enqueue(kShellFileNotFound);
        QVERIFY(!ShellOpenFile(QCoreApplication::applicationFilePath(), SW_SHOW, {}, {}, "open", nullptr));
        QCOMPARE(env.box.lastText(), GetResString(523));

        // A web link too counts as opened only above 32.
        services.shell.results << 32 << 33;
        QVERIFY(!OpenWebLink("Site", "Survey", "http://example.org"));
        QCOMPARE(env.box.lastText(), GetResString(520));
        QVERIFY(OpenWebLink("Site", "Survey", "http://example.org"));
        QCOMPARE(env.box.calls.size(), 2);
    }

    void realShellHandsExactArgumentsToTheDesktopTools()
    {
        StubPath stubs;
        SetCurrentPrinterName(QStringLiteral("Office Laser"));
        const QString awkward = stubs.file(QStringLiteral("-my \"odd\" 'notes' v2.pdf"));
        QCOMPARE(shellService().execute(nullptr, "open", awkward + QChar(0) + "junk", SW_SHOW), int(kShellAccepted));
        QCOMPARE(received(stubs.log + ".xdg-open"), QStringList{awkward});

        QCOMPARE(shellService().execute(nullptr, "open", "www.example.org/a b", SW_SHOW), int(kShellAccepted));
        QCOMPARE(received(stubs.log + ".xdg-open"), QStringList{"http://www.example.org/a b"});
        QCOMPARE(shellService().execute(nullptr, "open", "w3.example.org", SW_SHOW), int(kShellAccepted));
        QCOMPARE(received(stubs.log + ".xdg-open"), QStringList{"http://w3.example.org"});

        QCOMPARE(shellService().execute(nullptr, "print", awkward, SW_SHOWNORMAL), int(kShellAccepted));
        QCOMPARE(received(stubs.log + ".lp"), (QStringList{"-d", "Office Laser", "--", awkward}));
        SetCurrentPrinterName(QString());
    }

    void realShellMapsFailuresOntoShellResults()
    {
        StubPath stubs;
        QCOMPARE(shellService().execute(nullptr, "open", stubs.files.filePath("gone.pdf"), SW_SHOW), int(kShellFileNotFound));
        QCOMPARE(shellService().execute(nullptr, "print", stubs.files.filePath("no/gone.pdf"), SW_SHOW), int(kShellPathNotFound));
        QCOMPARE(received(stubs.log + ".xdg-open"), QStringList{"<not run>"});
        const QString doc = stubs.file("guide.pdf");
        const QList<QPair<const char*, int>> opener = {
            {"2", kShellFileNotFound}, {"3", kShellNoAssociation}, {"4", kShellGeneralError}, {"5", kShellAccessDenied}};
        for (const auto& [exit, result] : opener) {
            qputenv("STUB_EXIT", exit);
            QCOMPARE(shellService().execute(nullptr, "open", doc, SW_SHOW), result);
        }
        qputenv("STUB_EXIT", "1");
        QCOMPARE(shellService().execute(nullptr, "print", doc, SW_SHOW), int(kShellGeneralError));
    }

    void realShellTellsALateFailureOnlySoonAfterTheHandOff()
    {
        qmtest::TestEnvironment env;
        StubPath stubs;
        const QString doc = stubs.file(QStringLiteral("guide.pdf"));
        setShellGracePeriod(50);
        // Each opener outlasts the grace, so each hand-off is accepted, and
        // each then fails when the clock has moved on by the time given.
        qputenv("STUB_SLEEP", "0.3");
        const auto failLate = [&](const char* exit, int afterMs) {
            qputenv("STUB_EXIT", exit);
            QVERIFY(ShellOpenFile(doc, SW_SHOW, {}, {}, "open", nullptr));
            env.clock.ms += afterMs;
        };
        // "Not found" for a file that is there is told as the immediate answer tells it.
        failLate("2", kShellLateFailureMs);
        QCOMPARE(env.box.calls.size(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(env.box.shown(GetResString(523)), 5000);
        failLate("5", kShellLateFailureMs + 1);
        QTest::qWait(800);
        failLate("3", 0);
        QTRY_VERIFY_WITH_TIMEOUT(env.box.shown(GetResString(521)), 5000);
        QCOMPARE(env.box.calls.size(), 2);
        setShellGracePeriod(1000);
    }

    void missingDesktopToolsMeanNoAssociation()
    {
        StubPath noTools(false);
        const QString doc = noTools.file(QStringLiteral("guide.pdf"));
        QCOMPARE(shellService().execute(nullptr, "open", doc, SW_SHOW), int(kShellNoAssociation));
        QCOMPARE(shellService().execute(nullptr, "print", doc, SW_SHOW), int(kShellNoAssociation));
    }
};

QTEST_MAIN(ShellHandOffTest)
#include "test_shell_hand_off.moc"
