#pragma once

#include <QString>
#include <QStringList>

// The keys of the on-screen Sanskrit keyboard.
namespace SanskritKeyboard {

inline constexpr int RowCount = 4; // the Devanagari page: 14, 12, 11 and 10 keys

struct Modifiers
{
    bool shift = false;
    bool rightAlt = false;
};

int RowLength(int row);
// What the Devanagari key at row and position (both from 0) types with the switches given;
// empty for a key without a character.
QString DevanagariKey(int row, int key, Modifiers modifiers);

// The pages of letters with diacritics: the first nine keys make the first row, the rest the
// second.
QStringList IastKeys();
QStringList CyrillicKeys();

} // namespace SanskritKeyboard
