#include "script/letter_generators.h"
#include "script/repertoire.h"
#include "shell/random_source.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString consonants = u"कखगतपमरस"_s;
const QString vowels = u"अइउए"_s;
const QString signs = u"ािुे"_s;

bool isConsonant(QChar c) { return consonants.contains(c); }

// The syllables of a generated word: the initial vowel and every consonant but the middle one
// of a three-consonant cluster, which the generator adds without counting it.
int syllables(const QString &word)
{
    int count = vowels.contains(word.front()) ? 1 : 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!isConsonant(word[i]))
            continue;
        const bool clusterMiddle = i > 0 && word[i - 1] == Devanagari::Virama
            && i + 1 < word.size() && word[i + 1] == Devanagari::Virama;
        if (!clusterMiddle)
            ++count;
    }
    return count;
}

// True when every virama drawn for the word comes after a vowel sign placed since the one before;
// the cluster of three writes its two viramas at once.
bool viramasSeparatedBySigns(const QString &word)
{
    bool viramaSinceSign = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (signs.contains(word[i])) {
            viramaSinceSign = false;
        } else if (word[i] == Devanagari::Virama) {
            if (viramaSinceSign)
                return false;
            viramaSinceSign = true;
            if (i + 2 < word.size() && isConsonant(word[i + 1]) && word[i + 2] == Devanagari::Virama)
                i += 2;
        }
    }
    return true;
}

} // namespace

class TestLetterGenerators : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        LastPickedLetter().clear();
        RandomSource::instance().seed(12345);
    }

    void picksAlternateFromTwoLetters()
    {
        QString previous = PickRandomLetter(u"कख"_s);
        for (int i = 0; i < 50; ++i) {
            const QString letter = PickRandomLetter(u"कख"_s);
            QVERIFY(letter == u"क"_s || letter == u"ख"_s);
            QVERIFY(letter != previous);
            previous = letter;
        }
    }

    void neverRepeatsAcrossSets()
    {
        for (int i = 0; i < 200; ++i) {
            const QString first = PickRandomLetter(u"कखग"_s);
            const QString second = PickRandomLetter(u"गघक"_s);
            QVERIFY(first != second);
            QCOMPARE(LastPickedLetter(), second);
        }
    }

    void oneLetterSetPickedLastReturnsThatLetter()
    {
        QCOMPARE(PickRandomLetter(u"क"_s), u"क"_s);
        QCOMPARE(PickRandomLetter(u"क"_s), u"क"_s);
        QCOMPARE(PickRandomLetter(u"कक"_s), u"क"_s);
        QCOMPARE(PickRandomLetter(QString()), QString());
    }

    void wordsHaveTwoToFourSyllablesOfTheSets_data()
    {
        QTest::addColumn<bool>("virama");
        QTest::newRow("virama off") << false;
        QTest::newRow("virama on") << true;
    }

    void wordsHaveTwoToFourSyllablesOfTheSets()
    {
        QFETCH(bool, virama);
        QSet<int> lengths;
        bool sawVowelStart = false;
        bool sawVirama = false;
        for (int i = 0; i < 3000; ++i) {
            const QString word = MakeRandomWord(2, 4, consonants, vowels, signs, virama, 0);
            const int n = syllables(word);
            QVERIFY2(n >= 2 && n <= 4, qPrintable(word));
            lengths.insert(n);
            for (QChar c : word) {
                QVERIFY2(consonants.contains(c) || signs.contains(c) || c == Devanagari::Virama
                             || (vowels.contains(c) && c == word.front()),
                         qPrintable(word));
            }
            QVERIFY(!word.contains(Devanagari::Visarga));
            QCOMPARE(word.contains(Devanagari::Virama) && !virama, false);
            QVERIFY2(viramasSeparatedBySigns(word), qPrintable(word));
            sawVowelStart |= vowels.contains(word.front());
            sawVirama |= word.contains(Devanagari::Virama);
        }
        QCOMPARE(lengths, (QSet<int>{2, 3, 4}));
        QVERIFY(sawVowelStart);
        QCOMPARE(sawVirama, virama);
    }

    void emptySetsNeverUsed()
    {
        for (int i = 0; i < 500; ++i) {
            const QString word = MakeRandomWord(2, 4, consonants, QString(), QString(), false, 0);
            for (QChar c : word)
                QVERIFY(isConsonant(c));
        }
    }

    void visargaChance_data()
    {
        QTest::addColumn<int>("chance");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::newRow("0 never") << 0 << 0.0 << 0.0;
        QTest::newRow("negative never") << -3 << 0.0 << 0.0;
        QTest::newRow("1 always") << 1 << 1.0 << 1.0;
        QTest::newRow("4 one in four") << 4 << 0.20 << 0.30;
    }

    void visargaChance()
    {
        QFETCH(int, chance);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        int open = 0;
        int withVisarga = 0;
        for (int i = 0; i < 4000; ++i) {
            const QString word = MakeRandomWord(2, 4, consonants, vowels, signs, true, chance);
            QVERIFY(!word.chopped(1).contains(Devanagari::Visarga));
            if (word.endsWith(Devanagari::Virama))
                continue;
            ++open;
            withVisarga += word.endsWith(Devanagari::Visarga) ? 1 : 0;
        }
        const double share = double(withVisarga) / open;
        QVERIFY2(share >= lowest && share <= highest, qPrintable(QString::number(share)));
    }

    void clustersOfTwoOrThreeConsonants()
    {
        QSet<int> sizes;
        for (int i = 0; i < 500; ++i) {
            const QString cluster = MakeRandomCluster(1, 2, u"कतप"_s);
            const QStringList parts = cluster.split(Devanagari::Virama);
            sizes.insert(parts.size());
            for (qsizetype p = 0; p < parts.size(); ++p) {
                QCOMPARE(parts[p].size(), 1);
                QVERIFY(u"कतप"_s.contains(parts[p]));
                if (p > 0)
                    QVERIFY(parts[p] != parts[p - 1]);
            }
        }
        QCOMPARE(sizes, (QSet<int>{2, 3}));
    }

    void seededGeneratorRepeatsItself()
    {
        RandomSource::instance().seed(99);
        LastPickedLetter().clear();
        const QString first = MakeRandomWord(2, 4, consonants, vowels, signs, true, 3);
        RandomSource::instance().seed(99);
        LastPickedLetter().clear();
        QCOMPARE(MakeRandomWord(2, 4, consonants, vowels, signs, true, 3), first);
    }
};

QTEST_APPLESS_MAIN(TestLetterGenerators)
#include "tst_letter_generators.moc"
