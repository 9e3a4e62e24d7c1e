#include "app/CourseSelection.h"
#include "app/Main.h"
#include "platform/SingleInstance.h"
#include "support/TestDoubles.h"
#include "ui/UiText.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

using namespace qm;

namespace {
QString freshKey() { return QStringLiteral("qmtest-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8); }
} // namespace

class MainStartTest : public QObject {
    Q_OBJECT
    QTemporaryDir emptyProgram; // no catalogue at all

private slots:
    void cleanup() { ReleaseRunningInstance(); }

    void secondCopyWithAWindowShowsMessageAndEnds()
    {
        qmtest::TestEnvironment env(emptyProgram.path());
        const QString key = freshKey();
        SingleInstance running(key);
        QCOMPARE(running.claim(), SingleInstance::Other::None);
        int raised = 0;
        running.onActivateRequest = [&] { ++raised; };
        SetInstanceKey(key);
        QVERIFY(!Main());
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.calls[0].text, QString("An instance of this application is already running."));
        QCOMPARE(env.box.calls[0].title, QString("Veltrane_Quillmark_1.0"));
        QCOMPARE(env.box.calls[0].style, 0);
        QCOMPARE(env.process.ends, 1);
        QVERIFY(!CourseSelection::loaded());
        QTRY_COMPARE(raised, 1);
    }

    void copyHoldingOnlyTheLockCountsAsRunning()
    {
        qmtest::TestEnvironment env(emptyProgram.path());
        const QString key = freshKey();
        QLockFile lock(QDir::tempPath() + '/' + key + ".lock");
        QVERIFY(lock.tryLock(0));
        SetInstanceKey(key);
        QVERIFY(!Main());
        QVERIFY(env.box.shown(GetResString(532)));
        QCOMPARE(env.process.ends, 1);
    }

    void staleLockDoesNotBlockAStart()
    {
        qmtest::TestEnvironment env(emptyProgram.path());
        const QString key = freshKey();
        // A lock file left by a process that no longer runs.
        QFile stale(QDir::tempPath() + '/' + key + ".lock");
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999\nquillmark\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        SetInstanceKey(key);
        env.screen.info = {1024, 768, 15, 15};
        Main();
        QVERIFY(!env.box.shown(GetResString(532)));
        ReleaseRunningInstance();
    }

    void screenQuestionNamesTheSizeAndNoEnds()
    {
        qmtest::TestEnvironment env(emptyProgram.path());
        SetInstanceKey(freshKey());
        env.screen.info = {800, 600, 15, 15};
        env.box.answer(vbNo);
        QVERIFY(!Main());
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.calls[0].text, GetResString(533) + "800 by 600" + GetResString(534));
        QCOMPARE(env.box.calls[0].title, QString("Screen Resolution Warning"));
        QCOMPARE(env.box.calls[0].style, vbYesNo | vbInformation);
        QCOMPARE(env.process.ends, 1);
        QVERIFY(!CourseSelection::loaded());
    }

    void bothDimensionsMustMatch()
    {
        qmtest::TestEnvironment env(emptyProgram.path());
        SetInstanceKey(freshKey());
        env.screen.info = {1024, 600, 15, 15};
        env.box.answer(vbYes);
        Main();
        QCOMPARE(env.box.calls[0].text, GetResString(533) + "1024 by 600" + GetResString(534));
        // Yes goes on to the chooser, which finds no catalogue.
        QCOMPARE(env.box.calls.size(), 2);
        QCOMPARE(env.box.calls[1].text, GetResString(529));
    }

    void designedScreenAsksNothing()
    {
        qmtest::TestEnvironment env(emptyProgram.path());
        SetInstanceKey(freshKey());
        env.screen.info = {1024, 768, 15, 15};
        Main();
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.calls[0].text, GetResString(529));
    }
};

QTEST_MAIN(MainStartTest)
#include "test_main_start.moc"
