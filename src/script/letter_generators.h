#pragma once

#include <QString>

// The letter PickRandomLetter returned last, shared by every caller and every letter set; empty
// at start.
QString &LastPickedLetter();

// One letter of the set, never the one picked last, so that two picks in a row always differ.
// A set that holds nothing but the letter picked last returns that letter; an empty set returns an
// empty text.
QString PickRandomLetter(const QString &letters);

// A random practice word of minSyllables to maxSyllables syllables: perhaps an initial vowel (it
// counts as a syllable), then consonants, each keeping its inherent a, taking a vowel sign or,
// with the virama switch on, a virama (now and then a cluster of three). Two viramas are always
// separated by a vowel sign. With visargaChance 1 every word that does not end in a virama ends in
// a visarga; with a larger chance v one word in v does; with 0 or less none does.
QString MakeRandomWord(int minSyllables, int maxSyllables, const QString &consonants,
                       const QString &initialVowels, const QString &vowelSigns, bool virama,
                       int visargaChance);

// minViramas + 1 to maxViramas + 1 consonants of the set joined by viramas.
QString MakeRandomCluster(int minViramas, int maxViramas, const QString &consonants);
