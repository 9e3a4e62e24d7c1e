#include "support/TestDoubles.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/ScaleForm.h"
#include "ui/TextLabel.h"

#include <QComboBox>
#include <QTimer>
#include <QtTest>

using namespace qm;

namespace {
class Dialog : public Form {
public:
    Dialog() : Form(QStringLiteral("Dialog")) {}
};

bool same(const TwipsRect& a, const TwipsRect& b)
{
    return qFuzzyCompare(a.left + 1, b.left + 1) && qFuzzyCompare(a.top + 1, b.top + 1)
        && qFuzzyCompare(a.width + 1, b.width + 1) && qFuzzyCompare(a.height + 1, b.height + 1);
}
} // namespace

class ScaleFormTest : public QObject {
    Q_OBJECT
private slots:
    void designScreenLeavesEverythingAsDesigned()
    {
        const TwipsRect r{1500, 1500, 3000, 300};
        for (ControlKind k : {ControlKind::Ordinary, ControlKind::Label, ControlKind::ComboBox})
            QVERIFY(same(ScaleControlTwips(r, k, 15, 15), r));
        QVERIFY(same(ScaleWindowTwips(r, 15, 15), r));
    }

    void largeFontsScaleTwipsByFourFifths()
    {
        const TwipsRect r{1500, 1500, 3000, 300};
        QVERIFY(same(ScaleControlTwips(r, ControlKind::Ordinary, 12, 12), TwipsRect{1200, 1200, 2400, 240}));
        QVERIFY(same(ScaleWindowTwips(TwipsRect{0, 0, 15360, 11520}, 12, 12), TwipsRect{0, 0, 12288, 9216}));
        // A label of 20 design pixels at 100 from the top: 25 pixels high at 97.
        const TwipsRect label = ScaleControlTwips(r, ControlKind::Label, 12, 12);
        QCOMPARE(label.height, 25.0f * 12);
        QCOMPARE(label.top, 97.0f * 12);
        QCOMPARE(label.width, 2400.0f);
        // A combo box keeps its height and only moves.
        const TwipsRect combo = ScaleControlTwips(TwipsRect{1500, 1500, 3000, 315}, ControlKind::ComboBox, 12, 12);
        QCOMPARE(combo.height, 315.0f);
        QCOMPARE(combo.top, 1200.0f);
        // Controls without extent are left alone.
        QVERIFY(same(ScaleControlTwips(r, ControlKind::NoExtent, 12, 12), r));
    }

    void windowKeepsItsPixelLayoutOnALargeFontScreen()
    {
        qmtest::TestEnvironment env;
        env.screen.info.twipsPerPixelX = env.screen.info.twipsPerPixelY = 12;
        Dialog d;
        d.setGeometry(10, 10, 400, 300);
        auto* pic = NewPictureBox(&d, QStringLiteral("Pic"), QRect(10, 20, 100, 30));
        auto* label = NewLabel(&d, QStringLiteral("Lbl"), QRect(10, 100, 200, 20));
        auto* combo = Place(&d, new QComboBox(&d), QStringLiteral("Combo"), QRect(10, 150, 200, 21));
        auto* timer = d.addControl(new QTimer(&d));
        auto* noExtent = Place(&d, new QWidget(&d), QStringLiteral("Dialog1"), QRect(5, 5, 7, 7));
        noExtent->setProperty("noExtent", true);
        timer->setInterval(123);

        ScaleFormToScreen(d);

        QCOMPARE(pic->geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(label->geometry(), QRect(10, 97, 200, 25));
        QCOMPARE(combo->geometry(), QRect(10, 150, 200, 26)); // 315 twips at 12 per pixel
        QCOMPARE(noExtent->geometry(), QRect(5, 5, 7, 7));
        QCOMPARE(timer->interval(), 123);
        QCOMPARE(d.size(), QSize(400, 300));
    }

    void designScreenChangesNoPixel()
    {
        qmtest::TestEnvironment env;
        Dialog d;
        d.setGeometry(10, 10, 400, 300);
        auto* label = NewLabel(&d, QStringLiteral("Lbl"), QRect(10, 100, 200, 20));
        auto* combo = Place(&d, new QComboBox(&d), QStringLiteral("Combo"), QRect(10, 150, 200, 21));
        ScaleFormToScreen(d);
        QCOMPARE(label->geometry(), QRect(10, 100, 200, 20));
        QCOMPARE(combo->geometry(), QRect(10, 150, 200, 21));
    }
};

QTEST_MAIN(ScaleFormTest)
#include "test_scale_form.moc"
