#include "ui/NameChecks.h"

#include <QtTest>

using namespace qm;

class NameChecksTest : public QObject {
    Q_OBJECT

private slots:
    void illegalCharacters()
    {
        QCOMPARE(IllegalNameChars().size(), 9);
        for (const QChar c : IllegalNameChars()) {
            QVERIFY2(HasIllegalNameChars(QString("Ann") + c + "Lee"), qPrintable(QString(c)));
            QVERIFY(HasIllegalNameChars(QString(c)));
        }
        QVERIFY(!HasIllegalNameChars("Mary-Jo O'Neil Smith"));
        QVERIFY(!HasIllegalNameChars(""));
        QVERIFY(!HasIllegalNameChars("Zoë Ångström"));

        // Control characters are refused like the nine, but are not among them.
        for (const char* s : {"A\tB", "A\nB", "A\rB", "A\x7f"}) {
            QVERIFY(!HasIllegalNameChars(s));
            QVERIFY(IsRefusedNameText(s));
        }
        QVERIFY(IsRefusedNameText(QString("A") + QChar(0) + "B"));
        QVERIFY(IsRefusedNameText(QString("A") + QChar(0x85)));
    }

    void illegalCharacterMessageText()
    {
        const CheckMessage m = CheckNameText("a:b");
        QCOMPARE(m.textId, 510);
        QCOMPARE(m.titleId, 511);
        QCOMPARE(m.text(), QString("Name can not contain the following characters:   \\ / : * ? \" < > |"));
        QCOMPARE(m.title(), QString("Illegal character"));
        const CheckMessage blank = CheckNameText(" Ann");
        QCOMPARE(blank.text(),
                 QString("Invalid name format.  A space cannot precede your first or last name."));
        QCOMPARE(blank.title(), QString("Name Error"));
        QVERIFY(CheckNameText("").ok());
        QVERIFY(!CheckMessage::of(MsgAlreadyRegistered).text().isEmpty());
    }

    void emailRule_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("malformed");
        QTest::newRow("plain") << "ann@example.org" << false;
        QTest::newRow("first dot inside, ends with dot") << "ann.lee@example." << false;
        QTest::newRow("dot before at") << "a.b@c" << false;
        QTest::newRow("begins with @") << "@example.org" << true;
        QTest::newRow("ends with @") << "ann.lee@" << true;
        QTest::newRow("no @") << "ann.example.org" << true;
        QTest::newRow("no dot") << "ann@example" << true;
        QTest::newRow("begins with dot") << ".ann@example.org" << true;
        QTest::newRow("only dot last") << "ann@example." << true;
        QTest::newRow("blank") << "ann lee@example.org" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("double quote") << "a\"b@example.org" << true;
        QTest::newRow("line end") << "ann@example.org\r\n" << true;
    }

    void emailRule()
    {
        QFETCH(QString, email);
        QFETCH(bool, malformed);
        QCOMPARE(IsMalformedEmail(email), malformed);
        const CheckMessage m = CheckEmailText(email);
        QCOMPARE(m.ok(), !malformed);
        if (malformed) {
            QCOMPARE(m.text(), QString("Invalid E-mail Address Format."));
            QCOMPARE(m.title(), QString("E-mail Address Error."));
        }
    }

    void trimTrailingBlanks()
    {
        QCOMPARE(TrimTrailingBlanks("Ann  "), QString("Ann"));
        QCOMPARE(TrimTrailingBlanks("  "), QString());
        QCOMPARE(TrimTrailingBlanks(" Ann"), QString(" Ann"));
    }
};

QTEST_GUILESS_MAIN(NameChecksTest)
#include "test_name_checks.moc"
