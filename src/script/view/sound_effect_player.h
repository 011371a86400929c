#pragma once

#include "script/letter_sounds.h"

#include <QHash>
#include <QObject>
#include <QUrl>

class QSoundEffect;

// Plays the letters' recordings from the program's resources through Qt Multimedia. Each recording
// is loaded on first use and kept, so that a letter sounds at once the next time.
class SoundEffectPlayer : public QObject, public LetterSoundPlayer
{
public:
    explicit SoundEffectPlayer(QObject *parent = nullptr);

    void play(const QString &recording) override;

    // Where the named recording lives among the program's resources.
    static QUrl recordingUrl(const QString &recording);

private:
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_playing = nullptr;
};
