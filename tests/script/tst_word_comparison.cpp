#include "script/word_comparison.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordComparison : public QObject
{
    Q_OBJECT

private slots:
    void compares_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("wrong");

        QTest::newRow("right with a trailing blank") << u"राम"_s << u"राम "_s << u"राम"_s << QString();
        QTest::newRow("right with control characters") << u"\tराम\n"_s << u"राम"_s << u"राम"_s
                                                       << QString();
        QTest::newRow("missing vowel sign") << u"राम"_s << u"रम"_s << u"र,म"_s << u"ा"_s;
        QTest::newRow("empty answer") << u"राम"_s << QString() << QString() << QString();
        QTest::newRow("blank answer") << u"राम"_s << u"  \t"_s << QString() << QString();
        QTest::newRow("missing then excess letters") << u"कम"_s << u"कप"_s << u"क"_s << u"म,प"_s;
        QTest::newRow("each letter once") << u"ममता"_s << u"मता"_s << u"म,त,ा"_s << QString();
        QTest::newRow("excess letters once") << u"क"_s << u"खखग"_s << QString() << u"क,ख,ग"_s;
        QTest::newRow("case counts") << u"ka"_s << u"Ka"_s << u"a"_s << u"k,K"_s;
    }

    void compares()
    {
        QFETCH(QString, expected);
        QFETCH(QString, answer);
        QFETCH(QString, right);
        QFETCH(QString, wrong);
        const LetterComparison result = CompareWordLetters(expected, answer);
        QCOMPARE(result.right, right);
        QCOMPARE(result.wrong, wrong);
    }
};

QTEST_APPLESS_MAIN(TestWordComparison)
#include "tst_word_comparison.moc"
