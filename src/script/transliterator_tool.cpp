#include "script/transliterator_tool.h"

#include "script/from_devanagari.h"
#include "script/into_devanagari.h"
#include "script/repertoire.h"
#include "script/writing_systems.h"

using namespace Qt::StringLiterals;

namespace TransliteratorTool {

namespace {

const WritingSystem *byToolName(const QString &name)
{
    for (const WritingSystem &system : WritingSystems()) {
        if (system.toolName == name)
            return &system;
    }
    return nullptr;
}

// The units of the scheme, the three signs shown on अ.
const QStringList schemeUnits = {
    u"अ"_s, u"आ"_s, u"इ"_s, u"ई"_s, u"उ"_s, u"ऊ"_s, u"ऋ"_s, u"ॠ"_s, u"ऌ"_s, u"ॡ"_s, u"ए"_s, u"ऐ"_s,
    u"ओ"_s, u"औ"_s, u"अं"_s, u"अः"_s, u"अँ"_s, u"क"_s, u"ख"_s, u"ग"_s, u"घ"_s, u"ङ"_s, u"च"_s, u"छ"_s,
    u"ज"_s, u"झ"_s, u"ञ"_s, u"ट"_s, u"ठ"_s, u"ड"_s, u"ढ"_s, u"ण"_s, u"त"_s, u"थ"_s, u"द"_s, u"ध"_s,
    u"न"_s, u"प"_s, u"फ"_s, u"ब"_s, u"भ"_s, u"म"_s, u"य"_s, u"र"_s, u"ल"_s, u"व"_s, u"श"_s, u"ष"_s,
    u"स"_s, u"ह"_s, u"ळ"_s, u"ॐ"_s, u"ऽ"_s, u"।"_s, u"॥"_s, u"॒"_s, u"॑"_s,
};

// Where the scheme shows a unit otherwise than the conversion writes it alone.
const QHash<QString, QHash<QString, QString>> &schemeExceptions()
{
    static const QString x = u"[ x ]"_s;
    static const QHash<QString, QHash<QString, QString>> exceptions = {
        {u"IAST"_s, {{u"ॐ"_s, u"oṃ"_s}, {u"॒"_s, x}, {u"॑"_s, x}}},
        {u"Калькутта"_s, {{u"ॐ"_s, u"oṃ"_s}}},
        {u"ITRANS"_s, {{u"ङ"_s, u"~N"_s}, {u"च"_s, u"ca"_s}}},
        {u"Гарвард-Киото"_s, {{u"अँ"_s, x}}},
        {u"Вельтхёйс"_s,
         {{u"अं"_s, u".m"_s}, {u"अः"_s, u".h"_s}, {u"अँ"_s, x}, {u"ळ"_s, x}, {u"ऽ"_s, x},
          {u"।"_s, x}, {u"॥"_s, x}, {u"॒"_s, x}, {u"॑"_s, x}}},
        {u"SLP1"_s, {{u"अँ"_s, x}, {u"ळ"_s, u"La"_s}, {u"ॐ"_s, x}, {u"॒"_s, x}, {u"॑"_s, x}}},
        {u"Кириллица с диакритиками"_s,
         {{u"ऌ"_s, u"л\u0323 "_s}, {u"ॡ"_s, u"л\u0323\u0304 "_s}, {u"ए"_s, u"е"_s}, {u"अँ"_s, x},
          {u"ठ"_s, u"т\u0323х\u0323а"_s}, {u"ढ"_s, u"д\u0323х\u0323а"_s}, {u"श"_s, u"ша"_s},
          {u"ळ"_s, u"л\u0323а"_s}}},
        {u"Кириллица без диакритиков с удлинёнными гласными"_s, {{u"अँ"_s, x}}},
        {u"Кириллица без диакритиков и без удлинённых гласных"_s, {{u"अँ"_s, x}}},
    };
    return exceptions;
}

const QString recommendation =
    u"Мы рекомендуем за основу взять Деванагари и IAST, а данную систему использовать для ознакомления."_s;

} // namespace

QStringList InitialTargets()
{
    return {u"IAST"_s, u"ITRANS"_s, u"Калькутта"_s, u"Гарвард-Киото"_s, u"Вельтхёйс"_s, u"SLP1"_s,
            u"Кириллица с диакритиками"_s, u"Кириллица без диакритиков с удлинёнными гласными"_s,
            u"Кириллица без диакритиков и без удлинённых гласных"_s, OwnSystemItem};
}

QStringList TargetsFromDevanagari()
{
    return {u"IAST"_s, u"ITRANS"_s, u"Калькутта"_s, u"Гарвард-Киото"_s, u"SLP1"_s,
            u"Кириллица с диакритиками"_s, OwnSystemItem};
}

QStringList SourcesIntoDevanagari()
{
    return {u"IAST"_s, u"ITRANS"_s, u"Калькутта"_s, u"Гарвард-Киото"_s, u"SLP1"_s,
            u"Кириллица с диакритиками"_s};
}

const QList<OwnSystemGroup> &OwnSystemGroups()
{
    static const QList<OwnSystemGroup> groups = {
        {u"Независимые гласные:"_s,
         {{u"sEdit3"_s, u"अ"_s}, {u"sEdit4"_s, u"आ"_s}, {u"sEdit5"_s, u"इ"_s}, {u"sEdit6"_s, u"ई"_s},
          {u"sEdit7"_s, u"उ"_s}, {u"sEdit8"_s, u"ऊ"_s}, {u"sEdit9"_s, u"ऋ"_s}, {u"sEdit10"_s, u"ॠ"_s},
          {u"sEdit11"_s, u"ऌ"_s}, {u"sEdit12"_s, u"ॡ"_s}, {u"sEdit13"_s, u"ए"_s}, {u"sEdit14"_s, u"ऐ"_s},
          {u"sEdit20"_s, u"ओ"_s}, {u"sEdit19"_s, u"औ"_s}}},
        {u"Гласные:"_s,
         {{u"sEdit22"_s, u"ा"_s}, {u"sEdit38"_s, u"ि"_s}, {u"sEdit24"_s, u"ी"_s}, {u"sEdit28"_s, u"ु"_s},
          {u"sEdit27"_s, u"ू"_s}, {u"sEdit30"_s, u"ृ"_s}, {u"sEdit29"_s, u"ॄ"_s}, {u"sEdit32"_s, u"ॢ"_s},
          {u"sEdit31"_s, u"ॣ"_s}, {u"sEdit21"_s, u"े"_s}, {u"sEdit23"_s, u"ै"_s}, {u"sEdit26"_s, u"ो"_s},
          {u"sEdit25"_s, u"ौ"_s}}},
        {u"Согласные и другие знаки:"_s,
         {{u"sEdit40"_s, u"क"_s}, {u"sEdit39"_s, u"ख"_s}, {u"sEdit41"_s, u"ग"_s}, {u"sEdit43"_s, u"घ"_s},
          {u"sEdit44"_s, u"ङ"_s}, {u"sEdit42"_s, u"च"_s}, {u"sEdit45"_s, u"छ"_s}, {u"sEdit46"_s, u"ज"_s},
          {u"sEdit47"_s, u"झ"_s}, {u"sEdit48"_s, u"ञ"_s}, {u"sEdit49"_s, u"ट"_s}, {u"sEdit50"_s, u"ठ"_s},
          {u"sEdit56"_s, u"ड"_s}, {u"sEdit55"_s, u"ढ"_s}, {u"sEdit54"_s, u"ण"_s}, {u"sEdit53"_s, u"त"_s},
          {u"sEdit52"_s, u"थ"_s}, {u"sEdit51"_s, u"द"_s}, {u"sEdit79"_s, u"ध"_s}, {u"sEdit77"_s, u"न"_s},
          {u"sEdit78"_s, u"प"_s}, {u"sEdit76"_s, u"फ"_s}, {u"sEdit75"_s, u"ब"_s}, {u"sEdit74"_s, u"भ"_s},
          {u"sEdit80"_s, u"म"_s}, {u"sEdit81"_s, u"ं"_s}, {u"sEdit82"_s, u"ः"_s}, {u"sEdit83"_s, u"ँ"_s},
          {u"sEdit15"_s, u"य"_s}, {u"sEdit16"_s, u"र"_s}, {u"sEdit17"_s, u"ल"_s}, {u"sEdit18"_s, u"व"_s},
          {u"sEdit84"_s, u"श"_s}, {u"sEdit85"_s, u"ष"_s}, {u"sEdit86"_s, u"स"_s}, {u"sEdit87"_s, u"ह"_s}}},
        {u"Ведийский санскрит:"_s, {{u"sEdit67"_s, u"ळ"_s}, {u"sEdit68"_s, u"॒"_s}, {u"sEdit69"_s, u"॑"_s}}},
        {u"Цифры: "_s,
         {{u"sEdit57"_s, u"०"_s}, {u"sEdit58"_s, u"१"_s}, {u"sEdit59"_s, u"२"_s}, {u"sEdit60"_s, u"३"_s},
          {u"sEdit61"_s, u"४"_s}, {u"sEdit66"_s, u"५"_s}, {u"sEdit65"_s, u"६"_s}, {u"sEdit64"_s, u"७"_s},
          {u"sEdit63"_s, u"८"_s}, {u"sEdit62"_s, u"९"_s}}},
        {u"Символы и пунктуация: "_s,
         {{u"sEdit70"_s, u"ॐ"_s}, {u"sEdit71"_s, u"ऽ"_s}, {u"sEdit72"_s, u"॥"_s}, {u"sEdit73"_s, u"।"_s}}},
    };
    return groups;
}

// As the conversion from Devanagari, with the fields' texts for the values: a consonant is the
// same text bare or before a virama, with no inherent vowel appended.
RuleList OwnSystemRules(const QHash<QString, QString> &fieldTexts)
{
    const auto field = [&fieldTexts](QChar unit) { return fieldTexts.value(QString(unit)); };
    RuleList rules;
    for (QChar sign : RuleOrder::Signs)
        rules.append({QString(sign), Devanagari::Virama + field(sign)});
    for (QChar consonant : RuleOrder::Consonants)
        rules.append({QString(consonant) + Devanagari::Virama, field(consonant)});
    for (QChar consonant : RuleOrder::Consonants)
        rules.append({QString(consonant), field(consonant)});
    for (QChar vowel : RuleOrder::Vowels)
        rules.append({QString(vowel), field(vowel)});
    for (QChar digit : Devanagari::Digits)
        rules.append({QString(digit), field(digit)});
    rules.append({QString(Devanagari::Virama), QString()});
    for (QStringView group : {RuleOrder::SignsAfterVirama, RuleOrder::LastUnits}) {
        for (QChar unit : group)
            rules.append({QString(unit), field(unit)});
    }
    return rules;
}

bool Convert(const QString &source, const QString &target, const QString &text,
             const QHash<QString, QString> &ownFields, QString *result)
{
    if (source == DevanagariItem) {
        if (target == OwnSystemItem) {
            *result = ApplyRules(text, OwnSystemRules(ownFields));
            return true;
        }
        if (const WritingSystem *system = byToolName(target)) {
            *result = DevanagariTo(*system->target, text);
            return true;
        }
        return false;
    }
    if (target == DevanagariItem) {
        const WritingSystem *system = byToolName(source);
        if (system && system->source) {
            *result = ToDevanagari(*system->source, text);
            return true;
        }
    }
    return false;
}

bool IsSystemOfTheScheme(const QString &target)
{
    return byToolName(target) != nullptr;
}

QList<QPair<QString, QString>> Scheme(const QString &target)
{
    QList<QPair<QString, QString>> rows = {{u"Деванагари"_s, target}};
    const WritingSystem *system = byToolName(target);
    if (!system)
        return rows;
    const QHash<QString, QString> exceptions = schemeExceptions().value(target);
    for (const QString &unit : schemeUnits)
        rows.append({unit, exceptions.value(unit, DevanagariTo(*system->target, unit))});
    return rows;
}

QString GuideText(const QString &target)
{
    static const QHash<QString, QString> texts = {
        {u"IAST"_s,
         u"IAST\n\nОб IAST (International Alphabet of Sanskrit Transliteration)\n"
         "Международный алфавит транслитерации санскрита — академический стандарт для передачи "
         "санскрита средствами латинского алфавита с диакритическими знаками.\n\n"
         "Каждой букве деванагари в IAST отвечает ровно одна буква или сочетание букв, поэтому по "
         "тексту в IAST его можно однозначно записать деванагари. Эту систему вы встретите в "
         "научных изданиях, словарях и учебниках.\n\n"
         "Мы рекомендуем за основу взять Деванагари и IAST."_s},
        {u"ITRANS"_s,
         u"ITRANS\n\nОб ITRANS\n"
         "ITRANS – расширение системы Гарвард-Киото. Она используется на многих страницах в сети, "
         "а также в электронной переписке и на форумах.\n\n"
         "В ITRANS нет диакритических знаков: долгие гласные пишутся заглавными буквами или "
         "удвоением (A или aa), церебральные согласные — заглавными (T, D, N), а некоторые звуки — "
         "сочетаниями знаков (~N, ~n, RRi). Такой текст легко набрать на любой клавиатуре.\n\n"_s
             + recommendation},
        {u"Калькутта"_s,
         u"Калькутта\n\nО системе Калькутты\n"
         "Система, принятая Национальной библиотекой в Калькутте, близка к IAST, но отмечает "
         "долготу гласных е и о макроном (ē, ō), как это нужно для языков Индии, где бывают и "
         "краткие е и о.\n\n"
         "Для слогового р̣̄ и для ḷ, ḹ в ней нет знаков.\n\n"_s
             + recommendation},
        {u"Гарвард-Киото"_s,
         u"Гарвард-Киото\n\nО системе Гарвард-Киото\n"
         "Система без диакритических знаков, созданная для набора санскрита на обычной "
         "клавиатуре и для электронной почты. Долгие гласные и церебральные согласные пишутся в "
         "ней заглавными буквами (A, I, U, T, D, N), ś — буквой z, ṣ — буквой S.\n\n"
         "Её легко набирать, но заглавные буквы в ней значат другое, чем в обычном тексте, и в "
         "начале предложения их нельзя использовать как обычно.\n\n"_s
             + recommendation},
        {u"Вельтхёйс"_s,
         u"Вельтхёйс\n\nО системе Вельтхёйса\n"
         "Система Франса Вельтхёйса была создана для набора текстов деванагари в издательской "
         "системе TeX. Долгие гласные пишутся в ней удвоением (aa, ii, uu), а точки и черты "
         "диакритики — знаками перед буквой (.t, .d, .n, \"n, ~n).\n\n"
         "Обратно в деванагари этот инструмент текст Вельтхёйса не переводит.\n\n"_s
             + recommendation},
        {u"SLP1"_s,
         u"SLP1\n\nО SLP1 (Sanskrit Library Phonetic Basic)\n"
         "Система, в которой каждому звуку санскрита отвечает ровно один латинский знак, без "
         "диакритики и без сочетаний букв: придыхательные пишутся заглавными (K, G, T, D), слоговое "
         "r — буквой f, ś — S, ṣ — z. Поэтому ею удобно пользоваться в программах для обработки "
         "санскритских текстов.\n\n"
         "Людям её читать труднее, чем IAST.\n\n"_s
             + recommendation},
        {u"Кириллица с диакритиками"_s,
         u"Кириллица с диакритиками\n\n"
         "Эта система основана на IAST. Кириллические символы с диакритикой полноценно работают только "
         "с unicode шрифтами, поэтому на некоторых компьютерах точки и черты могут отображаться "
         "рядом с буквами, а не над ними или под ними. "_s
             + recommendation},
        {u"Кириллица без диакритиков с удлинёнными гласными"_s,
         u"Кириллица без диакритиков с удлинёнными гласными\n\n"
         "Данная система позволяет транслитерировать символы деванагари в привычную нам кириллицу без "
         "диакритиков. Долгие гласные в ней пишутся удвоенными (аа, ии, уу), а различия "
         "церебральных и зубных согласных теряются. "_s
             + recommendation},
        {u"Кириллица без диакритиков и без удлинённых гласных"_s,
         u"Кириллица без диакритиков и без удлинённых гласных\n\n"
         "Данная система позволяет транслитерировать символы деванагари в привычную нам кириллицу без "
         "диакритиков. Она не отличает долгие гласные от кратких и церебральные согласные от "
         "зубных, поэтому по такому тексту нельзя восстановить деванагари. "_s
             + recommendation},
    };
    if (target == DevanagariItem)
        return u"Деванагари (देवनागरी Devanāgarī) – письменность санскрита. Это слоговое письмо: "
               "каждая согласная буква читается с кратким a, а другой гласный обозначается знаком "
               "рядом с ней. Слова пишутся под общей верхней чертой.\n\n"
               "Выучить деванагари — лучший способ читать санскрит без искажений: любая "
               "транслитерация лишь передаёт этот текст другими буквами."_s;
    return texts.value(target);
}

QString Example(const QString &source)
{
    static const QHash<QString, QString> examples = {
        {DevanagariItem,
         u"ॐ पूर्णमदः पूर्णमिदं पूर्णात् पूर्णमुदच्यते ।\nपूर्णस्य पूर्णमादाय पूर्णमेवावशिष्यते ॥"_s},
        {u"IAST"_s,
         u"Sabhī manuṣyoṃ ko gaurav aur adhikāroṃ ke māmle meṃ janmajāt svatantratā aur samāntā prāpt "
         "hai. Unheṃ buddhi aur antrātmā kī den hai aur parspar unheṃ bhāīcāre ke bhāv se bartāv karnā "
         "cāhiye."_s},
        {u"ITRANS"_s,
         u"sabhI manuShyoM ko gaurava aura adhikAroM ke mAmale meM janmajAta svatantratA aura samAnatA "
         "prApta hai | unheM buddhi aura antarAtmA kI dena hai aura paraspara unheM bhAIchAre ke bhAva se "
         "bartAva karanA chAhiye |"_s},
        {u"Калькутта"_s,
         u"sabhī manuṣyōṃ kō gaurava aura adhikārōṃ kē māmalē mēṃ janmajāta svatantratā aura samānatā "
         "prāpta hai । unhēṃ buddhi aura antarātmā kī dēna hai aura paraspara unhēṃ bhāīcārē kē bhāva sē "
         "bartāva karanā cāhiyē ।"_s},
        {u"Гарвард-Киото"_s,
         u"sabhI manuSyoM ko gaurava aura adhikAroM ke mAmale meM janmajAta svatantratA aura samAnatA "
         "prApta hai | unheM buddhi aura antarAtmA kI dena hai aura paraspara unheM bhAIcAre ke bhAva se "
         "bartAva karanA cAhiye |"_s},
        {u"SLP1"_s,
         u"saBI manuzyoM ko gOrava Ora aDikAroM ke mAmale meM janmajAta svatantratA Ora samAnatA prApta "
         "hE. unheM budDi Ora antarAtmA kI dena hE Ora paraspara unheM BAIcAre ke BAva se bartAva karanA "
         "cAhiye."_s},
        {u"Кириллица с диакритиками"_s,
         u"ом\u0307 пу\u0304рн\u0323амадах\u0323 пу\u0304рн\u0323амидам\u0323 пу\u0304рн\u0323а\u0304т "
         "пу\u0304рн\u0323амудачйате |\nпу\u0304рн\u0323асйа пу\u0304рн\u0323ама\u0304да\u0304йа "
         "пу\u0304рн\u0323амева\u0304ваш\u0301иш\u0323йате ||"_s},
    };
    return examples.value(source);
}

QString AboutText()
{
    return u"Этот инструмент переводит символы из деванагари в понятные нам символы латиницы или "
           "кириллицы и наоборот.\n\n"
           "Самые распространённые системы транслитерации — IAST, принятая в печатных изданиях, и "
           "ITRANS, которой часто пользуются в интернете.\n\n"
           "Мы советуем учить деванагари, а не полагаться на транслитерацию: люди путают системы "
           "между собой, не каждую из них можно перевести обратно в деванагари, некоторые передают "
           "звуки неверно, а диакритические знаки правильно видны только в шрифтах с поддержкой "
           "unicode.\n\n"
           "Пользуйтесь инструментом для знакомства с текстом или там, где этого требует "
           "публикация, и всегда приводите рядом сам текст на деванагари, его источник и название "
           "системы транслитерации. Если вы пользуетесь своей системой, опишите её в публикации."_s;
}

} // namespace TransliteratorTool
