#include "script/into_devanagari.h"

#include "script/repertoire.h"

#include <QStringView>

#include <initializer_list>
#include <map>

namespace {

// Builds a reading list in the order its rules are written down. A consonant form is read as the
// consonant with a virama, which a following vowel form then replaces by its sign (or, for the
// short a, simply removes); a consonant followed by no vowel so keeps its virama and joins the next
// one into a conjunct.
class Readings
{
public:
    // Each pattern becomes result.
    Readings &plain(QStringView result, std::initializer_list<QStringView> patterns)
    {
        for (QStringView pattern : patterns)
            m_rules.append({pattern.toString(), result.toString()});
        return *this;
    }

    // Each pattern becomes the consonant result followed by the virama.
    Readings &consonant(QStringView result, std::initializer_list<QStringView> patterns)
    {
        return plain(result.toString() + Devanagari::Virama, patterns);
    }

    // The virama followed by each pattern becomes the vowel sign result (empty for the short a).
    Readings &sign(QStringView result, std::initializer_list<QStringView> patterns)
    {
        for (QStringView pattern : patterns)
            m_rules.append({Devanagari::Virama + pattern.toString(), result.toString()});
        return *this;
    }

    Readings &digits()
    {
        for (char16_t digit = 0; digit < 10; ++digit)
            m_rules.append({QString(QChar(u'0' + digit)), QString(QChar(Devanagari::DigitZero + digit))});
        return *this;
    }

