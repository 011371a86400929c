#include "script/from_devanagari.h"
#include "script/letter_generators.h"
#include "script/master_table.h"
#include "script/repertoire.h"
#include "shell/random_source.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TargetSystem)

namespace {

const QString exampleLine = u"ॐ पूर्णमदः पूर्णमिदं पूर्णात् पूर्णमुदच्यते ।"_s;

// Every unit of the repertoire in every system: the vowels, the consonants bare, with a virama
// and with each vowel sign, the signs, the digits, the dandas and the accents.
enum UnitLine { Vowels, BareConsonants, ConsonantsWithVirama, VowelSigns, SignsDigitsDandasAccents };

const QString unitLines[] = {
    u"अ आ इ ई उ ऊ ऋ ॠ ऌ ॡ ए ऐ ओ औ"_s,
    u"क ख ग घ ङ च छ ज झ ञ ट ठ ड ढ ण त थ द ध न प फ ब भ म य र ल व श ष स ह ळ"_s,
    u"क् ख् ग् घ् ङ् च् छ् ज् झ् ञ् ट् ठ् ड् ढ् ण् त् थ् द् ध् न् प् फ् ब् भ् म् य् र् ल् व् श् ष् स् ह् ळ्"_s,
    u"का कि की कु कू कृ कॄ कॢ कॣ के कै को कौ"_s,
    u"कः कं कँ ॐ ऽ ० १ २ ३ ४ ५ ६ ७ ८ ९ ॥ । क॒ क॑"_s,
};

void unitRow(const char *name, TargetSystem system, UnitLine line, const char16_t *expected)
{
    QTest::newRow(name) << system << unitLines[line] << QString::fromUtf16(expected);
}

// How a syllable-by-syllable reader would write a text made of the repertoire's syllables: a
// consonant with its vowel sign, its virama or its inherent a, every other unit by its own value.
QString writeBySyllables(const QString &text, TargetSystem system)
{
    const auto valueOf = [system](QChar unit) -> QString {
        const char16_t *value = MasterValue(unit, system);
        return value ? QString::fromUtf16(value) : QString(unit);
    };
    const QString inherent = valueOf(u'अ');
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        const bool consonant = Devanagari::Consonants.contains(unit);
        if (!consonant) {
            if (Devanagari::Digits.contains(unit))
                out += QChar(u'0' + (unit.unicode() - Devanagari::DigitZero));
            else if (unit != Devanagari::Virama)
                out += valueOf(unit);
            continue;
        }
        const bool written = MasterValue(unit, system) != nullptr;
        out += valueOf(unit);
        if (next == Devanagari::Virama) {
            ++i;
        } else if (!next.isNull() && Devanagari::VowelSigns.contains(next)) {
            out += valueOf(next);
            ++i;
        } else if (written) {
            out += inherent;
        }
    }
    return out;
}

QString randomText(int words)
{
    RandomSource &random = RandomSource::instance();
    const QString consonants = Devanagari::Consonants.toString();
    const QStringList separators = {u" "_s, u"\n"_s, u" । "_s, u" ॥\n"_s, u", "_s,
                                    u" १२३ "_s, u" Latin 42 "_s, u"ं "_s, u"ँ "_s, u"॒ "_s,
                                    u"॑ "_s, u" ॐ "_s, u"ऽ"_s, u"\t"_s};
    QString text;
    for (int w = 0; w < words; ++w) {
        text += MakeRandomWord(1, 5, consonants, Devanagari::IndependentVowels.toString(),
                               Devanagari::VowelSigns.toString(), true, 3);
        text += separators[random.below(separators.size())];
    }
    return text;
}

} // namespace

