#include "script/letter_sounds.h"

#include <QStringView>

namespace {

struct LetterSound
{
    char16_t letter;
    QStringView recording;
};

const LetterSound letterSounds[] = {
    {u'अ', u"A"}, {u'आ', u"AA"}, {u'इ', u"I"}, {u'ई', u"II"}, {u'उ', u"U"}, {u'ऊ', u"UU"},
    {u'ऋ', u"R2"}, {u'ॠ', u"R3"}, {u'ए', u"E"}, {u'ऐ', u"AI"}, {u'ओ', u"O"}, {u'औ', u"AU"},
    {u'क', u"K1A"}, {u'ख', u"KHA"}, {u'ग', u"GA"}, {u'घ', u"GHA"}, {u'ङ', u"GNA"},
    {u'च', u"CA"}, {u'छ', u"CHA"}, {u'ज', u"JA"}, {u'झ', u"JHA"}, {u'ञ', u"JNA"},
    {u'ट', u"T2A"}, {u'ठ', u"T2HA"}, {u'ड', u"D2A"}, {u'ढ', u"D2HA"}, {u'ण', u"N3A"},
    {u'त', u"TA"}, {u'थ', u"THA"}, {u'द', u"DA"}, {u'ध', u"DHA"}, {u'न', u"NA"},
    {u'प', u"PA"}, {u'फ', u"PHA"}, {u'ब', u"BA"}, {u'भ', u"BHA"}, {u'म', u"MA"},
    {u'य', u"YA"}, {u'र', u"RA"}, {u'ल', u"LA"}, {u'व', u"VA"},
    {u'श', u"SHA"}, {u'ष', u"S2A"}, {u'स', u"SA"}, {u'ह', u"HA"},
};

// Carried with the letters' recordings, though no letter plays it.
constexpr QStringView conjunctRecording = u"KSHA";

LetterSoundPlayer *currentPlayer = nullptr;

} // namespace

void SetLetterSoundPlayer(LetterSoundPlayer *player)
{
    currentPlayer = player;
}

QString LetterSoundName(const QString &letter)
{
    if (letter.size() != 1)
        return QString();
    for (const LetterSound &sound : letterSounds) {
        if (letter.front() == QChar(sound.letter))
            return sound.recording.toString();
    }
    return QString();
}

QStringList LetterSoundRecordings()
{
    QStringList names;
    for (const LetterSound &sound : letterSounds)
        names.append(sound.recording.toString());
    names.append(conjunctRecording.toString());
    return names;
}

void PlayLetterSound(const QString &letter)
{
    const QString recording = LetterSoundName(letter);
    if (!recording.isEmpty() && currentPlayer)
        currentPlayer->play(recording);
}
