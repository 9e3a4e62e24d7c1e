#include "app/Globals.h"
#include "platform/TextFile.h"
#include "reference/About.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace qm;

namespace {

void writeAbout(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    QDir(dir.path()).mkpath("About");
    QFile f(dir.filePath("About/About " + name + ".txt"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// Shows About, reads what it shows and closes it with its button.
struct Seen {
    QString text, version;
    QStringList captions;
    bool versionAfterName = false;
    bool versionOnNamesLine = false;
    bool linesUnbroken = false;
};
Seen showAndClose()
{
    Seen seen;
    QTimer::singleShot(0, [&] {
        About& a = About::instance();
        seen.text = a.Text1->toPlainText();
        seen.version = a.Label6->text();
        seen.captions = {a.Label2->text(), a.Label4->text(), a.Label5->text(), a.Label3->text()};
        seen.versionAfterName = a.Label6->x() == a.Label5->x() + a.Label5->width();
        seen.versionOnNamesLine = a.Label6->geometry().top() == a.Label5->geometry().top()
                                  && a.Label6->height() == a.Label5->height();
        // Every line of the file fits the box's width, so none is broken in two.
        int widest = 0;
        for (const QString& line : seen.text.split('\n'))
            widest = qMax(widest, a.Text1->fontMetrics().horizontalAdvance(line));
        seen.linesUnbroken = widest < a.Text1->viewport()->width() - 2 * a.Text1->document()->documentMargin();
        QTest::mouseClick(a.Label3, Qt::LeftButton);
    });
    ShowAbout();
    return seen;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheChosenEntrysFileAtEachShowing()
    {
        QTemporaryDir dir;
        qmtest::TestEnvironment env(dir.path());
        Courses = {CourseRecord{"Safety", {}, "12", true}, CourseRecord{"Privacy", {}, "14", true},
                   CourseRecord{"All modules", {}, "", true}};
        CurCourse = 2;
        AllModulesMode = 1;
        writeAbout(dir, "Safety", "About safety");
        writeAbout(dir, "All modules", "Every module\r\nof every course");

        Seen first = showAndClose();
        QCOMPARE(first.text, QString("Every module\nof every course"));
        QCOMPARE(first.version, QString("1.0.0"));
        QCOMPARE(first.captions, (QStringList{GetResString(415), GetResString(417), GetResString(418), GetResString(416)}));
        QVERIFY(first.versionAfterName);
        QVERIFY(first.versionOnNamesLine);
        QVERIFY(!About::loaded()); // Close unloads it

        writeAbout(dir, "All modules", "Edited while running");
        QCOMPARE(showAndClose().text, QString("Edited while running"));

        QFile::remove(dir.filePath("About/About All modules.txt"));
        QCOMPARE(showAndClose().text, QString()); // no file, no message
        QVERIFY(env.box.calls.isEmpty());

        // A course text written with lines of about ninety characters.
        writeAbout(dir, "All modules",
                   "This course shows how to stay safe in the office: how to leave the building in an\r\n"
                   "emergency, how to help someone who is hurt, and how to set up a workstation that does\r\n");
        QVERIFY(showAndClose().linesUnbroken);
        QVERIFY(env.box.calls.isEmpty());

        // A file over its cap shows nothing of it and names it.
        writeAbout(dir, "All modules", QByteArray(int(kMaxAboutBytes) + 1, 'x'));
        QCOMPARE(showAndClose().text, QString());
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().contains("About All modules.txt"));
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
