#include "store/upgrade_script.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUpgradeScript : public QObject
{
    Q_OBJECT

private slots:
    void splitsStagesAndPieces()
    {
        const QString script = u"~~STAGE~~10\r\n=next>\r\nCREATE TABLE a (x);\r\n=next>\r\n"
                               "INSERT INTO a VALUES (1);\r\n\r\n"
                               "~~STAGE~~11\r\n"
                               "~~STAGE~~12\r\n=next>\r\nUPDATE a SET x = 2;"_s;
        const QList<UpgradeStage> stages = SplitUpgradeScript(script);
        QCOMPARE(stages.size(), 2); // stage 11 has no statement and is left out
        QCOMPARE(ReadStageNumber(stages[0].numberPiece), 10.0);
        QCOMPARE(stages[0].pieces.size(), 3);
        QCOMPARE(stages[0].pieces[1].trimmed(), u"CREATE TABLE a (x);"_s);
        QCOMPARE(ReadStageNumber(stages[1].numberPiece), 12.0);
    }

    void readsStageNumbersWhateverTheLocale_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<double>("number");
        QTest::newRow("whole") << u"12\r\n"_s << 12.0;
        QTest::newRow("point") << u" 10.5\r\n"_s << 10.5;
        QTest::newRow("comma") << u"\t10,5 \r\n"_s << 10.5;
    }

    void readsStageNumbersWhateverTheLocale()
    {
        QFETCH(QString, piece);
        QFETCH(double, number);
        for (const QLocale &locale : {QLocale(QLocale::German), QLocale(QLocale::English), QLocale::c()}) {
            QLocale::setDefault(locale);
            QCOMPARE(ReadStageNumber(piece), number);
        }
        QLocale::setDefault(QLocale::c());
    }

    void rejectsStageNumbersThatAreNot()
    {
        QVERIFY(!ReadStageNumber(u"десять"_s));
        QVERIFY(!ReadStageNumber(u"\r\n"_s));
    }

    void classifiesPieces_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<bool>("executed");
        QTest::newRow("create table") << u"CREATE TABLE [users] (id);"_s << true;
        QTest::newRow("lower-case alter") << u"alter table users add column gender byte;"_s << true;
        QTest::newRow("create index") << u"CREATE UNIQUE INDEX i ON t (a);"_s << true;
        QTest::newRow("alter database") << u"ALTER DATABASE PASSWORD x null"_s << true;
        QTest::newRow("insert") << u"INSERT INTO [trainers] VALUES (1);"_s << true;
        QTest::newRow("delete") << u"delete from t where a = 1"_s << true;
        QTest::newRow("update set") << u"UPDATE version_info set subval = 11; "_s << true;
        QTest::newRow("stage number") << u"12\r\n"_s << false;
        QTest::newRow("empty tail") << u"\r\n\r\n"_s << false;
        QTest::newRow("select") << u"SELECT * FROM users;"_s << false;
        QTest::newRow("update without set") << u"UPDATE users;"_s << false;
        QTest::newRow("create view") << u"CREATE VIEW v AS SELECT 1;"_s << false;
    }

    void classifiesPieces()
    {
        QFETCH(QString, piece);
        QFETCH(bool, executed);
        QCOMPARE(IsExecutedPiece(piece), executed);
    }

    void programScriptIsCarried()
    {
        const QList<UpgradeStage> stages = SplitUpgradeScript(ProgramUpgradeScript());
        QCOMPARE(stages.size(), 3);
        QCOMPARE(ReadStageNumber(stages.back().numberPiece), 12.0);
    }
};

QTEST_APPLESS_MAIN(TestUpgradeScript)
#include "tst_upgrade_script.moc"
