#include "platform/AtomicFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qm;

class AtomicFileTest : public QObject {
    Q_OBJECT
    QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void cleanup() { testing::ClearAtomicWriteFaults(); }

    void writesAndReplaces()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Course A");
        QVERIFY(WriteFileAtomically(path, "\"ABC123\",\"0001.txm\"\r\n"));
        QCOMPARE(readAll(path), QByteArray("\"ABC123\",\"0001.txm\"\r\n"));
        QVERIFY(WriteFileAtomically(path, "short"));
        QCOMPARE(readAll(path), QByteArray("short"));
        QVERIFY(WriteFileAtomically(path, QByteArray()));
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Course A"}));
    }

    void interruptedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("User");
        const QByteArray old("\"Ann\",\"Lee\",\"ann@example.com\"\r\n");
        QVERIFY(WriteFileAtomically(path, old));

        testing::InterruptNextAtomicWriteAfter(5);
        QString error;
        QVERIFY(!WriteFileAtomically(path, QByteArray(4096, 'x'), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList({"User"}));

        // The interruption applies to one write only.
        QVERIFY(WriteFileAtomically(path, "next"));
        QCOMPARE(readAll(path), QByteArray("next"));
    }

    void interruptedFirstWriteLeavesNothing()
    {
        QTemporaryDir dir;
        testing::InterruptNextAtomicWriteAfter(0);
        QVERIFY(!WriteFileAtomically(dir.filePath("New"), "data"));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    }

    // Whichever step fails, the old file keeps every byte, no temporary file
    // is left and the caller hears why.
    void failedStepKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("errorCode");
        QTest::newRow("open") << int(testing::AtomicStep::Open) << ENOSPC;
        QTest::newRow("write") << int(testing::AtomicStep::Write) << ENOSPC;
        QTest::newRow("sync") << int(testing::AtomicStep::Sync) << EIO;
        QTest::newRow("size") << int(testing::AtomicStep::Size) << 0;
        QTest::newRow("close") << int(testing::AtomicStep::Close) << EDQUOT;
        QTest::newRow("rename") << int(testing::AtomicStep::Rename) << EACCES;
    }
    void failedStepKeepsTheOldFile()
    {
        QFETCH(int, step);
        QFETCH(int, errorCode);
        QTemporaryDir dir;
        const QString path = dir.filePath("Course A");
        const QByteArray old("\"ABC123\",\"0004.txm\"\r\n");
        QVERIFY(WriteFileAtomically(path, old));

        // The second write fails: the first one shows skip counts writes.
        testing::FailAtomicWrite(testing::AtomicStep(step), errorCode, 1);
        QVERIFY(WriteFileAtomically(path, old + "x"));
        QString error;
        QVERIFY(!WriteFileAtomically(path, QByteArray(300, 'y'), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), old + "x");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList({"Course A"}));
    }

    void leftoverNames()
    {
        QVERIFY(IsAtomicWriteLeftover("Course A:x1Yz9Q", "Course A"));
        QVERIFY(!IsAtomicWriteLeftover("Course A.x1Yz9Q", "Course A")); // a course may be named so
        QVERIFY(!IsAtomicWriteLeftover("User:ABCD-F", "User"));
        QVERIFY(!IsAtomicWriteLeftover("Users:ABCDE", "User"));
    }

    // The learner may have narrowed (or widened) a file's permissions.
    void rewriteKeepsTheMode()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("User");
        QVERIFY(WriteFileAtomically(path, "old"));
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(::chmod(name.constData(), 0640) == 0);
        const mode_t oldMask = ::umask(022); // a new file would get 0644
        QVERIFY(WriteFileAtomically(path, "new"));
        ::umask(oldMask);
        struct stat st {};
        QVERIFY(::stat(name.constData(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
    }

    // A real full disk: a tiny tmpfs filled to the last byte.
    void fullDiskKeepsTheOldFile()
    {
        if (::geteuid() != 0) QSKIP("Mounting a tmpfs needs root; the full-disk case is covered by the fault double only");
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable(QStringLiteral("Cannot mount a tmpfs here (%1); the full-disk case is covered by the "
                                            "fault double only").arg(QString::fromLocal8Bit(strerror(errno)))));
        const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });

        const QString path = dir.filePath("Course A");
        const QByteArray old("\"ABC123\",\"0001.txm\"\r\n");
        QVERIFY(WriteFileAtomically(path, old));
        {
            QFile filler(dir.filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {}
            const QByteArray byte(1, 'f');
            while (filler.write(byte) == 1) {}
        }
        QString error;
        QVERIFY(!WriteFileAtomically(path, old + QByteArray(100, 'r'), &error));
        QVERIFY2(error.contains("space", Qt::CaseInsensitive), qPrintable(error));
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"Course A", "filler"}));
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!WriteFileAtomically(dir.filePath("no/such/User"), "x", &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(AtomicFileTest)
#include "test_atomic_file.moc"
