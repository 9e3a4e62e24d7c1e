#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/Printers.h"
#include "reference/PrinterDialog.h"
#include "reference/Repository.h"
#include "support/CourseBuilder.h"
#include "support/LinkDoubles.h"
#include "support/ModalDriver.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

void buildCourse(CourseBuilder& b)
{
    b.module("MOD001", "First", CourseBuilder::pages(1));
    b.course("Course A", {"MOD001"}, "12");
    b.course("Course B", {"MOD001"}, "12");
    b.writeRegistry();
    b.writeFile("Repository/12/b guide.pdf", "guide");
    b.writeFile("Repository/12/A notes.txt", "notes");
    b.writeFile("Repository/12/c.doc", "doc");
    b.writeFile("Repository/12/.hidden", "h");
    b.writeFile("Repository/12/Sub/inner.txt", "i");
    b.writeFile("Repository/12/Hidden/secret.txt", "s");
}

QStringList listed(const Repository& r)
{
    QStringList names;
    for (int i = 0; i < r.List1->count(); ++i) names << r.List1->item(i)->text();
    return names;
}

Repository& openWindow(int course = 0)
{
    GetInstalledCourses();
    CurCourse = qint16(course);
    return Repository::instance();
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Lowers the largest file this process may write, so that a write fails
// part way as on a full disk.
struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = old;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};

} // namespace

class RepositoryTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheCoursesFilesOnlySortedWithoutRegardToCase()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        const QStringList expected{"A notes.txt", "b guide.pdf", "c.doc"};
        QCOMPARE(listed(openWindow(0)), expected);
        Repository::instance().unload();
        // Two courses sharing a number share their documents.
        QCOMPARE(listed(openWindow(1)), expected);
    }

    void documentButtonsFollowTheSelection()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        Repository& r = openWindow();
        r.showModeless();
        r.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r));
        QTRY_VERIFY(!r.Detach_Btn->isEnabled());
        QCOMPARE(r.View_Btn->skin(), QString("Button_Dis.jpg"));
        r.List1->setCurrentRow(1);
        QTRY_VERIFY(r.Detach_Btn->isEnabled() && r.View_Btn->isEnabled() && r.Print_Btn->isEnabled());
        QCOMPARE(r.Print_Btn->skin(), QString("Button_Off.jpg"));
        r.List1->clearSelection();
        QTRY_VERIFY(!r.Detach_Btn->isEnabled() && !r.View_Btn->isEnabled() && !r.Print_Btn->isEnabled());
        for (const PictureBox* button : {r.Detach_Btn, r.View_Btn, r.Print_Btn})
            QCOMPARE(button->skin(), QString("Button_Dis.jpg"));
    }

    void enterThatClosesAFailureMessageDoesNotRunTheButtonAgain()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services; // no printer
        Repository& r = openWindow();
        r.showModeless();
        r.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r));
        r.List1->setCurrentRow(0);
        QTRY_VERIFY(r.Print_Btn->isEnabled());
        r.Print_Btn->setFocus(Qt::MouseFocusReason);
        QCOMPARE(r.Label2[3]->foreColor(), kBlack);
        // The box takes the keys, and Enter's press closes it.
        QWidget box;
        env.box.onShow = [&](const auto&) {
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            box.hide();
        };
        QTest::keyClick(r.Print_Btn, Qt::Key_Return);
        QCOMPARE(env.box.calls.size(), 1);
        QCOMPARE(env.box.lastText(), GetResString(536));
        QTRY_VERIFY(r.isActiveWindow());
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(r.Print_Btn, &release);
        QCOMPARE(env.box.calls.size(), 1);
        // The button keeps the look its action gave it.
        QCOMPARE(r.Label2[3]->foreColor(), kWhite);
        QCOMPARE(r.Print_Btn->skin(), QString("Button_Off.jpg"));
    }

    void openingHandsTheDocumentToTheShellAndHidesTheWindow()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        Repository& r = openWindow();
        r.showModeless();
        r.List1->setCurrentRow(1);
        r.List1_DblClick();
        QVERIFY(!r.isVisible());
        QVERIFY(Repository::loaded());
        r.View_Btn_MouseUp();
        QCOMPARE(services.shell.calls.size(), 2);
        const QString path = QDir(b.path()).filePath("Repository/12/b guide.pdf");
        QCOMPARE(services.shell.calls[0].file, path);
        QCOMPARE(services.shell.calls[0].showMode, 5);
        QVERIFY(services.shell.calls[0].owner == &r);
        QCOMPARE(services.shell.calls[1].showMode, 3);
        // Shown again: the same list and selection, the folder not read again.
        b.writeFile("Repository/12/d new.txt", "new");
        Repository& again = Repository::instance();
        QCOMPARE(&again, &r);
        QCOMPARE(again.List1->count(), 3);
        QCOMPARE(again.List1->currentRow(), 1);
    }

    void detachSavesACopyWhereTheLearnerChooses()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        QTemporaryDir out;
        Repository& r = openWindow();
        r.List1->setCurrentRow(1);
        const QString existing = out.filePath("mine.pdf");
        const auto writeExisting = [&] {
            QFile f(existing);
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("learner's own");
            f.close();
            f.setPermissions(QFileDevice::ReadOwner); // read-only
        };
        writeExisting();

        // Cancelled dialog: nothing.
        services.saveDialog.answers.enqueue(QString());
        r.Detach_Btn_MouseUp();
        QCOMPARE(services.saveDialog.calls.size(), 1);
        QCOMPARE(services.saveDialog.calls[0].title, GetResString(140));
        QVERIFY(services.saveDialog.calls[0].preset.endsWith("/b guide.pdf"));
        QCOMPARE(services.saveDialog.calls[0].suffix, QString("pdf"));
        QCOMPARE(env.box.calls.size(), 0);

        // Onto an existing file, answered No: untouched.
        services.saveDialog.answers.enqueue(existing);
        env.box.answer(vbNo);
        r.Detach_Btn_MouseUp();
        QCOMPARE(env.box.lastText(), GetResString(508));
        QCOMPARE(env.box.calls.last().title, GetResString(509));
        QCOMPARE(contents(existing), QByteArray("learner's own"));

        // Answered Yes: replaced, read-only or not.
        services.saveDialog.answers.enqueue(existing);
        env.box.answer(vbYes);
        r.Detach_Btn_MouseUp();
        QCOMPARE(contents(existing), QByteArray("guide"));

        // Onto the document itself: nothing to do, and the document stays.
        services.saveDialog.answers.enqueue(QDir(b.path()).filePath("Repository/12/b guide.pdf"));
        r.Detach_Btn_MouseUp();
        QCOMPARE(env.box.calls.size(), 2);
        QCOMPARE(contents(QDir(b.path()).filePath("Repository/12/b guide.pdf")), QByteArray("guide"));

        // A write that fails part way (the file grows past the process's size
        // limit) is told with its reason and keeps the old file.
        writeExisting();
        const QString document = QDir(b.path()).filePath("Repository/12/b guide.pdf");
        b.writeFile("Repository/12/b guide.pdf", QByteArray(256 * 1024, 'g'));
        services.saveDialog.answers.enqueue(existing);
        env.box.answer(vbYes);
        {
            const FileSizeLimit limit(64 * 1024);
            r.Detach_Btn_MouseUp();
        }
        QCOMPARE(env.box.lastText(), GetResString(642) + QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(contents(existing), QByteArray("learner's own"));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mine.pdf"});

        // A document that has gone is not copied, onto an old file or a new one.
        QVERIFY(QFile::remove(document));
        services.saveDialog.answers << existing << out.filePath("new.pdf");
        env.box.answer(vbYes);
        const QString gone = GetResString(642) + QString::fromLocal8Bit(std::strerror(ENOENT));
        r.Detach_Btn_MouseUp();
        QCOMPARE(env.box.lastText(), gone);
        QCOMPARE(contents(existing), QByteArray("learner's own"));
        env.box.clear();
        r.Detach_Btn_MouseUp();
        QCOMPARE(env.box.lastText(), gone);
        QVERIFY(!QFile::exists(out.filePath("new.pdf")));
    }

    void everyListedDocumentCanBeOpenedDetachedAndPrinted()
    {
        CourseBuilder b;
        b.module("MOD001", "First", CourseBuilder::pages(1));
        b.course("Course A", {"MOD001"}, "12");
        b.writeRegistry();
        const QStringList names{"Is it \"safe\"?.txt", "a<b>c:d|e*f\\g.txt", "two\nlines.txt", "locked.pdf"};
        for (const QString& n : names) b.writeFile("Repository/12/" + n, "doc");
        const QString folder = QDir(b.path()).filePath("Repository/12/");
        QFile(folder + "locked.pdf").setPermissions({});
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        services.printers.list = {{"Front Desk", ""}};
        QTemporaryDir out;
        Repository& r = openWindow();
        QCOMPARE(listed(r), (QStringList{"a<b>c:d|e*f\\g.txt", "Is it \"safe\"?.txt", "locked.pdf", "two\nlines.txt"}));
        for (int row : {0, 1, 3}) {
            r.List1->setCurrentRow(row);
            const QString path = folder + listed(r)[row];
            r.View_Btn_MouseUp();
            QCOMPARE(services.shell.calls.last().file, path);
            qmtest::WhenFormShown("frmPrinterDialog", [](Form& f) {
                QTest::mouseClick(static_cast<frmPrinterDialog&>(f).cmdOK, Qt::LeftButton);
            });
            r.Print_Btn_MouseUp();
            QCOMPARE(services.shell.calls.last().verb, QString("print"));
            QCOMPARE(services.shell.calls.last().file, path);
            services.saveDialog.answers.enqueue(out.filePath(QString::number(row)));
            r.Detach_Btn_MouseUp();
            QCOMPARE(contents(out.filePath(QString::number(row))), QByteArray("doc"));
        }
        QCOMPARE(env.box.calls.size(), 0);

        // A document the learner may not read is listed; opening it says so.
        if (QFileInfo(folder + "locked.pdf").isReadable()) QSKIP("the tests run with rights to read any file");
        setShellService(nullptr); // the real shell refuses it before any program runs
        r.List1->setCurrentRow(2);
        r.View_Btn_MouseUp();
        QCOMPARE(env.box.lastText(), GetResString(515));
    }

    void aNameThatIsNotUtf8IsListedAndReachedByItsBytes()
    {
        CourseBuilder b;
        b.module("MOD001", "First", CourseBuilder::pages(1));
        b.course("Course A", {"MOD001"}, "12");
        b.writeRegistry();
        b.writeFile("Repository/12/a.txt", "a");
        const QByteArray folder = QFile::encodeName(QDir(b.path()).filePath("Repository/12"));
        const QByteArray real = folder + "/bad\xff.txt";
        {
            QFile f;
            QVERIFY(f.open(std::fopen(real.constData(), "w"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            f.write("bytes");
        }
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        services.printers.list = {{"Front Desk", ""}};
        QTemporaryDir out;
        Repository& r = openWindow();
        QCOMPARE(listed(r), (QStringList{"a.txt", QString("bad\uFFFD.txt")}));
        r.List1->setCurrentRow(1);
        const auto reachesTheFile = [](const QString& path) { return contents(path) == "bytes"; };
        r.View_Btn_MouseUp();
        QVERIFY(reachesTheFile(services.shell.calls.last().file));
        qmtest::WhenFormShown("frmPrinterDialog", [](Form& f) {
            QTest::mouseClick(static_cast<frmPrinterDialog&>(f).cmdOK, Qt::LeftButton);
        });
        r.Print_Btn_MouseUp();
        QCOMPARE(services.shell.calls.last().verb, QString("print"));
        QVERIFY(reachesTheFile(services.shell.calls.last().file));
        services.saveDialog.answers.enqueue(out.filePath("copy.txt"));
        r.Detach_Btn_MouseUp();
        QCOMPARE(contents(out.filePath("copy.txt")), QByteArray("bytes"));
        QCOMPARE(env.box.calls.size(), 0);
    }

    void aDetachCutShortInItsOnlyBlockIsTold()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("Repository/12/b guide.pdf", QByteArray(40 * 1024, 'g')); // less than one block of the copy
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        QTemporaryDir out;
        Repository& r = openWindow();
        r.List1->setCurrentRow(1);
        services.saveDialog.answers.enqueue(out.filePath("copy.pdf"));
        {
            const FileSizeLimit limit(16 * 1024); // the disk fills part way through it
            r.Detach_Btn_MouseUp();
        }
        QCOMPARE(env.box.lastText(), GetResString(642) + QString::fromLocal8Bit(std::strerror(EFBIG)));
        QVERIFY(!QFile::exists(out.filePath("copy.pdf")));
    }

    void aFullDiskIsToldAsSuch()
    {
        CourseBuilder b;
        buildCourse(b);
        b.writeFile("Repository/12/b guide.pdf", QByteArray(256 * 1024, 'g'));
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        QTemporaryDir small;
        if (mount("tmpfs", QFile::encodeName(small.path()).constData(), "tmpfs", 0, "size=40k") != 0)
            QSKIP("no small disk can be made here");
        Repository& r = openWindow();
        r.List1->setCurrentRow(1);
        services.saveDialog.answers.enqueue(small.filePath("copy.pdf"));
        r.Detach_Btn_MouseUp();
        QStringList told{env.box.lastText()};
        // A small document onto a disk with no room left at all.
        {
            QFile filler(small.filePath("filler"));
            filler.open(QIODevice::WriteOnly);
            const QByteArray block(1024, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {}
        }
        r.List1->setCurrentRow(2);
        services.saveDialog.answers.enqueue(small.filePath("c.doc"));
        r.Detach_Btn_MouseUp();
        told << env.box.lastText();
        umount2(QFile::encodeName(small.path()).constData(), MNT_DETACH);
        const QString full = GetResString(642) + QString::fromLocal8Bit(std::strerror(ENOSPC));
        QCOMPARE(told, (QStringList{full, full}));
    }

    void printGoesThroughThePrinterDialogToTheShell()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        Repository& r = openWindow();
        r.List1->setCurrentRow(0);

        // No printer: the message, and no dialog.
        r.Print_Btn_MouseUp();
        QCOMPARE(env.box.lastText(), GetResString(536));
        QVERIFY(!frmPrinterDialog::loaded());

        services.printers.list = {{"Front Desk", "Ground floor"}, {"Office Laser", "Room 2"}};
        qmtest::WhenFormShown("frmPrinterDialog", [](Form& f) {
            auto& d = static_cast<frmPrinterDialog&>(f);
            d.cboPrinters->setCurrentIndex(1);
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        });
        r.Print_Btn_MouseUp();
        QCOMPARE(services.shell.calls.size(), 1);
        QCOMPARE(services.shell.calls[0].verb, QString("print"));
        QCOMPARE(services.shell.calls[0].showMode, 1);
        QCOMPARE(services.shell.calls[0].file, QDir(b.path()).filePath("Repository/12/A notes.txt"));
        QCOMPARE(CurrentPrinterName(), QString("Office Laser"));
        QVERIFY(Repository::loaded());
    }
};

QTEST_MAIN(RepositoryTest)
#include "test_repository.moc"