    RuleList rules() const { return m_rules; }

private:
    RuleList m_rules;
};

// IAST and the Kolkata system differ only in the chandrabindu and in the long e and o.
RuleList iastRules(bool kolkata)
{
    Readings r;
    r.plain(u"ॐ", {u"oṁ", u"Oṁ"});
    if (kolkata) {
        r.plain(u"ँ", {u"m\u0310", u"ṁ"});
        r.plain(u"ं", {u"ṃ"});
    } else {
        r.plain(u"ँ", {u"m\u0310"});
        r.plain(u"ं", {u"ṁ", u"ṃ"});
    }
    r.plain(u"ः", {u"ḥ"});
    r.plain(u"ऽ", {u"'"});

    r.consonant(u"ख", {u"kh", u"Kh"}).consonant(u"क", {u"K", u"k"});
    r.consonant(u"घ", {u"gh", u"Gh"}).consonant(u"ग", {u"G", u"g"});
    r.consonant(u"ङ", {u"ṅ", u"Ṅ"});
    r.consonant(u"छ", {u"ch", u"Ch"}).consonant(u"च", {u"C", u"c"});
    r.consonant(u"झ", {u"jh", u"Jh"}).consonant(u"ज", {u"J", u"j"});
    r.consonant(u"ञ", {u"ñ", u"Ñ"});
    r.consonant(u"ठ", {u"ṭh", u"Ṭh"}).consonant(u"ट", {u"Ṭ", u"ṭ"});
    r.consonant(u"ढ", {u"ḍh", u"Ḍh"}).consonant(u"ड", {u"Ḍ", u"ḍ"});
    r.consonant(u"ण", {u"ṇ", u"Ṇ"});
    r.consonant(u"थ", {u"th", u"Th"}).consonant(u"त", {u"T", u"t"});
    r.consonant(u"ध", {u"dh", u"Dh"}).consonant(u"द", {u"D", u"d"});
    r.consonant(u"न", {u"N", u"n"});
    r.consonant(u"फ", {u"Ph", u"ph"}).consonant(u"प", {u"P", u"p"});
    r.consonant(u"भ", {u"bh", u"Bh"}).consonant(u"ब", {u"b", u"B"});
    r.consonant(u"म", {u"m", u"M"});
    r.consonant(u"य", {u"Y", u"y"}).consonant(u"र", {u"R", u"r"});
    r.consonant(u"ल", {u"L", u"l"}).consonant(u"व", {u"V", u"v"});
    r.consonant(u"ष", {u"Ṣ", u"ṣ"}).consonant(u"श", {u"Ś", u"ś"});
    r.consonant(u"स", {u"S", u"s"}).consonant(u"ह", {u"H", u"h"});
    r.consonant(u"ळ", {u"ḻ"});

    r.sign(u"ै", {u"ai"}).sign(u"ौ", {u"au"}).sign(u"", {u"a"});
    r.sign(u"ा", {u"ā"}).sign(u"ि", {u"i"}).sign(u"ी", {u"ī"});
    r.sign(u"ु", {u"u"}).sign(u"ू", {u"ū"});
    r.sign(u"ृ", {u"ṛ"}).sign(u"ॄ", {u"ṝ"}).sign(u"ॢ", {u"ḷ"}).sign(u"ॣ", {u"ḹ"});
    if (kolkata)
        r.sign(u"े", {u"ē"}).sign(u"ो", {u"ō"});
    else
        r.sign(u"े", {u"e"}).sign(u"ो", {u"o"});

    r.plain(u"ऐ", {u"ai", u"Ai"}).plain(u"औ", {u"au", u"Au"});
    r.plain(u"अ", {u"a", u"A"}).plain(u"आ", {u"ā", u"Ā"});
    r.plain(u"इ", {u"i", u"I"}).plain(u"ई", {u"ī", u"Ī"});
    r.plain(u"उ", {u"u", u"U"}).plain(u"ऊ", {u"ū", u"Ū"});
    r.plain(u"ऋ", {u"ṛ", u"Ṛ"}).plain(u"ॠ", {u"ṝ", u"Ṝ"});
    r.plain(u"ऌ", {u"ḷ", u"Ḷ"}).plain(u"ॡ", {u"ḹ", u"Ḹ"});
    if (kolkata)
        r.plain(u"ए", {u"ē", u"Ē"}).plain(u"ओ", {u"ō", u"Ō"});
    else
        r.plain(u"ए", {u"e", u"E"}).plain(u"ओ", {u"o", u"O"});
    return r.digits().rules();
}

RuleList itransRules()
{
    Readings r;
    r.plain(u"ॐ", {u"OM", u"AUM"});
    r.plain(u"ँ", {u".N"});
    r.plain(u"ं", {u".n", u"M", u".m"});
    r.plain(u"ः", {u"H"});
    r.plain(u"ऽ", {u".a"});
    r.plain(u"्", {u".h"});
    r.plain(u"ॅ", {u".c"});

    r.consonant(u"क्ष", {u"x", u"kSh", u"kshh", u"kS", u"kZ"});
    r.consonant(u"त्र", {u"tr"});
    r.consonant(u"ज्ञ", {u"GY", u"j~n", u"dny", u"jJN"});
    // The precomposed nukta letters, spelled by code point so that no editor decomposes them.
    r.consonant(u"\u0958", {u"q"});
    r.consonant(u"\u0959", {u"K"});
    r.consonant(u"\u095A", {u"G"});
    r.consonant(u"\u095B", {u"z", u"J"});
    r.consonant(u"\u095E", {u"f"});

    r.consonant(u"ख", {u"kh"}).consonant(u"क", {u"k"});
    r.consonant(u"घ", {u"gh"}).consonant(u"ग", {u"g"});
    r.consonant(u"ङ", {u"~N"});
    r.consonant(u"छ", {u"Ch", u"chh"}).consonant(u"च", {u"ch", u"c"});
    r.consonant(u"झ", {u"jh"}).consonant(u"ज", {u"j"});
    r.consonant(u"ञ", {u"~n"});
    r.consonant(u"ठ", {u"Th"}).consonant(u"ट", {u"T"});
    r.consonant(u"\u095D", {u".Dh"}); // precomposed ढ़
    r.consonant(u"ढ", {u"Dh"});
    r.consonant(u"ड\u093C", {u".D"}); // ड with a separate nukta
    r.consonant(u"ड", {u"D"});
    r.consonant(u"ण", {u"N"});
    r.consonant(u"थ", {u"th"}).consonant(u"त", {u"t"});
    r.consonant(u"ध", {u"dh"}).consonant(u"द", {u"d"});
    r.consonant(u"न", {u"n"});
    r.consonant(u"फ", {u"ph"}).consonant(u"प", {u"p"});
    r.consonant(u"भ", {u"bh"}).consonant(u"ब", {u"b"});
    r.consonant(u"म", {u"m"});
    r.consonant(u"य", {u"y"}).consonant(u"र", {u"r"}).consonant(u"ल", {u"l"});
    r.consonant(u"व", {u"v", u"w"});
    r.consonant(u"ष", {u"Sh", u"shh", u"S", u"Z"});
    r.consonant(u"श", {u"sh"}).consonant(u"स", {u"s"}).consonant(u"ह", {u"h"});

    r.sign(u"ॄ", {u"RRI", u"R^I"}).sign(u"ृ", {u"RRi", u"R^i"});
    r.sign(u"ॣ", {u"LLI", u"L^I"}).sign(u"ॢ", {u"LLi", u"L^i"});
    r.sign(u"ा", {u"aa", u"A"}).sign(u"ै", {u"ai"}).sign(u"ौ", {u"au"}).sign(u"", {u"a"});
    r.sign(u"ी", {u"ii", u"I"}).sign(u"ि", {u"i"});
    r.sign(u"ू", {u"uu", u"U"}).sign(u"ु", {u"u"});
    r.sign(u"ॆ", {u"E"}).sign(u"े", {u"e"}); // short e sign, then e
    r.sign(u"ॊ", {u"O"}).sign(u"ो", {u"o"}); // short o sign, then o

    r.plain(u"ॠ", {u"RRI", u"R^I"}).plain(u"ऋ", {u"RRi", u"R^i"});
    r.plain(u"ॡ", {u"LLI", u"L^I"}).plain(u"ऌ", {u"LLi", u"L^i"});
    r.plain(u"आ", {u"aa", u"A"}).plain(u"ऐ", {u"ai"}).plain(u"औ", {u"au"}).plain(u"अ", {u"a"});
    r.plain(u"ई", {u"ii", u"I"}).plain(u"इ", {u"i"});
    r.plain(u"ऊ", {u"uu", u"U"}).plain(u"उ", {u"u"});
    r.plain(u"ऎ", {u"E"}).plain(u"ए", {u"e"});
    r.plain(u"ऒ", {u"O"}).plain(u"ओ", {u"o"});

    r.plain(u"॥", {u".."}).plain(u"।", {u"."});
    r.plain(u"॒", {u"\\_"}).plain(u"॑", {u"\\'"});
    return r.digits().rules();
}

RuleList harvardKyotoRules()
{
    Readings r;
    r.plain(u"ॐ", {u"OM"});

    r.consonant(u"ख", {u"kh"}).consonant(u"क", {u"k"});
    r.consonant(u"घ", {u"gh"}).consonant(u"ग", {u"g"});
    r.consonant(u"ङ", {u"G"});
    r.consonant(u"छ", {u"ch"}).consonant(u"च", {u"c"});
    r.consonant(u"झ", {u"jh"}).consonant(u"ज", {u"j"});
    r.consonant(u"ञ", {u"J"});
    r.consonant(u"ठ", {u"Th"}).consonant(u"ट", {u"T"});
    r.consonant(u"ढ", {u"Dh"}).consonant(u"ड", {u"D"});
    r.consonant(u"ण", {u"N"});
    r.consonant(u"थ", {u"th"}).consonant(u"त", {u"t"});
    r.consonant(u"ध", {u"dh"}).consonant(u"द", {u"d"});
    r.consonant(u"न", {u"n"});
    r.consonant(u"फ", {u"ph"}).consonant(u"प", {u"p"});
    r.consonant(u"भ", {u"bh"}).consonant(u"ब", {u"b"});
    r.consonant(u"म", {u"m"});
    r.consonant(u"य", {u"y"}).consonant(u"र", {u"r"}).consonant(u"ल", {u"l"}).consonant(u"व", {u"v"});
    r.consonant(u"श", {u"z"}).consonant(u"ष", {u"S"}).consonant(u"स", {u"s"});
    r.consonant(u"ह", {u"h"});
    r.consonant(u"ळ", {u"W"});

    r.plain(u"्", {u"@"}); // an explicit virama

    r.sign(u"ॄ", {u"RR"}).sign(u"ृ", {u"R"});
    r.sign(u"ै", {u"ai"}).sign(u"ौ", {u"au"}).sign(u"", {u"a"});
    r.sign(u"ा", {u"A"}).sign(u"ि", {u"i"}).sign(u"ी", {u"I"});
    r.sign(u"ु", {u"u"}).sign(u"ू", {u"U"});
    r.sign(u"े", {u"e"}).sign(u"ो", {u"o"});

    r.plain(u"ऽ", {u"\\'"});
    r.plain(u"ं", {u"M"}).plain(u"ँ", {u"&"}).plain(u"ः", {u"H"});
    r.plain(u"॥", {u"\\-\\-"}).plain(u"।", {u"\\-"});

    r.plain(u"ऐ", {u"ai"}).plain(u"औ", {u"au"});
    r.plain(u"ॠ", {u"RR"}).plain(u"ऋ", {u"R"});
    r.plain(u"अ", {u"a"}).plain(u"आ", {u"A"});
    r.plain(u"इ", {u"i"}).plain(u"ई", {u"I"});
    r.plain(u"उ", {u"u"}).plain(u"ऊ", {u"U"});
    r.plain(u"ए", {u"e"}).plain(u"ओ", {u"o"});
    return r.digits().rules();
}

RuleList slp1Rules()
{
    Readings r;
    r.plain(u"ं", {u"M"}).plain(u"ः", {u"H"}).plain(u"ऽ", {u"'"});

    r.consonant(u"ख", {u"K"}).consonant(u"क", {u"k"});
    r.consonant(u"घ", {u"G"}).consonant(u"ग", {u"g"});
    r.consonant(u"ङ", {u"N"});
    r.consonant(u"छ", {u"C"}).consonant(u"च", {u"c"});
    r.consonant(u"झ", {u"J"}).consonant(u"ज", {u"j"});
    r.consonant(u"ञ", {u"Y"});
    r.consonant(u"ठ", {u"W"}).consonant(u"ट", {u"w"});
    r.consonant(u"ढ", {u"Q"}).consonant(u"ड", {u"q"});
    r.consonant(u"ण", {u"R"});
    r.consonant(u"थ", {u"T"}).consonant(u"त", {u"t"});
    r.consonant(u"ध", {u"D"}).consonant(u"द", {u"d"});
    r.consonant(u"न", {u"n"});
    r.consonant(u"फ", {u"P"}).consonant(u"प", {u"p"});
    r.consonant(u"भ", {u"B"}).consonant(u"ब", {u"b"});
    r.consonant(u"म", {u"m"});
    r.consonant(u"य", {u"y"}).consonant(u"र", {u"r"}).consonant(u"ल", {u"l"}).consonant(u"व", {u"v"});
    r.consonant(u"ष", {u"z"}).consonant(u"श", {u"S"}).consonant(u"स", {u"s"});
    r.consonant(u"ह", {u"h"});
    r.consonant(u"ळ", {u"LL"});

    r.sign(u"ै", {u"E"}).sign(u"ौ", {u"O"});
    r.sign(u"ा", {u"A"}).sign(u"", {u"a"});
    r.sign(u"ी", {u"I"}).sign(u"ि", {u"i"});
    r.sign(u"ू", {u"U"}).sign(u"ु", {u"u"});
    r.sign(u"ॄ", {u"F"}).sign(u"ृ", {u"f"});
    r.sign(u"ॣ", {u"X"}).sign(u"ॢ", {u"x"});
    r.sign(u"े", {u"e"}).sign(u"ो", {u"o"});

    r.plain(u"ऐ", {u"E"}).plain(u"औ", {u"O"});
    r.plain(u"आ", {u"A"}).plain(u"अ", {u"a"});
    r.plain(u"ई", {u"I"}).plain(u"इ", {u"i"});
    r.plain(u"ऊ", {u"U"}).plain(u"उ", {u"u"});
    r.plain(u"ॠ", {u"F"}).plain(u"ऋ", {u"f"});
    r.plain(u"ॡ", {u"X"}).plain(u"ऌ", {u"x"});
    r.plain(u"ए", {u"e"}).plain(u"ओ", {u"o"});
    return r.digits().rules();
}

// Cyrillic with diacritics. Marks follow their base letter, spelled by code point.
#define DOT_BELOW "\u0323"
#define MACRON "\u0304"

struct CyrillicConsonant
{
    QStringView form;
    QStringView letter;
};

// Aspirated forms and forms with marks stand before the plain forms they contain. The last two,
// р and л, are read as consonants only after the vocalic r and l have been read.
const CyrillicConsonant cyrillicConsonants[] = {
    {u"кх", u"ख"}, {u"к", u"क"}, {u"гх", u"घ"}, {u"г", u"ग"}, {u"н\u0307", u"ङ"},
    {u"чх", u"छ"}, {u"ч", u"च"}, {u"джх", u"झ"}, {u"дж", u"ज"}, {u"н\u0303", u"ञ"},
    {u"т" DOT_BELOW "х", u"ठ"}, {u"т" DOT_BELOW, u"ट"}, {u"д" DOT_BELOW "х", u"ढ"},
    {u"д" DOT_BELOW, u"ड"}, {u"н" DOT_BELOW, u"ण"},
    {u"тх", u"थ"}, {u"т", u"त"}, {u"дх", u"ध"}, {u"д", u"द"}, {u"н", u"न"},
    {u"пх", u"फ"}, {u"п", u"प"}, {u"бх", u"भ"}, {u"б", u"ब"}, {u"м", u"म"},
    {u"й", u"य"}, {u"в", u"व"}, {u"ш" DOT_BELOW, u"ष"}, {u"ш\u0301", u"श"}, {u"с", u"स"},
    {u"х", u"ह"}, {u"р", u"र"}, {u"л", u"ल"},
};

constexpr QStringView cyrillicLongR = u"р" MACRON DOT_BELOW;
constexpr QStringView cyrillicR = u"р" DOT_BELOW;
constexpr QStringView cyrillicLongL = u"л" DOT_BELOW MACRON;
constexpr QStringView cyrillicL = u"л" DOT_BELOW;

RuleList cyrillicRules()
{
    Readings r;
    r.plain(u"ॐ", {u"ом\u0307"});
    r.plain(u"ं", {u"м" DOT_BELOW}).plain(u"ः", {u"х" DOT_BELOW});
    r.plain(u"ऽ", {u"'"}).plain(u"॥", {u"||"}).plain(u"।", {u"|"});

    // A vocalic r or l right after a consonant is its vowel sign.
    const std::pair<QStringView, QStringView> vocalicSigns[] = {
        {cyrillicLongR, u"ॄ"}, {cyrillicR, u"ृ"}, {cyrillicLongL, u"ॣ"}, {cyrillicL, u"ॢ"}};
    for (const auto &[vowel, vowelSign] : vocalicSigns) {
        for (const CyrillicConsonant &c : cyrillicConsonants)
            r.plain(c.letter.toString() + vowelSign.toString(), {c.form.toString() + vowel.toString()});
    }

    for (const CyrillicConsonant &c : cyrillicConsonants) {
        if (c.form != u"р" && c.form != u"л")
            r.consonant(c.letter, {c.form});
    }
    r.plain(u"ॠ", {cyrillicLongR}).plain(u"ऋ", {cyrillicR});
    r.plain(u"ॡ", {cyrillicLongL}).plain(u"ऌ", {cyrillicL});
    r.consonant(u"र", {u"р"}).consonant(u"ल", {u"л"});

    r.sign(u"ै", {u"аи"}).sign(u"ौ", {u"ау"});
    r.sign(u"ा", {u"а" MACRON}).sign(u"", {u"а"});
    r.sign(u"ी", {u"и" MACRON}).sign(u"ि", {u"и"});
    r.sign(u"ू", {u"у" MACRON}).sign(u"ु", {u"у"});
    r.sign(u"े", {u"е"}).sign(u"ो", {u"о"});

    r.plain(u"ऐ", {u"аи"}).plain(u"औ", {u"ау"});
    r.plain(u"आ", {u"а" MACRON}).plain(u"अ", {u"а"});
    r.plain(u"ई", {u"и" MACRON}).plain(u"इ", {u"и"});
    r.plain(u"ऊ", {u"у" MACRON}).plain(u"उ", {u"у"});
    r.plain(u"ए", {u"э"}).plain(u"ओ", {u"о"});
    return r.digits().rules();
}

#undef DOT_BELOW
#undef MACRON

} // namespace

