#pragma once

#include <QChar>
#include <QStringView>

// The Devanagari units the program knows. Each is a single UTF-16 code unit.
namespace Devanagari {

inline constexpr QChar Virama{0x094D};
inline constexpr QChar Visarga{0x0903};
inline constexpr QChar Anusvara{0x0902};
inline constexpr QChar Chandrabindu{0x0901};
inline constexpr QChar Avagraha{0x093D};
inline constexpr QChar Om{0x0950};
inline constexpr QChar Udatta{0x0951};
inline constexpr QChar Anudatta{0x0952};
inline constexpr QChar Danda{0x0964};
inline constexpr QChar DoubleDanda{0x0965};
inline constexpr QChar Nukta{0x093C};
inline constexpr char16_t DigitZero = 0x0966;

// The groups in their traditional order.
inline constexpr QStringView IndependentVowels = u"अआइईउऊऋॠऌॡएऐओऔ";
inline constexpr QStringView VowelSigns = u"ािीुूृॄॢॣेैोौ";
// The 25 stops, five vargas of five from the throat to the lips.
inline constexpr QStringView Stops = u"कखगघङचछजझञटठडढणतथदधनपफबभम";
inline constexpr QStringView Semivowels = u"यरलव";
inline constexpr QStringView Sibilants = u"शषस";
inline constexpr QStringView Aspirate = u"ह";
inline constexpr QStringView VedicLa = u"ळ";
inline constexpr QStringView Digits = u"०१२३४५६७८९";
// Every consonant: the stops, then य र ल व, श ष स, ह and the Vedic ळ.
inline constexpr QStringView Consonants = u"कखगघङचछजझञटठडढणतथदधनपफबभमयरलवशषसहळ";

} // namespace Devanagari
