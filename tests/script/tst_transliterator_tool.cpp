#include "script/replace_all.h"
#include "script/transliterator_tool.h"

#include <QTest>

using namespace Qt::StringLiterals;
namespace Tool = TransliteratorTool;

class TestTransliteratorTool : public QObject
{
    Q_OBJECT

private slots:
    void ownSystemWithEmptyFieldsDeletesEveryUnit()
    {
        QString result;
        QVERIFY(Tool::Convert(Tool::DevanagariItem, Tool::OwnSystemItem,
                              u"ॐ पूर्णमदः Latin, 42! क्ष ॥"_s, {}, &result));
        QCOMPARE(result, u"  Latin, 42!  "_s);
    }

    void ownSystemConsonantIsTheSameBareOrBeforeAVirama()
    {
        QString result;
        QVERIFY(Tool::Convert(Tool::DevanagariItem, Tool::OwnSystemItem, u"क्क कका"_s,
                              {{u"क"_s, u"ka"_s}}, &result));
        QCOMPARE(result, u"kaka kaka"_s);
    }

    void ownSystemFieldHoldingItsOwnUnitTerminates()
    {
        QString result;
        QVERIFY(Tool::Convert(Tool::DevanagariItem, Tool::OwnSystemItem, u"कक"_s, {{u"क"_s, u"क"_s}}, &result));
        QCOMPARE(result, u"कक"_s);
    }

    void convertsOneWayOrTheOther()
    {
        QString result;
        QVERIFY(Tool::Convert(Tool::DevanagariItem, u"IAST"_s, u"राम"_s, {}, &result));
        QCOMPARE(result, u"rāma"_s);
        QVERIFY(Tool::Convert(u"SLP1"_s, Tool::DevanagariItem, u"rAma"_s, {}, &result));
        QCOMPARE(result, u"राम"_s);
        result = u"unchanged"_s;
        QVERIFY(!Tool::Convert(u"Вельтхёйс"_s, Tool::DevanagariItem, u"raama"_s, {}, &result));
        QVERIFY(!Tool::Convert(QString(), Tool::DevanagariItem, u"x"_s, {}, &result));
        QCOMPARE(result, u"unchanged"_s);
    }

    void schemeShowsItsExceptions_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ITRANS ca") << u"ITRANS"_s << u"च"_s << u"ca"_s;
        QTest::newRow("ITRANS nga") << u"ITRANS"_s << u"ङ"_s << u"~N"_s;
        QTest::newRow("ITRANS ka as converted") << u"ITRANS"_s << u"क"_s << u"ka"_s;
        QTest::newRow("IAST om") << u"IAST"_s << u"ॐ"_s << u"oṃ"_s;
        QTest::newRow("IAST anusvara on a") << u"IAST"_s << u"अं"_s << u"aṃ"_s;
        QTest::newRow("Velthuis visarga") << u"Вельтхёйс"_s << u"अः"_s << u".h"_s;
        QTest::newRow("SLP1 vedic la") << u"SLP1"_s << u"ळ"_s << u"La"_s;
        QTest::newRow("Cyrillic tha") << u"Кириллица с диакритиками"_s << u"ठ"_s << u"т\u0323х\u0323а"_s;
        QTest::newRow("Cyrillic vocalic l") << u"Кириллица с диакритиками"_s << u"ऌ"_s << u"л\u0323 "_s;
        QTest::newRow("Cyrillic e") << u"Кириллица с диакритиками"_s << u"ए"_s << u"е"_s;
        QTest::newRow("plain Cyrillic candrabindu") << u"Кириллица без диакритиков и без удлинённых гласных"_s
                                                    << u"अँ"_s << u"[ x ]"_s;
    }

    void schemeShowsItsExceptions()
    {
        QFETCH(QString, system);
        QFETCH(QString, unit);
        QFETCH(QString, shown);
        const QList<QPair<QString, QString>> rows = Tool::Scheme(system);
        QCOMPARE(rows.size(), 58);
        QCOMPARE(rows.front(), (QPair<QString, QString>{u"Деванагари"_s, system}));
        bool found = false;
        for (const auto &[left, right] : rows) {
            if (left == unit) {
                QCOMPARE(right, shown);
                found = true;
            }
        }
        QVERIFY(found);
    }

    void everySystemHasItsTexts()
    {
        for (const QString &target : Tool::InitialTargets()) {
            if (target == Tool::OwnSystemItem)
                continue;
            QVERIFY2(Tool::GuideText(target).startsWith(target), qPrintable(target));
        }
        QVERIFY(Tool::GuideText(Tool::DevanagariItem).startsWith(u"Деванагари (देवनागरी Devanāgarī) – письменность санскрита."_s));
        for (const QString &source : Tool::SourcesIntoDevanagari() + QStringList{Tool::DevanagariItem})
            QVERIFY2(!Tool::Example(source).isEmpty(), qPrintable(source));
        QVERIFY(Tool::AboutText().startsWith(u"Этот инструмент переводит символы из деванагари"_s));
        int fields = 0;
        for (const Tool::OwnSystemGroup &group : Tool::OwnSystemGroups())
            fields += int(group.fields.size());
        QCOMPARE(fields, 80);
    }

    // Each source system's example reads into Devanagari with nothing of its alphabet left over.
    void examplesReadBack()
    {
        QString result;
        QVERIFY(Tool::Convert(u"Кириллица с диакритиками"_s, Tool::DevanagariItem,
                              Tool::Example(u"Кириллица с диакритиками"_s), {}, &result));
        QCOMPARE(result, Tool::Example(Tool::DevanagariItem));
    }
};

QTEST_APPLESS_MAIN(TestTransliteratorTool)
#include "tst_transliterator_tool.moc"
