#include "script/sound_classes.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSoundClasses : public QObject
{
    Q_OBJECT

private slots:
    void replacesKeys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("list") << u"sparsha,ghosha,kanthya"_s << u"sparśa,ghoṣa,kaṇṭhya"_s;
        QTest::newRow("ghosha at the start stays") << u"ghosha"_s << u"ghosha"_s;
        QTest::newRow("aghosha is its own term") << u"aghosha,ghosha"_s << u"aghoṣa,ghoṣa"_s;
        QTest::newRow("talavya only after a comma") << u"talavya,talavya"_s << u"talavya,tālavya"_s;
        QTest::newRow("kanthatalavya keeps its term") << u"x,kanthatalavya"_s << u"x,kaṇṭhatālavya"_s;
        QTest::newRow("vargas") << u"1varga 5varga"_s << u"1 варга (группа) 5 варга (группа)"_s;
        QTest::newRow("case") << u"tvoritel"_s << u"Творительный падеж"_s;
        QTest::newRow("every Sanskrit term")
            << u"dirgha antahstha vyanjana samana sandhyakshara ushman alpaprana mahaprana "
               "anunasika murdhanya oshthya kanthaushthya dantaushthya"_s
            << u"dīrgha antaḥstha vyañjana samānākṣara sandhyakṣara uṣman alpaprāṇa mahāprāṇa "
               "anunāsika mūrdhanya oṣṭhya kaṇṭhauṣṭhya dantauṣṭhya"_s;
        QTest::newRow("other text") << u"Другое"_s << u"Другое"_s;
    }

    void replacesKeys()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ClassKeysToTerms(text), expected);
    }
};

QTEST_APPLESS_MAIN(TestSoundClasses)
#include "tst_sound_classes.moc"
