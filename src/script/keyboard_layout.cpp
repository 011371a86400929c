#include "script/keyboard_layout.h"

#include <QStringView>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Each Devanagari key's characters: without modifier, with Shift, with Right Alt, with both. The
// keys follow the InScript arrangement, row by row from the digit row down, left to right. An
// empty text is a key without a character. The nukta letters are written by code point, so that
// no editor takes them apart.
using KeyCharacters = std::array<QStringView, 4>;

const KeyCharacters devanagariKeys[] = {
    // Row 1
    {u"ॊ", u"ऒ", u"", u""},
    {u"", u"ऍ", u"१", u""},
    {u"", u"ॅ", u"२", u""},
    {u"", u"्र", u"३", u""},
    {u"", u"र्", u"४", u""},
    {u"", u"ज्", u"५", u""},
    {u"", u"त्", u"६", u""},
    {u"", u"क्", u"७", u""},
    {u"", u"श्", u"८", u""},
    {u"", u"", u"९", u""},
    {u"", u"", u"०", u""},
    {u"", u"ः", u"", u""},
    {u"ृ", u"ऋ", u"ॄ", u"ॠ"},
    {u"ॉ", u"ऑ", u"", u""},
    // Row 2
    {u"ौ", u"औ", u"", u""},
    {u"ै", u"ऐ", u"", u""},
    {u"ा", u"आ", u"", u""},
    {u"ी", u"ई", u"ॣ", u"ॡ"},
    {u"ू", u"ऊ", u"", u""},
    {u"ब", u"भ", u"", u""},
    {u"ह", u"ङ", u"", u""},
    {u"ग", u"घ", u"\u095A", u""},
    {u"द", u"ध", u"", u""},
    {u"ज", u"झ", u"\u095B", u""},
    {u"ड", u"ढ", u"\u095C", u""},
    {u"\u093C", u"ञ", u"", u""},
    // Row 3
    {u"ो", u"ओ", u"", u""},
    {u"े", u"ए", u"", u""},
    {u"्", u"अ", u"", u""},
    {u"ि", u"इ", u"ॢ", u"ऌ"},
    {u"ु", u"उ", u"", u""},
    {u"प", u"फ", u"", u""},
    {u"र", u"\u0931", u"", u""},
    {u"क", u"ख", u"\u0958", u""},
    {u"त", u"थ", u"", u""},
    {u"च", u"छ", u"॒", u""},
    {u"ट", u"ठ", u"", u""},
    // Row 4
    {u"ॆ", u"ऎ", u"॓", u""},
    {u"ं", u"ँ", u"", u"ॐ"},
    {u"म", u"ण", u"॔", u""},
    {u"न", u"\u0929", u"", u""},
    {u"व", u"\u0934", u"", u""},
    {u"ल", u"ळ", u"", u""},
    {u"स", u"श", u"", u""},
    {u"", u"ष", u"॰", u""},
    {u"", u"।", u"॥", u""},
    {u"य", u"\u095F", u"", u""},
};

constexpr int rowLengths[] = {14, 12, 11, 10};

} // namespace

namespace SanskritKeyboard {

int RowLength(int row)
{
    return row >= 0 && row < RowCount ? rowLengths[row] : 0;
}

QString DevanagariKey(int row, int key, Modifiers modifiers)
{
    if (row < 0 || row >= RowCount || key < 0 || key >= rowLengths[row])
        return QString();
    int index = key;
    for (int r = 0; r < row; ++r)
        index += rowLengths[r];
    const int column = (modifiers.shift ? 1 : 0) + (modifiers.rightAlt ? 2 : 0);
    return devanagariKeys[index][column].toString();
}

QStringList IastKeys()
{
    return {u"ā"_s, u"ī"_s, u"ū"_s, u"ṛ"_s, u"ṝ"_s, u"ḷ"_s, u"ḹ"_s, u"ṃ"_s, u"ḥ"_s,
            u"ṭ"_s, u"ṭh"_s, u"ḍ"_s, u"ḍh"_s, u"ṅ"_s, u"ñ"_s, u"ṇ"_s, u"ś"_s, u"ṣ"_s, u"ē"_s};
}

QStringList CyrillicKeys()
{
    // Base letter first, then its marks in the order the Cyrillic transliteration writes them.
    return {u"а\u0304"_s,       u"и\u0304"_s,       u"у\u0304"_s,       u"р\u0323"_s,
            u"р\u0304\u0323"_s, u"л\u0323"_s,       u"л\u0323\u0304"_s, u"м\u0323"_s,
            u"х\u0323"_s,
            u"т\u0323"_s,       u"т\u0323х"_s,      u"д\u0323"_s,       u"д\u0323х"_s,
            u"н\u0307"_s,       u"н\u0303"_s,       u"н\u0323"_s,       u"ш\u0301"_s,
            u"ш\u0323"_s};
}

} // namespace SanskritKeyboard
