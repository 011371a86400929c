#include "script/keyboard_layout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using SanskritKeyboard::Modifiers;

class TestKeyboardLayout : public QObject
{
    Q_OBJECT

private slots:
    void keysByModifier_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("rightAlt");
        QTest::addColumn<QString>("typed");
        QTest::newRow("two characters with Shift") << 1 << 4 << true << false << u"्र"_s;
        QTest::newRow("ksha part") << 1 << 8 << true << false << u"क्"_s;
        QTest::newRow("vocalic r sign") << 1 << 13 << false << false << u"ृ"_s;
        QTest::newRow("rra") << 3 << 7 << true << false << u"\u0931"_s;
        QTest::newRow("nnna") << 4 << 4 << true << false << u"\u0929"_s;
        QTest::newRow("llla") << 4 << 5 << true << false << u"\u0934"_s;
        QTest::newRow("yya") << 4 << 10 << true << false << u"\u095F"_s;
        QTest::newRow("ghha") << 2 << 8 << false << true << u"\u095A"_s;
        QTest::newRow("za") << 2 << 10 << false << true << u"\u095B"_s;
        QTest::newRow("dddha") << 2 << 11 << false << true << u"\u095C"_s;
        QTest::newRow("anudatta") << 3 << 10 << false << true << u"\u0952"_s;
        QTest::newRow("grave accent") << 4 << 1 << false << true << u"\u0953"_s;
        QTest::newRow("acute accent") << 4 << 3 << false << true << u"\u0954"_s;
        QTest::newRow("abbreviation") << 4 << 8 << false << true << u"\u0970"_s;
        QTest::newRow("double danda") << 4 << 9 << false << true << u"॥"_s;
        QTest::newRow("vocalic ll with both") << 2 << 4 << true << true << u"ॡ"_s;
        QTest::newRow("vocalic l with both") << 3 << 4 << true << true << u"ऌ"_s;
        QTest::newRow("no character") << 1 << 10 << true << false << QString();
        QTest::newRow("backslash key") << 1 << 14 << false << false << u"ॉ"_s;
        QTest::newRow("ya") << 4 << 10 << false << false << u"य"_s;
    }

    void keysByModifier()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, rightAlt);
        QFETCH(QString, typed);
        QCOMPARE(SanskritKeyboard::DevanagariKey(row - 1, key - 1, Modifiers{shift, rightAlt}), typed);
    }

    void pagesOfLetters()
    {
        QCOMPARE(SanskritKeyboard::RowLength(0) + SanskritKeyboard::RowLength(1) + SanskritKeyboard::RowLength(2)
                     + SanskritKeyboard::RowLength(3),
                 47);
        QCOMPARE(SanskritKeyboard::IastKeys().size(), 19);
        QCOMPARE(SanskritKeyboard::CyrillicKeys().size(), 18);
        QCOMPARE(SanskritKeyboard::CyrillicKeys()[6], u"л\u0323\u0304"_s);
        QVERIFY(SanskritKeyboard::DevanagariKey(4, 0, {}).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestKeyboardLayout)
#include "tst_keyboard_layout.moc"
