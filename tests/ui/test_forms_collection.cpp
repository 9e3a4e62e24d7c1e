#include "support/TestDoubles.h"
#include "ui/Form.h"
#include "ui/FormsCollection.h"

#include <QtTest>

using namespace qm;

namespace {
class Plain : public Form {
public:
    explicit Plain(const QString& name) : Form(name) {}
    int loads = 0, unloads = 0;
    bool refuseClose = false;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    bool Form_QueryUnload(int) override { return refuseClose; }
};

class Single : public SingleForm<Single> {
public:
    Single() : SingleForm<Single>(QStringLiteral("Single")) {}
};
} // namespace

class FormsCollectionTest : public QObject {
    Q_OBJECT
private slots:
    void loadedIndexFollowsLoadOrderAndIdentity()
    {
        qmtest::TestEnvironment env;
        auto* a = new Plain(QStringLiteral("TestReview"));
        auto* b = new Plain(QStringLiteral("Status"));
        QCOMPARE(FormLoadedIndex(a), 0); // created, not loaded
        a->load();
        b->load();
        QCOMPARE(FormLoadedIndex(a), 1);
        QCOMPARE(FormLoadedIndex(b), 2);
        QVERIFY(IsFormLoadedByName(QStringLiteral("TestReview")));
        QVERIFY(!IsFormLoadedByName(QStringLiteral("testreview")));
        a->unload();
        QCOMPARE(FormLoadedIndex(a), 0);
        QCOMPARE(FormLoadedIndex(b), 1);
        QVERIFY(!IsFormLoadedByName(QStringLiteral("TestReview")));
        QCOMPARE(a->unloads, 1);
        b->unload();
    }

    void singleInstanceIsBuiltAfreshAfterUnload()
    {
        qmtest::TestEnvironment env;
        QVERIFY(!Single::loaded());
        Single& first = Single::instance();
        QVERIFY(Single::loaded());
        QCOMPARE(&Single::instance(), &first);
        first.unload();
        QVERIFY(!Single::loaded());
        QVERIFY(Single::ifLoaded() == nullptr);
        Single& second = Single::instance();
        QVERIFY(second.isLoaded());
        second.unload();
    }

    void closeBoxAsksTheWindowAndModalShowReturnsOnUnload()
    {
        qmtest::TestEnvironment env;
        auto* f = new Plain(QStringLiteral("Dialog"));
        f->load();
        f->refuseClose = true;
        f->showModeless();
        f->close();
        QVERIFY(f->isLoaded());
        QVERIFY(f->isVisible());
        f->refuseClose = false;
        QTimer::singleShot(0, f, [f] { f->close(); });
        f->hide();
        f->showModal(); // returns once the close box unloads it
        QVERIFY(!f->isLoaded());
        QCOMPARE(f->unloads, 1);
    }
};

QTEST_MAIN(FormsCollectionTest)
#include "test_forms_collection.moc"
