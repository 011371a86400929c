#include "script/master_table.h"

#include <QHash>

namespace {

using Values = std::array<const char16_t *, TargetSystemCount>;

struct MasterRow
{
    char16_t unit;
    char16_t sign; // the vowel sign written with the same value, or 0
    Values values;
    Values signValues = {}; // where the sign is written otherwise than the letter
};

// Columns: IAST, Kolkata, ITRANS, Harvard-Kyoto, SLP1, Velthuis, Cyrillic with diacritics,
// Cyrillic with long vowels doubled, Cyrillic without length.
const MasterRow masterRows[] = {
    {u'अ', 0, {u"a", u"a", u"a", u"a", u"a", u"a", u"а", u"а", u"а"}},
    {u'आ', u'ा', {u"ā", u"ā", u"A", u"A", u"A", u"aa", u"а\u0304", u"аа", u"а"}},
    {u'इ', u'ि', {u"i", u"i", u"i", u"i", u"i", u"i", u"и", u"и", u"и"}},
    {u'ई', u'ी', {u"ī", u"ī", u"I", u"I", u"I", u"ii", u"и\u0304", u"ии", u"и"}},
    {u'उ', u'ु', {u"u", u"u", u"u", u"u", u"u", u"u", u"у", u"у", u"у"}},
    {u'ऊ', u'ू', {u"ū", u"ū", u"U", u"U", u"U", u"uu", u"у\u0304", u"уу", u"у"}},
    {u'ऋ', u'ृ', {u"ṛ", u"ṛ", u"RRi", u"R", u"f", u".r", u"р\u0323", u"р", u"р"}},
    {u'ॠ', u'ॄ', {u"ṝ", u"[ x ]", u"RRI", u"RR", u"F", u".rr", u"р\u0304\u0323", u"рр", u"р"}},
    {u'ऌ', u'ॢ', {u"ḷ", u"[ x ]", u"LLi", u"lR", u"x", u".l", u"л\u0323", u"л", u"л"}},
    {u'ॡ', u'ॣ', {u"ḹ", u"[ x ]", u"LLI", u"lRR", u"X", u".ll", u"л\u0323\u0304", u"лл", u"л"}},
    {u'ए', u'े', {u"e", u"ē", u"e", u"e", u"e", u"e", u"э", u"э", u"э"}, {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, u"е", u"е", u"е"}},
    {u'ऐ', u'ै', {u"ai", u"ai", u"ai", u"ai", u"E", u"ai", u"аи", u"аи", u"аи"}},
    {u'ओ', u'ो', {u"o", u"ō", u"o", u"o", u"o", u"o", u"о", u"о", u"о"}},
    {u'औ', u'ौ', {u"au", u"au", u"au", u"au", u"O", u"au", u"ау", u"ау", u"ау"}},
    {u'क', 0, {u"k", u"k", u"k", u"k", u"k", u"k", u"к", u"к", u"к"}},
    {u'ख', 0, {u"kh", u"kh", u"kh", u"kh", u"K", u"kh", u"кх", u"кх", u"кх"}},
    {u'ग', 0, {u"g", u"g", u"g", u"g", u"g", u"g", u"г", u"г", u"г"}},
    {u'घ', 0, {u"gh", u"gh", u"gh", u"gh", u"G", u"gh", u"гх", u"гх", u"гх"}},
    {u'ङ', 0, {u"ṅ", u"ṅ", u"~N", u"G", u"N", u"\"n", u"н\u0307", u"н", u"н"}},
    {u'च', 0, {u"c", u"c", u"ch", u"c", u"c", u"c", u"ч", u"ч", u"ч"}},
    {u'छ', 0, {u"ch", u"ch", u"Ch", u"ch", u"C", u"ch", u"чх", u"чх", u"чх"}},
    {u'ज', 0, {u"j", u"j", u"j", u"j", u"j", u"j", u"дж", u"дж", u"дж"}},
    {u'झ', 0, {u"jh", u"jh", u"jh", u"jh", u"J", u"jh", u"джх", u"джх", u"джх"}},
    {u'ञ', 0, {u"ñ", u"ñ", u"~n", u"J", u"Y", u"~n", u"н\u0303", u"н", u"н"}},
    {u'ट', 0, {u"ṭ", u"ṭ", u"T", u"T", u"w", u".t", u"т\u0323", u"т", u"т"}},
    {u'ठ', 0, {u"ṭh", u"ṭh", u"Th", u"Th", u"W", u".th", u"т\u0323х", u"тх", u"тх"}},
    {u'ड', 0, {u"ḍ", u"ḍ", u"D", u"D", u"q", u".d", u"д\u0323", u"д", u"д"}},
    {u'ढ', 0, {u"ḍh", u"ḍh", u"Dh", u"Dh", u"Q", u".dh", u"д\u0323х", u"дх", u"дх"}},
    {u'ण', 0, {u"ṇ", u"ṇ", u"N", u"N", u"R", u".n", u"н\u0323", u"н", u"н"}},
    {u'त', 0, {u"t", u"t", u"t", u"t", u"t", u"t", u"т", u"т", u"т"}},
    {u'थ', 0, {u"th", u"th", u"th", u"th", u"T", u"th", u"тх", u"тх", u"тх"}},
    {u'द', 0, {u"d", u"d", u"d", u"d", u"d", u"d", u"д", u"д", u"д"}},
    {u'ध', 0, {u"dh", u"dh", u"dh", u"dh", u"D", u"dh", u"дх", u"дх", u"дх"}},
    {u'न', 0, {u"n", u"n", u"n", u"n", u"n", u"n", u"н", u"н", u"н"}},
    {u'प', 0, {u"p", u"p", u"p", u"p", u"p", u"p", u"п", u"п", u"п"}},
    {u'फ', 0, {u"ph", u"ph", u"ph", u"ph", u"P", u"ph", u"пх", u"пх", u"пх"}},
    {u'ब', 0, {u"b", u"b", u"b", u"b", u"b", u"b", u"б", u"б", u"б"}},
    {u'भ', 0, {u"bh", u"bh", u"bh", u"bh", u"B", u"bh", u"бх", u"бх", u"бх"}},
    {u'म', 0, {u"m", u"m", u"m", u"m", u"m", u"m", u"м", u"м", u"м"}},
    {u'य', 0, {u"y", u"y", u"y", u"y", u"y", u"y", u"й", u"й", u"й"}},
    {u'र', 0, {u"r", u"r", u"r", u"r", u"r", u"r", u"р", u"р", u"р"}},
    {u'ल', 0, {u"l", u"l", u"l", u"l", u"l", u"l", u"л", u"л", u"л"}},
    {u'व', 0, {u"v", u"v", u"v", u"v", u"v", u"v", u"в", u"в", u"в"}},
    {u'श', 0, {u"ś", u"ś", u"sh", u"z", u"S", u"\"s", u"ш\u0301", u"ш", u"ш"}},
    {u'ष', 0, {u"ṣ", u"ṣ", u"Sh", u"S", u"z", u".s", u"ш\u0323", u"ш", u"ш"}},
    {u'स', 0, {u"s", u"s", u"s", u"s", u"s", u"s", u"с", u"с", u"с"}},
    {u'ह', 0, {u"h", u"h", u"h", u"h", u"h", u"h", u"х", u"х", u"х"}},
    {u'ळ', 0, {u"ḻ", u"ḻ", u"L", u"L", u"LL", u"L", nullptr, u"л", u"л"}},
    {u'ः', 0, {u"ḥ", u"ḥ", u"H", u"H", u"H", u".h", u"х\u0323", u"х", u"х"}},
    {u'ं', 0, {u"ṃ", u"ṃ", u"M", u"M", u"M", u".m", u"м\u0323", u"м", u"м"}},
    {u'ँ', 0, {u"m\u0310", u"m\u0310", u".N", u"[ x ]", u"~", u"[ x ]", u"[ x ]", u"[ x ]", u"[ x ]"}},
    {u'ॐ', 0, {u"oṁ", u"oṁ", u"OM", u"OM", nullptr, u"O", u"ом\u0307", u"ом", u"ом"}},
    {u'ऽ', 0, {u"'", u"'", u".a", u"'", u"'", u"'", u"'", u"'", u"'"}},
    {u'॒', 0, {u"", u"[ x ]", u"\\_", u"[ x ]", u"Z", u"\\", u"[ x ]", u"[ x ]", u"[ x ]"}},
    {u'॑', 0, {u"", u"[ x ]", u"\\'", u"[ x ]", u"V", u"/", u"[ x ]", u"[ x ]", u"[ x ]"}},
    {u'॥', 0, {nullptr, nullptr, u"||", u"||", u"..", u"||", u"||", u"||", u"||"}},
    {u'।', 0, {nullptr, nullptr, u"|", u"|", u".", u"|", u"|", u"|", u"|"}},
};

struct Entry
{
    const MasterRow *row;
    bool isSign;
};

QHash<char16_t, Entry> buildIndex()
{
    QHash<char16_t, Entry> index;
    for (const MasterRow &row : masterRows) {
        index.insert(row.unit, {&row, false});
        if (row.sign != 0)
            index.insert(row.sign, {&row, true});
    }
    return index;
}

} // namespace

const char16_t *MasterValue(QChar unit, TargetSystem system)
{
    static const QHash<char16_t, Entry> index = buildIndex();
    const auto found = index.constFind(unit.unicode());
    if (found == index.constEnd())
        return nullptr;
    const int column = static_cast<int>(system);
    const MasterRow &row = *found->row;
    if (found->isSign && row.signValues[column])
        return row.signValues[column];
    return row.values[column];
}
