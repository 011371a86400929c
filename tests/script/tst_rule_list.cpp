#include "script/replace_all.h"
#include "script/rule_list.h"

#include <QRandomGenerator>
#include <QTest>

#include "support/random_text.h"

using namespace Qt::StringLiterals;

namespace {


QString applyOneByOne(QString text, const RuleList &rules)
{
    for (const Rule &rule : rules)
        text = ReplaceAll(text, rule.pattern, rule.replacement);
    return text;
}

} // namespace

class TestRuleList : public QObject
{
    Q_OBJECT

private slots:
    // Running a prepared list gives what applying its rules one by one gives, whatever the rules:
    // runs that do not disturb one another, rules whose replacements feed later patterns, deletions,
    // overlapping and repeated patterns.
    void preparedListAgreesWithRuleByRule_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("patternLetters");
        QTest::addColumn<QString>("replacementLetters");
        QTest::newRow("independent replacements") << 1u << u"abc"_s << u"XYZ"_s;
        QTest::newRow("replacements feed later rules") << 2u << u"abcX"_s << u"XYZa"_s;
        QTest::newRow("mixed alphabets") << 3u << u"abXY"_s << u"abXY"_s;
        QTest::newRow("deletions") << 4u << u"ab"_s << u"X"_s;
    }

    void preparedListAgreesWithRuleByRule()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, patternLetters);
        QFETCH(QString, replacementLetters);
        QRandomGenerator random(seed);
        for (int round = 0; round < 2000; ++round) {
            RuleList rules;
            const int count = 1 + random.bounded(10);
            for (int i = 0; i < count; ++i) {
                Rule rule{RandomText(random, patternLetters, 1, 3),
                          RandomText(random, replacementLetters, 0, 3)};
                // Keep the text from growing without end under rules that rebuild themselves.
                if (rule.replacement.size() > rule.pattern.size())
                    rule.replacement.truncate(rule.pattern.size());
                rules.append(rule);
            }
            const RuleSet prepared(rules);
            for (int t = 0; t < 5; ++t) {
                const QString text = RandomText(random, patternLetters + u" "_s, 0, 60);
                QCOMPARE(prepared.apply(text), applyOneByOne(text, rules));
            }
        }
    }

    void earlierRuleTakesOverlapsFirst()
    {
        // "bc" goes first and leaves "a" alone; a single left-to-right pass would take "ab".
        const RuleList rules = {{u"bc"_s, u"Y"_s}, {u"ab"_s, u"X"_s}};
        QCOMPARE(RuleSet(rules).apply(u"abc abcab"_s), u"aY aYX"_s);
    }

    void emptyPatternsAndListsChangeNothing()
    {
        QCOMPARE(RuleSet().apply(u"abc"_s), u"abc"_s);
        QCOMPARE(RuleSet({{QString(), u"x"_s}}).apply(u"abc"_s), u"abc"_s);
        QCOMPARE(ApplyRules(u"abc"_s, {{u"b"_s, u"x"_s}}), u"axc"_s);
    }
};

QTEST_APPLESS_MAIN(TestRuleList)
#include "tst_rule_list.moc"