const RuleSet &IntoDevanagariRules(SourceSystem system)
{
    static const std::map<SourceSystem, RuleSet> all = {
        {SourceSystem::Iast, RuleSet(iastRules(false))},
        {SourceSystem::Kolkata, RuleSet(iastRules(true))},
        {SourceSystem::Itrans, RuleSet(itransRules())},
        {SourceSystem::HarvardKyoto, RuleSet(harvardKyotoRules())},
        {SourceSystem::Slp1, RuleSet(slp1Rules())},
        {SourceSystem::Cyrillic, RuleSet(cyrillicRules())},
    };
    return all.at(system);
}

QString ToDevanagari(SourceSystem system, const QString &text)
{
    return IntoDevanagariRules(system).apply(text);
}

QString IastToDevanagari(const QString &text) { return ToDevanagari(SourceSystem::Iast, text); }
QString KolkataToDevanagari(const QString &text) { return ToDevanagari(SourceSystem::Kolkata, text); }
QString ItransToDevanagari(const QString &text) { return ToDevanagari(SourceSystem::Itrans, text); }
QString HarvardKyotoToDevanagari(const QString &text) { return ToDevanagari(SourceSystem::HarvardKyoto, text); }
QString Slp1ToDevanagari(const QString &text) { return ToDevanagari(SourceSystem::Slp1, text); }
QString CyrillicToDevanagari(const QString &text) { return ToDevanagari(SourceSystem::Cyrillic, text); }
