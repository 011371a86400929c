#include "shell/clock.h"
#include "store/database_error.h"
#include "store/record_access.h"

#include "store_fixture.h"

#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QVariantList column(const QString &statement, const TArrValues &params = {})
{
    QVariantList values;
    const std::unique_ptr<QSqlQuery> query = TDBM::GetMyQuery(statement, params);
    while (query->next())
        values.append(query->value(0));
    return values;
}

int count(const QString &statement, const TArrValues &params = {})
{
    return column(statement, params).value(0).toInt();
}

} // namespace

class TestRecordAccess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StoreFixture> fixture;
    TDBM *db() { return fixture->module.get(); }

private slots:
    void init()
    {
        fixture = std::make_unique<StoreFixture>();
        fixture->startUp();
        QVERIFY(db()->isOpen());
        for (const QString &name : {u"Вера"_s, u"Арджуна"_s, u"Бхима"_s})
            QVERIFY(db()->CreateNewUser(name, 1, false));
        QVERIFY(db()->SetActiveUser(1));
    }

    void cleanup()
    {
        fixture.reset();
        Clock::reset();
    }

    void getOfAMissingKeyGivesTheDefault()
    {
        QCOMPARE(UsersSettings->Get(u"t_font"_s, {u"Annapurna SIL"_s}), QVariant(u"Annapurna SIL"_s));
        QVERIFY(!UsersSettings->Get(u"t_font"_s, {}).isValid());
        QCOMPARE(TrainerSettings->Get(1, u"settings_pismo"_s, {u"cyr"_s}), QVariant(u"cyr"_s));
        QCOMPARE(CoursesData->Get(2, u"zakladka"_s, {0}), QVariant(0));
    }

    void keysAreFoundWhateverTheirCase_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Latin") << u"T_Font"_s << u"t_font"_s << u"T_FONT"_s;
        QTest::newRow("Cyrillic") << u"Ключ_ё"_s << u"КЛЮЧ_Ё"_s << u"КЛЮЧ_Ё"_s;
        QTest::newRow("diacritics") << u"pūrṇa"_s << u"PŪRṆA"_s << u"PŪRṆA"_s;
    }

    void keysAreFoundWhateverTheirCase()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QFETCH(QString, stored);
        UsersSettings->Put(written, {}, u"value"_s);
        QCOMPARE(UsersSettings->Get(read, {u"default"_s}), QVariant(u"value"_s));
        QCOMPARE(column(u"select setting_name from users_settings"_s), QVariantList{stored});
    }

    void putUpdatesTheRowItWrote()
    {
        UsersSettings->Put(u"t_font"_s, {}, u"Nakula"_s);
        UsersSettings->Put(u"T_FONT"_s, {}, u"Sahadeva"_s);
        QCOMPARE(count(u"select count(*) from users_settings"_s), 1);
        QCOMPARE(UsersSettings->Get(u"t_font"_s, {}), QVariant(u"Sahadeva"_s));

        TrainerSettings->Put(1, u"settings_virama"_s, {}, true);
        TrainerSettings->Put(2, u"settings_virama"_s, {}, false);
        QCOMPARE(TrainerSettings->Get(1, u"settings_virama"_s, {}), QVariant(u"True"_s));
        QCOMPARE(TrainerSettings->Get(2, u"settings_virama"_s, {}), QVariant(u"False"_s));
        TrainerSettings->Put(1, u"settings_visarga"_s, {}, 3);
        QCOMPARE(TrainerSettings->Get(1, u"settings_visarga"_s, {}).toInt(), 3);
    }

    void emptyValueStoresTheDefaultOnlyPerTrainer()
    {
        TrainerSettings->Put(1, u"settings_sogl"_s, {u"кх"_s}, QVariant());
        QCOMPARE(TrainerSettings->Get(1, u"settings_sogl"_s, {}), QVariant(u"кх"_s));
        UsersSettings->Put(u"time_exit"_s, {u"ignored"_s}, QVariant());
        const QVariant stored = UsersSettings->Get(u"time_exit"_s, {u"default"_s});
        QVERIFY(stored.isNull()); // a stored null wins over the default
    }

    void learnersSeeOnlyTheirOwnRows()
    {
        UsersSettings->Put(u"var_obshee_vremya"_s, {}, 100);
        QVERIFY(db()->SetActiveUser(2));
        QCOMPARE(db()->LogonUserExt.UserName, u"Арджуна"_s);
        QCOMPARE(UsersSettings->Get(u"var_obshee_vremya"_s, {0}), QVariant(0));
        UsersSettings->Put(u"var_obshee_vremya"_s, {}, 7);
        QVERIFY(db()->SetActiveUser(1));
        QCOMPARE(UsersSettings->Get(u"var_obshee_vremya"_s, {0}).toInt(), 100);
    }

    void statAppendsAnswerRecords()
    {
        Clock::set(QDateTime(QDate(2026, 12, 11), QTime(10, 0, 0, 5)));
        const TArrValues values = MakeStatValues(u"राम"_s, u"rama"_s, u"र,म"_s, u"ा"_s, 4, false);
        TrainersStat->Stat(1, values);
        Clock::set(QDateTime(QDate(2026, 12, 11), QTime(10, 0, 1, 0)));
        TrainersStat->Stat(1, values);
        TrainersStat->Stat(2, MakeStatValues(u"x"_s, QVariant(), u"x"_s, QVariant(), 0, true));

        const std::unique_ptr<QSqlQuery> rows = TDBM::GetMyQuery(
            u"select id_user, id_trainer, matter, user_input, right_answer, wrong_answer, "
            "translit_sys, is_correct, date_in from trainers_stat order by rowid"_s, {});
        QVERIFY(rows->next());
        QCOMPARE(rows->value(0).toInt(), 1);
        QCOMPARE(rows->value(1).toInt(), 1);
        QCOMPARE(rows->value(2).toString(), u"राम"_s);
        QCOMPARE(rows->value(3).toString(), u"rama"_s);
        QCOMPARE(rows->value(4).toString(), u"र,म"_s);
        QCOMPARE(rows->value(5).toString(), u"ा"_s);
        QCOMPARE(rows->value(6).toInt(), 4);
        QCOMPARE(rows->value(7).toInt(), 0);
        QCOMPARE(rows->value(8).toString(), u"2026-12-11 10:00:00.005"_s);
        QVERIFY(rows->next());
        QCOMPARE(rows->value(8).toString(), u"2026-12-11 10:00:01.000"_s);
        QVERIFY(rows->next());
        QVERIFY(rows->value(3).isNull());
        QCOMPARE(rows->value(7).toInt(), 1);
        QVERIFY(!rows->next());
    }

    void periodsFilterByDate()
    {
        for (int day = 1; day <= 5; ++day) {
            Clock::set(QDateTime(QDate(2026, 3, day), QTime(23, 59, 59)));
            TrainersStat->Stat(1, MakeStatValues(u"क"_s, u"k"_s, u"क"_s, QVariant(), 4, true));
        }
        QCOMPARE(count(u"select count(*) from trainers_stat where id_user = :iu and id_trainer = 1 "
                       "and DateValue(date_in) between :d1 and :d2"_s,
                       {1, QDate(2026, 3, 2), QDate(2026, 3, 4)}),
                 3);
    }

    void profilesAndTheirUpdates()
    {
        const QList<TUserRec> users = db()->GetUsersList(ulsAlphabetic);
        QStringList names;
        for (const TUserRec &user : users)
            names.append(user.UserName);
        QCOMPARE(names, (QStringList{u"Арджуна"_s, u"Бхима"_s, u"Вера"_s}));

        TUserRec::UpdateUserName(3, u"Бхимасена"_s);
        TUserRec::UpdateGender(3, 0);
        TUserRec::UpdateSendStat(3, 1);
        TUserRec profile;
        QVERIFY(TUserRec::GetInfo(profile, 3));
        QCOMPARE(profile.UserName, u"Бхимасена"_s);
        QCOMPARE(profile.Gender.toInt(), 0);
        QCOMPARE(profile.SendStat, 1);
        QCOMPARE(profile.AutoEnter, 0);
        QVERIFY(!TUserRec::GetInfo(profile, 99));
    }

    void autoEnterIsOneLearnersAtMost()
    {
        TUserRec::UpdateAutoEnter(2, 1);
        TUserRec::UpdateAutoEnter(3, 1);
        QCOMPARE(column(u"select auto_enter from users order by id"_s), (QVariantList{0, 0, 1}));
    }

    void newLearnerBecomesActive()
    {
        QVERIFY(db()->CreateNewUser(u"Накула"_s, 0, true));
        QCOMPARE(db()->LogonUser, 4);
        QCOMPARE(db()->LogonUserExt.UserName, u"Накула"_s);
        QVERIFY(db()->LogonUserExt.Gender.isValid());
        QCOMPARE(count(u"select count(*) from users where auto_enter is null and send_stat = 0"_s), 4);
    }

    void deletingALearnerRemovesAllTheirRows()
    {
        QVERIFY(db()->SetActiveUser(2));
        UsersSettings->Put(u"t_font"_s, {}, u"Nakula"_s);
        CommonSettings->Put(u"common"_s, {}, 1);
        TrainerSettings->Put(1, u"settings_pismo"_s, {}, u"iast"_s);
        TrainerData->Put(1, u"data"_s, {}, 1);
        CoursesData->Put(1, u"zakladka"_s, {}, 3);
        TrainersStat->Stat(1, MakeStatValues(u"क"_s, u"k"_s, u"क"_s, QVariant(), 4, true));
        QVERIFY(TDBM::ExecMyQuery(u"insert into trainers_cntrls_settings values (2, 1, 'box', '1')"_s, {}));
        QVERIFY(TDBM::ExecMyQuery(u"insert into courses_settings values (2, 'x', '1')"_s, {}));
        QVERIFY(db()->SetActiveUser(1));
        UsersSettings->Put(u"t_font"_s, {}, u"Sahadeva"_s);

        QVERIFY(TDBM::ExecMyQuery(u"delete from users where id = :iu"_s, {2}));
        const QStringList tables = {u"users_settings"_s, u"common_settings"_s, u"trainers_settings"_s,
                                    u"trainers_data"_s, u"courses_data"_s, u"trainers_stat"_s,
                                    u"trainers_cntrls_settings"_s, u"courses_settings"_s};
        for (const QString &table : tables)
            QCOMPARE(count(u"select count(*) from %1 where id_user = 2"_s.arg(table)), 0);
        QCOMPARE(count(u"select count(*) from users_settings"_s), 1);
    }

    void queriesBindByPosition()
    {
        // Names play no role, the order does; quoted colons are text.
        QCOMPARE(column(u"select :b || ':x' || :a || [username] from users where id = :z"_s,
                        {u"1"_s, u"2"_s, 3}),
                 QVariantList{u"1:x2Бхима"_s});
        QVERIFY(!TDBM::ExecMyQuery(u"selec nothing from"_s, {}));
        QVERIFY(fixture->messages.messages.isEmpty());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, TDBM::GetMyQuery(u"select * from no_table"_s, {}));
    }
};

QTEST_GUILESS_MAIN(TestRecordAccess)
#include "tst_record_access.moc"
