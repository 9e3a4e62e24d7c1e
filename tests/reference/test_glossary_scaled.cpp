// The glossary window on a 1024 by 768 screen whose desktop scales its text
// (QM_TEST_SCALE, 1.25 unless set): every definition line and every letter
// of the bar shows whole.
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/ScreenMetrics.h"
#include "reference/Glossary.h"
#include "support/ScaledScreen.h"
#include "support/TestDoubles.h"

#include <QFile>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

using namespace qm;

class GlossaryScaledTest : public QObject {
    Q_OBJECT
private slots:
    void definitionsAndLettersFitTheWindow()
    {
        const ScreenInfo real = Screen();
        QTemporaryDir dir;
        qmtest::TestEnvironment env(dir.path());
        env.screen.info = real;
        Courses = {CourseRecord{"Safety", {}, "12", true}};
        CurCourse = 0;

        const QString words = QString("Wide words, Mmmm and WWWW, fill the line ").repeated(12)
                              + QString(300, QChar('W')) + " end";
        QByteArray text;
        for (char c = 'A'; c <= 'Z'; ++c) text += "^" + QByteArray(1, c) + "%Term~" + words.toLatin1();
        QFile f(dir.filePath("Glossary.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();

        BuildGlossaryViews();
        Glossary& g = Glossary::instance();
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));

        const QTableWidget* grid = g.MSFlexGrid1;
        const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
        const int room = grid->viewport()->width() - grid->columnViewportPosition(1) - margin;
        QStringList shown;
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QTableWidgetItem* item = grid->item(r, 1);
            if (!item || item->text().isEmpty() || item->font().bold()) continue;
            QVERIFY2(QFontMetrics(item->font()).horizontalAdvance(item->text()) <= room, qPrintable(item->text()));
            shown << item->text();
            if (item->text().endsWith("end")) break;
        }
        QCOMPARE(shown.join(' ').remove(' '), QString(words).remove(' '));

        const QTableWidget* bar = g.MSFlexGrid2;
        QCOMPARE(bar->columnCount(), 26);
        QVERIFY(bar->columnViewportPosition(25) + bar->columnWidth(25) <= bar->viewport()->width());
        QVERIFY(bar->columnWidth(0) >= QFontMetrics(bar->font()).horizontalAdvance('W'));
        g.hide();
    }
};

int main(int argc, char** argv)
{
    QTemporaryFile config;
    const QByteArray scale = qEnvironmentVariableIsSet("QM_TEST_SCALE") ? qgetenv("QM_TEST_SCALE") : "1.25";
    if (!qmtest::UseScaledScreen(config, scale)) return 1;
    QApplication app(argc, argv);
    GlossaryScaledTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_glossary_scaled.moc"
