#include "script/letter_generators.h"

#include "script/repertoire.h"
#include "shell/random_source.h"

#include <algorithm>
#include <array>

QString &LastPickedLetter()
{
    static QString letter;
    return letter;
}

QString PickRandomLetter(const QString &letters)
{
    QString &last = LastPickedLetter();
    if (letters.isEmpty())
        return QString();
    const bool onlyLast = std::all_of(letters.cbegin(), letters.cend(),
                                      [&last](QChar c) { return last == QString(c); });
    if (onlyLast)
        return last;
    QString letter;
    do {
        letter = letters.at(RandomSource::instance().below(letters.size()));
    } while (letter == last);
    last = letter;
    return letter;
}

namespace {

enum class Slot { Consonant, VowelSign, Virama };

} // namespace

QString MakeRandomWord(int minSyllables, int maxSyllables, const QString &consonants,
                       const QString &initialVowels, const QString &vowelSigns, bool virama,
                       int visargaChance)
{
    RandomSource &random = RandomSource::instance();
    // What follows a consonant is drawn from five slots: three keep the inherent vowel, one adds
    // a vowel sign, one a virama. The virama slot closes after a virama and opens again after a
    // vowel sign.
    std::array<Slot, 5> followers = {Slot::Consonant, Slot::Consonant, Slot::Consonant,
                                 vowelSigns.isEmpty() ? Slot::Consonant : Slot::VowelSign,
                                 virama ? Slot::Virama : Slot::Consonant};

    const int syllables = minSyllables + random.between(0, std::max(0, maxSyllables - minSyllables));
    QString word;
    int count = 0;
    if (!initialVowels.isEmpty() && random.below(2) == 0) {
        word += PickRandomLetter(initialVowels);
        ++count;
    }
    while (count < syllables) {
        word += PickRandomLetter(consonants);
        ++count;
        switch (followers[random.below(5)]) {
        case Slot::Virama:
            word += Devanagari::Virama;
            // One time in five the next consonant will close a cluster of three.
            if (random.between(1, 5) == 5) {
                word += PickRandomLetter(consonants);
                word += Devanagari::Virama;
            }
            followers[4] = Slot::Consonant;
            break;
        case Slot::VowelSign:
            word += PickRandomLetter(vowelSigns);
            if (virama)
                followers[4] = Slot::Virama;
            break;
        case Slot::Consonant:
            break;
        }
    }

    const bool mayTakeVisarga = !word.isEmpty() && !word.endsWith(Devanagari::Virama);
    if (mayTakeVisarga && visargaChance > 0) {
        if (visargaChance == 1 || random.below(visargaChance) == visargaChance - 1)
            word += Devanagari::Visarga;
    }
    return word;
}

QString MakeRandomCluster(int minViramas, int maxViramas, const QString &consonants)
{
    const int viramas =
        minViramas + RandomSource::instance().between(0, std::max(0, maxViramas - minViramas));
    QString cluster;
    for (int i = 0; i < viramas; ++i) {
        cluster += PickRandomLetter(consonants);
        cluster += Devanagari::Virama;
    }
    cluster += PickRandomLetter(consonants);
    return cluster;
}
