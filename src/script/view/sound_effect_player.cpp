#include "script/view/sound_effect_player.h"

#include <QSoundEffect>

SoundEffectPlayer::SoundEffectPlayer(QObject *parent)
    : QObject(parent)
{
}

QUrl SoundEffectPlayer::recordingUrl(const QString &recording)
{
    return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(recording));
}

void SoundEffectPlayer::play(const QString &recording)
{
    QSoundEffect *&effect = m_effects[recording];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(recordingUrl(recording));
    }
    if (m_playing)
        m_playing->stop();
    // A sound effect that cannot load or has no output simply stays silent.
    effect->play();
    m_playing = effect;
}
