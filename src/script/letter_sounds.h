#pragma once

#include <QString>
#include <QStringList>

// Plays a recording carried by the program. The window layer provides one that reaches the sound
// card; tests provide one that notes what was asked for.
class LetterSoundPlayer
{
public:
    virtual ~LetterSoundPlayer() = default;
    // Starts the named recording and returns at once, stopping the one still playing. A failure of
    // the sound output is not reported.
    virtual void play(const QString &recording) = 0;
};

// The player that PlayLetterSound uses; none at start, and then nothing plays.
void SetLetterSoundPlayer(LetterSoundPlayer *player);

// The name of the letter's recording ("K1A" for क), or an empty text for anything that has no
// recording: ऌ, ॡ, ळ, the signs, the digits, conjuncts, longer or empty texts.
QString LetterSoundName(const QString &letter);

// Every recording the program carries: one per letter with a sound, and the conjunct क्ष.
QStringList LetterSoundRecordings();

// Starts the recording of the letter, if it has one, and returns at once.
void PlayLetterSound(const QString &letter);
