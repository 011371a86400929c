#include "script/replace_all.h"

#include <QRandomGenerator>
#include <QTest>

#include "support/random_text.h"

using namespace Qt::StringLiterals;

namespace {

// The rewriting exactly as the learner's rules describe it: find the first occurrence from the
// start, replace it, and search again from the start.
QString restartingReplace(QString text, const QString &pattern, const QString &replacement)
{
    if (pattern.isEmpty())
        return text;
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern))
        text.replace(at, pattern.size(), replacement);
    return text;
}


} // namespace

class TestReplaceAll : public QObject
{
    Q_OBJECT

private slots:
    void replacesAsSearchingFromTheStart_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");

        QTest::newRow("each replacement searched again") << "aaaa" << "aa" << "a" << "a";
        QTest::newRow("empty pattern changes nothing") << "abc" << "" << "x" << "abc";
        QTest::newRow("not found") << "abc" << "d" << "x" << "abc";
        QTest::newRow("empty source") << "" << "a" << "b" << "";
        QTest::newRow("deletion joins a new occurrence") << "abbc" << "b" << "" << "ac";
        QTest::newRow("deletion rebuilds the pattern") << "aabb" << "ab" << "" << "";
        QTest::newRow("replacement joins the text on its left") << "xab" << "ab" << "x" << "xx";
        QTest::newRow("replacement forms the pattern with the left") << "aab" << "ab" << "b" << "b";
        QTest::newRow("replacement forms the pattern with the right") << "abb" << "ab" << "a" << "a";
        QTest::newRow("occurrence among copied characters") << "xyabcabc" << "abc" << "y"
                                                             << "xyyy";
        QTest::newRow("virama consumed")
            << u"क्ā"_s << u"क्"_s << u"k"_s << u"kā"_s;
    }

    void replacesAsSearchingFromTheStart()
    {
        QFETCH(QString, source);
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(ReplaceAll(source, pattern, replacement), expected);
    }

    // The one-sweep rewriting agrees with the searching-from-the-start rewriting on every text,
    // including where replacements cascade into their neighbours.
    void agreesWithRestartingSearch_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 8; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void agreesWithRestartingSearch()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        for (int round = 0; round < 3000; ++round) {
            const QString pattern = RandomText(random, u"ab", 0, 3);
            QString replacement = RandomText(random, u"abc", 0, 3);
            if (pattern.isEmpty() || replacement.contains(pattern))
                continue;
            // Rules that grow the text for ever are covered below.
            if (replacement.size() > pattern.size())
                replacement.truncate(pattern.size());
            const QString source = RandomText(random, u"abc", 0, 40);
            QCOMPARE(ReplaceAll(source, pattern, replacement),
                     restartingReplace(source, pattern, replacement));
        }
    }

    // A replacement that holds its own pattern would be replaced for ever; it is applied once to
    // each occurrence of the original text, as a single left-to-right pass.
    void selfContainingRuleIsAppliedOnce_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("doubling") << "kak" << "k" << "kk" << "kkakk";
        QTest::newRow("wrapping") << "aXa" << "a" << "[a]" << "[a]X[a]";
        QTest::newRow("non-overlapping") << "aaa" << "aa" << "aab" << "aaba";
    }

    void selfContainingRuleIsAppliedOnce()
    {
        QFETCH(QString, source);
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(ReplaceAll(source, pattern, replacement), expected);
    }

    // "ab" -> "bbaa" holds no "ab", yet keeps making one: the rewriting of "aab" never settles.
    void endlessRewritingReturns()
    {
        QCOMPARE(ReplaceAll(u"aab"_s, u"ab"_s, u"bbaa"_s), u"abbaa"_s);
    }

    void linearOnLongText()
    {
        // A text of many cascading occurrences: the quadratic rewriting would take minutes.
        const QString source = QString(200000, u'a') + QString(200000, u'b');
        QCOMPARE(ReplaceAll(source, u"ab"_s, QString()), QString());
    }

    void addOrRemoveToken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("expected");
        QTest::newRow("add appends") << "क,ख," << true << "ग," << "क,ख,ग,";
        QTest::newRow("add appends even if present") << "क," << true << "क," << "क,क,";
        QTest::newRow("remove takes every occurrence") << "क,ख,क," << false << "क," << "ख,";
        QTest::newRow("remove absent token") << "क," << false << "ग," << "क,";
    }

    void addOrRemoveToken()
    {
        QFETCH(QString, text);
        QFETCH(bool, add);
        QFETCH(QString, token);
        QFETCH(QString, expected);
        AddOrRemoveToken(text, add, token);
        QCOMPARE(text, expected);
    }
};

QTEST_APPLESS_MAIN(TestReplaceAll)
#include "tst_replace_all.moc"