class TestFromDevanagari : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryUnit_data()
    {
        QTest::addColumn<TargetSystem>("system");
        QTest::addColumn<QString>("devanagari");
        QTest::addColumn<QString>("expected");
        unitRow("IAST vowels", TargetSystem::Iast, Vowels, u"a ā i ī u ū ṛ ṝ ḷ ḹ e ai o au");
        unitRow("IAST consonants", TargetSystem::Iast, BareConsonants, u"ka kha ga gha ṅa ca cha ja jha ña ṭa ṭha ḍa ḍha ṇa ta tha da dha na pa pha ba bha ma ya ra la va śa ṣa sa ha ḻa");
        unitRow("IAST consonants with virama", TargetSystem::Iast, ConsonantsWithVirama, u"k kh g gh ṅ c ch j jh ñ ṭ ṭh ḍ ḍh ṇ t th d dh n p ph b bh m y r l v ś ṣ s h ḻ");
        unitRow("IAST vowel signs", TargetSystem::Iast, VowelSigns, u"kā ki kī ku kū kṛ kṝ kḷ kḹ ke kai ko kau");
        unitRow("IAST signs digits dandas accents", TargetSystem::Iast, SignsDigitsDandasAccents, u"kaḥ kaṃ kam\u0310 oṁ ' 0 1 2 3 4 5 6 7 8 9 ॥ । ka ka");
        unitRow("Kolkata vowels", TargetSystem::Kolkata, Vowels, u"a ā i ī u ū ṛ [ x ] [ x ] [ x ] ē ai ō au");
        unitRow("Kolkata consonants", TargetSystem::Kolkata, BareConsonants, u"ka kha ga gha ṅa ca cha ja jha ña ṭa ṭha ḍa ḍha ṇa ta tha da dha na pa pha ba bha ma ya ra la va śa ṣa sa ha ḻa");
        unitRow("Kolkata consonants with virama", TargetSystem::Kolkata, ConsonantsWithVirama, u"k kh g gh ṅ c ch j jh ñ ṭ ṭh ḍ ḍh ṇ t th d dh n p ph b bh m y r l v ś ṣ s h ḻ");
        unitRow("Kolkata vowel signs", TargetSystem::Kolkata, VowelSigns, u"kā ki kī ku kū kṛ k[ x ] k[ x ] k[ x ] kē kai kō kau");
        unitRow("Kolkata signs digits dandas accents", TargetSystem::Kolkata, SignsDigitsDandasAccents, u"kaḥ kaṃ kam\u0310 oṁ ' 0 1 2 3 4 5 6 7 8 9 ॥ । ka[ x ] ka[ x ]");
        unitRow("ITRANS vowels", TargetSystem::Itrans, Vowels, u"a A i I u U RRi RRI LLi LLI e ai o au");
        unitRow("ITRANS consonants", TargetSystem::Itrans, BareConsonants, u"ka kha ga gha ~Na cha Cha ja jha ~na Ta Tha Da Dha Na ta tha da dha na pa pha ba bha ma ya ra la va sha Sha sa ha La");
        unitRow("ITRANS consonants with virama", TargetSystem::Itrans, ConsonantsWithVirama, u"k kh g gh ~N ch Ch j jh ~n T Th D Dh N t th d dh n p ph b bh m y r l v sh Sh s h L");
        unitRow("ITRANS vowel signs", TargetSystem::Itrans, VowelSigns, u"kA ki kI ku kU kRRi kRRI kLLi kLLI ke kai ko kau");
        unitRow("ITRANS signs digits dandas accents", TargetSystem::Itrans, SignsDigitsDandasAccents, u"kaH kaM ka.N OM .a 0 1 2 3 4 5 6 7 8 9 || | ka\\_ ka\\'");
        unitRow("HarvardKyoto vowels", TargetSystem::HarvardKyoto, Vowels, u"a A i I u U R RR lR lRR e ai o au");
        unitRow("HarvardKyoto consonants", TargetSystem::HarvardKyoto, BareConsonants, u"ka kha ga gha Ga ca cha ja jha Ja Ta Tha Da Dha Na ta tha da dha na pa pha ba bha ma ya ra la va za Sa sa ha La");
        unitRow("HarvardKyoto consonants with virama", TargetSystem::HarvardKyoto, ConsonantsWithVirama, u"k kh g gh G c ch j jh J T Th D Dh N t th d dh n p ph b bh m y r l v z S s h L");
        unitRow("HarvardKyoto vowel signs", TargetSystem::HarvardKyoto, VowelSigns, u"kA ki kI ku kU kR kRR klR klRR ke kai ko kau");
        unitRow("HarvardKyoto signs digits dandas accents", TargetSystem::HarvardKyoto, SignsDigitsDandasAccents, u"kaH kaM ka[ x ] OM ' 0 1 2 3 4 5 6 7 8 9 || | ka[ x ] ka[ x ]");
        unitRow("SLP1 vowels", TargetSystem::Slp1, Vowels, u"a A i I u U f F x X e E o O");
        unitRow("SLP1 consonants", TargetSystem::Slp1, BareConsonants, u"ka Ka ga Ga Na ca Ca ja Ja Ya wa Wa qa Qa Ra ta Ta da Da na pa Pa ba Ba ma ya ra la va Sa za sa ha LLa");
        unitRow("SLP1 consonants with virama", TargetSystem::Slp1, ConsonantsWithVirama, u"k K g G N c C j J Y w W q Q R t T d D n p P b B m y r l v S z s h LL");
        unitRow("SLP1 vowel signs", TargetSystem::Slp1, VowelSigns, u"kA ki kI ku kU kf kF kx kX ke kE ko kO");
        unitRow("SLP1 signs digits dandas accents", TargetSystem::Slp1, SignsDigitsDandasAccents, u"kaH kaM ka~ ॐ ' 0 1 2 3 4 5 6 7 8 9 .. . kaZ kaV");
        unitRow("Velthuis vowels", TargetSystem::Velthuis, Vowels, u"a aa i ii u uu .r .rr .l .ll e ai o au");
        unitRow("Velthuis consonants", TargetSystem::Velthuis, BareConsonants, u"ka kha ga gha \"na ca cha ja jha ~na .ta .tha .da .dha .na ta tha da dha na pa pha ba bha ma ya ra la va \"sa .sa sa ha La");
        unitRow("Velthuis consonants with virama", TargetSystem::Velthuis, ConsonantsWithVirama, u"k kh g gh \"n c ch j jh ~n .t .th .d .dh .n t th d dh n p ph b bh m y r l v \"s .s s h L");
        unitRow("Velthuis vowel signs", TargetSystem::Velthuis, VowelSigns, u"kaa ki kii ku kuu k.r k.rr k.l k.ll ke kai ko kau");
        unitRow("Velthuis signs digits dandas accents", TargetSystem::Velthuis, SignsDigitsDandasAccents, u"ka.h ka.m ka[ x ] O ' 0 1 2 3 4 5 6 7 8 9 || | ka\\ ka/");
        unitRow("Cyrillic vowels", TargetSystem::Cyrillic, Vowels, u"а а\u0304 и и\u0304 у у\u0304 р\u0323 р\u0304\u0323 л\u0323 л\u0323\u0304 э аи о ау");
        unitRow("Cyrillic consonants", TargetSystem::Cyrillic, BareConsonants, u"ка кха га гха н\u0307а ча чха джа джха н\u0303а т\u0323а т\u0323ха д\u0323а д\u0323ха н\u0323а та тха да дха на па пха ба бха ма йа ра ла ва ш\u0301а ш\u0323а са ха ळ");
        unitRow("Cyrillic consonants with virama", TargetSystem::Cyrillic, ConsonantsWithVirama, u"к кх г гх н\u0307 ч чх дж джх н\u0303 т\u0323 т\u0323х д\u0323 д\u0323х н\u0323 т тх д дх н п пх б бх м й р л в ш\u0301 ш\u0323 с х ळ");
        unitRow("Cyrillic vowel signs", TargetSystem::Cyrillic, VowelSigns, u"ка\u0304 ки ки\u0304 ку ку\u0304 кр\u0323 кр\u0304\u0323 кл\u0323 кл\u0323\u0304 ке каи ко кау");
        unitRow("Cyrillic signs digits dandas accents", TargetSystem::Cyrillic, SignsDigitsDandasAccents, u"ках\u0323 кам\u0323 ка[ x ] ом\u0307 ' 0 1 2 3 4 5 6 7 8 9 || | ка[ x ] ка[ x ]");
        unitRow("CyrillicLong vowels", TargetSystem::CyrillicLong, Vowels, u"а аа и ии у уу р рр л лл э аи о ау");
        unitRow("CyrillicLong consonants", TargetSystem::CyrillicLong, BareConsonants, u"ка кха га гха на ча чха джа джха на та тха да дха на та тха да дха на па пха ба бха ма йа ра ла ва ша ша са ха ла");
        unitRow("CyrillicLong consonants with virama", TargetSystem::CyrillicLong, ConsonantsWithVirama, u"к кх г гх н ч чх дж джх н т тх д дх н т тх д дх н п пх б бх м й р л в ш ш с х л");
        unitRow("CyrillicLong vowel signs", TargetSystem::CyrillicLong, VowelSigns, u"каа ки кии ку куу кр крр кл клл ке каи ко кау");
        unitRow("CyrillicLong signs digits dandas accents", TargetSystem::CyrillicLong, SignsDigitsDandasAccents, u"ках кам ка[ x ] ом ' 0 1 2 3 4 5 6 7 8 9 || | ка[ x ] ка[ x ]");
        unitRow("CyrillicPlain vowels", TargetSystem::CyrillicPlain, Vowels, u"а а и и у у р р л л э аи о ау");
        unitRow("CyrillicPlain consonants", TargetSystem::CyrillicPlain, BareConsonants, u"ка кха га гха на ча чха джа джха на та тха да дха на та тха да дха на па пха ба бха ма йа ра ла ва ша ша са ха ла");
        unitRow("CyrillicPlain consonants with virama", TargetSystem::CyrillicPlain, ConsonantsWithVirama, u"к кх г гх н ч чх дж джх н т тх д дх н т тх д дх н п пх б бх м й р л в ш ш с х л");
        unitRow("CyrillicPlain vowel signs", TargetSystem::CyrillicPlain, VowelSigns, u"ка ки ки ку ку кр кр кл кл ке каи ко кау");
        unitRow("CyrillicPlain signs digits dandas accents", TargetSystem::CyrillicPlain, SignsDigitsDandasAccents, u"ках кам ка[ x ] ом ' 0 1 2 3 4 5 6 7 8 9 || | ка[ x ] ка[ x ]");
    }

    void writesEveryUnit()
    {
        QFETCH(TargetSystem, system);
        QFETCH(QString, devanagari);
        QFETCH(QString, expected);
        QCOMPARE(DevanagariTo(system, devanagari), expected);
    }

    void convertsTexts_data()
    {
        QTest::addColumn<TargetSystem>("system");
        QTest::addColumn<QString>("devanagari");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, TargetSystem system, const QString &text,
                            const QString &expected) {
            QTest::newRow(name) << system << text << expected;
        };
        row("example IAST keeps the danda", TargetSystem::Iast, exampleLine,
            u"oṁ pūrṇamadaḥ pūrṇamidaṃ pūrṇāt pūrṇamudacyate ।"_s);
        row("example Kolkata", TargetSystem::Kolkata, exampleLine,
            u"oṁ pūrṇamadaḥ pūrṇamidaṃ pūrṇāt pūrṇamudacyatē ।"_s);
        row("example ITRANS", TargetSystem::Itrans, exampleLine,
            u"OM pUrNamadaH pUrNamidaM pUrNAt pUrNamudachyate |"_s);
        row("example Harvard-Kyoto", TargetSystem::HarvardKyoto, exampleLine,
            u"OM pUrNamadaH pUrNamidaM pUrNAt pUrNamudacyate |"_s);
        row("example Velthuis", TargetSystem::Velthuis, exampleLine,
            u"O puur.namada.h puur.namida.m puur.naat puur.namudacyate |"_s);
        row("example SLP1 keeps om", TargetSystem::Slp1, exampleLine,
            u"ॐ pUrRamadaH pUrRamidaM pUrRAt pUrRamudacyate ."_s);
        row("example Cyrillic", TargetSystem::Cyrillic, exampleLine,
            u"ом\u0307 пу\u0304рн\u0323амадах\u0323 пу\u0304рн\u0323амидам\u0323 "
            u"пу\u0304рн\u0323а\u0304т пу\u0304рн\u0323амудачйате |"_s);
        row("example Cyrillic long", TargetSystem::CyrillicLong, exampleLine,
            u"ом пуурнамадах пуурнамидам пуурнаат пуурнамудачйате |"_s);
        row("example Cyrillic plain", TargetSystem::CyrillicPlain, exampleLine,
            u"ом пурнамадах пурнамидам пурнат пурнамудачйате |"_s);
        row("rama IAST", TargetSystem::Iast, u"राम"_s, u"rāma"_s);
        row("rama Cyrillic", TargetSystem::Cyrillic, u"राम"_s, u"ра\u0304ма"_s);
        row("rama SLP1", TargetSystem::Slp1, u"राम"_s, u"rAma"_s);
        row("rama ITRANS", TargetSystem::Itrans, u"राम"_s, u"rAma"_s);
        row("rama Harvard-Kyoto", TargetSystem::HarvardKyoto, u"राम"_s, u"rAma"_s);
        row("final virama keeps no vowel", TargetSystem::Iast, u"संस्कृतम्"_s, u"saṃskṛtam"_s);
        row("e alone Cyrillic", TargetSystem::Cyrillic, u"ए"_s, u"э"_s);
        row("e sign Cyrillic", TargetSystem::CyrillicPlain, u"के"_s, u"ке"_s);
        row("vedic la long IAST", TargetSystem::Iast, u"ळा"_s, u"ḻā"_s);
        row("vedic la IAST", TargetSystem::Iast, u"ळ"_s, u"ḻa"_s);
        row("vedic la long SLP1", TargetSystem::Slp1, u"ळा"_s, u"LLA"_s);
        row("vedic la SLP1", TargetSystem::Slp1, u"ळ"_s, u"LLa"_s);
        row("vedic la stays in Cyrillic", TargetSystem::Cyrillic, u"ळ"_s, u"ळ"_s);
        row("om with virama ITRANS", TargetSystem::Itrans, u"ओम्"_s, u"om"_s);
        row("om with virama SLP1", TargetSystem::Slp1, u"ओम्"_s, u"om"_s);
        row("om with virama Harvard-Kyoto", TargetSystem::HarvardKyoto, u"ओम्"_s, u"om"_s);
        row("om with virama Velthuis", TargetSystem::Velthuis, u"ओम्"_s, u"om"_s);
        row("sign at the start", TargetSystem::Iast, u"ि"_s, u"i"_s);
        row("long vocalic r Kolkata", TargetSystem::Kolkata, u"ॠ"_s, u"[ x ]"_s);
        row("chandrabindu Harvard-Kyoto", TargetSystem::HarvardKyoto, u"ँ"_s, u"[ x ]"_s);
        row("foreign text passes", TargetSystem::Velthuis, u"Text 42,\nмир!"_s, u"Text 42,\nмир!"_s);
        row("unknown Devanagari passes", TargetSystem::Iast, u"\u0958क\u093C"_s, u"\u0958ka\u093C"_s);
        row("nukta after a consonant", TargetSystem::Iast, u"ड\u093Cा"_s, u"ḍa\u093Cā"_s);
    }

    void convertsTexts()
    {
        QFETCH(TargetSystem, system);
        QFETCH(QString, devanagari);
        QFETCH(QString, expected);
        QCOMPARE(DevanagariTo(system, devanagari), expected);
    }

    void namedConversionsMatchTheirSystem()
    {
        const QString text = u"कृष्णः"_s;
        QCOMPARE(DevanagariToIast(text), DevanagariTo(TargetSystem::Iast, text));
        QCOMPARE(DevanagariToKolkata(text), DevanagariTo(TargetSystem::Kolkata, text));
        QCOMPARE(DevanagariToItrans(text), DevanagariTo(TargetSystem::Itrans, text));
        QCOMPARE(DevanagariToHarvardKyoto(text), DevanagariTo(TargetSystem::HarvardKyoto, text));
        QCOMPARE(DevanagariToSlp1(text), DevanagariTo(TargetSystem::Slp1, text));
        QCOMPARE(DevanagariToVelthuis(text), DevanagariTo(TargetSystem::Velthuis, text));
        QCOMPARE(DevanagariToCyrillic(text), DevanagariTo(TargetSystem::Cyrillic, text));
        QCOMPARE(DevanagariToCyrillicLong(text), DevanagariTo(TargetSystem::CyrillicLong, text));
        QCOMPARE(DevanagariToCyrillicPlain(text), DevanagariTo(TargetSystem::CyrillicPlain, text));
    }

    // Random texts of the repertoire's syllables, with signs, dandas, digits and foreign words
    // between them, come out as a syllable-by-syllable reading gives them.
    void randomTextsReadSyllableBySyllable_data()
    {
        QTest::addColumn<TargetSystem>("system");
        for (int i = 0; i < TargetSystemCount; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << static_cast<TargetSystem>(i);
    }

    void randomTextsReadSyllableBySyllable()
    {
        QFETCH(TargetSystem, system);
        RandomSource::instance().seed(20261211 + static_cast<int>(system));
        for (int round = 0; round < 200; ++round) {
            const QString text = randomText(12);
            QCOMPARE(DevanagariTo(system, text), writeBySyllables(text, system));
        }
    }
};

QTEST_APPLESS_MAIN(TestFromDevanagari)
#include "tst_from_devanagari.moc"
