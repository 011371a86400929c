#include "script/descending_text_compare.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestDescendingTextCompare : public QObject
{
    Q_OBJECT

private slots:
    void sortsFromLastToFirst_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Cyrillic") << QStringList{u"Ачарья"_s, u"ёж"_s, u"Яма"_s, u"бор"_s}
                                  << QStringList{u"Яма"_s, u"ёж"_s, u"бор"_s, u"Ачарья"_s};
        QTest::newRow("Latin ignoring case") << QStringList{u"b"_s, u"Z"_s, u"a"_s, u"C"_s}
                                             << QStringList{u"Z"_s, u"C"_s, u"b"_s, u"a"_s};
    }

    void sortsFromLastToFirst()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
            return DescendingTextCompare(a, b) < 0;
        });
        QCOMPARE(entries, expected);
    }

    void equalIgnoringCase()
    {
        QCOMPARE(DescendingTextCompare(u"Рама"_s, u"рама"_s), 0);
        QVERIFY(DescendingTextCompare(u"а"_s, u"я"_s) > 0);
    }
};

QTEST_APPLESS_MAIN(TestDescendingTextCompare)
#include "tst_descending_text_compare.moc"
