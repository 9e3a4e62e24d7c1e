#include "platform/AtomicFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

class AtomicFileTest : public QObject {
    Q_OBJECT
    QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void cleanup() { testing::InterruptNextAtomicWriteAfter(-1); }

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
