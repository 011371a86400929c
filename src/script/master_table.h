#pragma once

#include <QChar>

#include <array>

// The systems that Devanagari is written into, in the columns of the master table.
enum class TargetSystem {
    Iast,
    Kolkata,
    Itrans,
    HarvardKyoto,
    Slp1,
    Velthuis,
    Cyrillic,      // with diacritics
    CyrillicLong,  // without diacritics, long vowels doubled
    CyrillicPlain, // without diacritics or vowel length
};

inline constexpr int TargetSystemCount = 9;

// How a target system writes each Devanagari unit. A consonant's value carries no vowel; a vowel's
// value serves both its letter and its sign. Null means the system has no rule for the unit and
// lets it through as Devanagari; an empty value deletes the unit.
//
// The Cyrillic values are spelled decomposed, base letter first and then its marks, in a fixed
// order that Unicode normalisation would change; nothing here or in a learner's text is ever
// normalised.
const char16_t *MasterValue(QChar unit, TargetSystem system);

// The text written where a system cannot write a unit at all.
inline constexpr const char16_t *AbsenceMarker = u"[ x ]";
