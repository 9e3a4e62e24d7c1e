#include "platform/TextControl.h"
#include "reference/Help.h"
#include "support/CourseBuilder.h"
#include "support/TestDoubles.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"

#include <QTimer>
#include <QtTest>

using namespace qm;

namespace {
void whileModal(std::function<void()> steps) { QTimer::singleShot(0, std::move(steps)); }
} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void theSecondDocumentReplacesTheFirst()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        QStringList seen;
        auto readAndClose = [&] {
            Help& h = Help::instance();
            seen << h.TXTextControl1->text();
            QTest::mouseClick(h.Command1, Qt::LeftButton);
        };
        whileModal(readAndClose);
        QVERIFY(ShowHelpDocument("StatusHelp.rtf", nullptr));
        Help* first = Help::ifLoaded();
        QVERIFY(first && !first->isVisible()); // hidden, not unloaded
        whileModal(readAndClose);
        QVERIFY(ShowHelpDocument("RepositoryHelp.rtf", nullptr));
        QCOMPARE(Help::ifLoaded(), first);
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[0].contains("Check progress"));
        QVERIFY(seen[1].contains("Repository"));
        QVERIFY(!seen[1].contains("Check progress"));
        QCOMPARE(first->Label2->text(), GetResString(253));
        QCOMPARE(first->Label2->property("index").toInt(), 1);
        QVERIFY(env.box.calls.isEmpty());
    }

    void enterClosesOnlyWhileTheCloseCaptionIsBlack()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        bool stayed = false;
        quint32 before = 0;
        bool closed = false;
        whileModal([&] {
            Help& h = Help::instance();
            before = h.Label2->foreColor();
            QTest::keyClick(&h, Qt::Key_Return);
            stayed = h.isVisible();
            QTest::mouseMove(h.Label2, QPoint(5, 5)); // gives the button the focus
            QTRY_COMPARE(h.Label2->foreColor(), kBlack);
            QCOMPARE(h.Command1->skin(), QString("Button_On.jpg"));
            QTest::keyClick(&h, Qt::Key_Return);
            closed = !h.isVisible();
            if (!closed) h.CloseHelp();
        });
        ShowHelpDocument("StatusHelp.rtf", nullptr);
        QCOMPARE(before, kWhite);
        QVERIFY(stayed);
        QVERIFY(closed);
        Help& h = Help::instance();
        QCOMPARE(h.Label2->foreColor(), kWhite);
        QCOMPARE(h.Command1->skin(), QString("Button_Off.jpg"));
    }

    void theCloseBoxHidesTheViewer()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        whileModal([] { Help::instance().close(); });
        ShowHelpDocument("StatusHelp.rtf", nullptr);
        QVERIFY(Help::loaded());
        QVERIFY(!Help::instance().isVisible());
    }

    void aMissingDocumentIsReportedAndNotShown()
    {
        qmtest::CourseBuilder b;
        qmtest::TestEnvironment env(b.path());
        QVERIFY(!ShowHelpDocument("StatusHelp.rtf", nullptr));
        QCOMPARE(env.box.calls.size(), 1);
        QVERIFY(env.box.lastText().contains("StatusHelp.rtf"));
        QVERIFY(!Help::instance().isVisible());
    }

    void theViewerOutlivesTheWindowItWasShownOver()
    {
        qmtest::TestEnvironment env(QM_PROGRAM_DIR);
        auto* owner = new QWidget;
        owner->show();
        whileModal([] { Help::instance().CloseHelp(); });
        ShowHelpDocument("StatusHelp.rtf", owner);
        delete owner;
        QVERIFY(Help::loaded());
        QVERIFY(Help::instance().parentWidget() == nullptr);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "test_help_viewer.moc"
