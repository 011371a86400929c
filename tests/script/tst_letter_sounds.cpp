#include "script/letter_sounds.h"
#include "script/view/sound_effect_player.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

class RecordingPlayer : public LetterSoundPlayer
{
public:
    void play(const QString &recording) override { played.append(recording); }
    QStringList played;
};

} // namespace

class TestLetterSounds : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetLetterSoundPlayer(nullptr); }

    void playsTheLettersRecording_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("ka") << u"क"_s << QStringList{u"K1A"_s};
        QTest::newRow("retroflex ta") << u"ट"_s << QStringList{u"T2A"_s};
        QTest::newRow("vocalic r") << u"ऋ"_s << QStringList{u"R2"_s};
        QTest::newRow("long vocalic r") << u"ॠ"_s << QStringList{u"R3"_s};
        QTest::newRow("retroflex na") << u"ण"_s << QStringList{u"N3A"_s};
        QTest::newRow("ha") << u"ह"_s << QStringList{u"HA"_s};
        QTest::newRow("ksha conjunct plays nothing") << u"क्ष"_s << QStringList();
        QTest::newRow("vedic la plays nothing") << u"ळ"_s << QStringList();
        QTest::newRow("vocalic l plays nothing") << u"ऌ"_s << QStringList();
        QTest::newRow("vowel sign plays nothing") << u"ा"_s << QStringList();
        QTest::newRow("digit plays nothing") << u"५"_s << QStringList();
        QTest::newRow("longer text plays nothing") << u"कक"_s << QStringList();
        QTest::newRow("empty text plays nothing") << QString() << QStringList();
    }

    void playsTheLettersRecording()
    {
        QFETCH(QString, letter);
        QFETCH(QStringList, played);
        RecordingPlayer player;
        SetLetterSoundPlayer(&player);
        PlayLetterSound(letter);
        QCOMPARE(player.played, played);
    }

    void withoutPlayerNothingHappens()
    {
        PlayLetterSound(u"क"_s);
    }

    // Every recording, the conjunct's included, is in the program's resources as PCM WAVE.
    void recordingsAreCarriedAsPcmWave()
    {
        const QStringList recordings = LetterSoundRecordings();
        QCOMPARE(recordings.size(), 46);
        QVERIFY(recordings.contains(u"KSHA"_s));
        for (const QString &name : recordings) {
            const QString path = SoundEffectPlayer::recordingUrl(name).toString().mid(3);
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray header = file.read(44);
            QVERIFY2(header.startsWith("RIFF") && header.mid(8, 4) == "WAVE", qPrintable(path));
            QCOMPARE(header.mid(12, 4), QByteArray("fmt "));
            QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 20), quint16(1));
            QVERIFY2(file.size() > 4000, qPrintable(path));
        }
    }

    // Without a sound card the player stays silent rather than failing.
    void realPlayerIsSilentOnFailure()
    {
        SoundEffectPlayer player;
        SetLetterSoundPlayer(&player);
        PlayLetterSound(u"क"_s);
        PlayLetterSound(u"ख"_s);
        player.play(u"NO_SUCH_RECORDING"_s);
        QTest::qWait(50);
    }
};

QTEST_GUILESS_MAIN(TestLetterSounds)
#include "tst_letter_sounds.moc"
