// Measures the profile database at the size of a learner of two years: 200,000 answer records
// over the eleven trainers, beside 20 other learners of 10,000 records each. Prints the best of
// several runs of each period query of the statistics and of the progress window, and of writing
// one answer record with its commit.

#include "shell/app_paths.h"
#include "shell/clock.h"
#include "store/database_factory.h"
#include "store/database_module.h"
#include "store/period.h"
#include "store/record_access.h"
#include "store/sqlite_engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QDateTime start(QDate(2025, 1, 1), QTime(8, 0));
constexpr qint64 twoYearsSeconds = 2 * 365 * 24 * 3600;

void fill(int learners, int mainRecords, int otherRecords)
{
    QRandomGenerator random(2026);
    QSqlDatabase db = TDBM::connection();
    db.transaction();
    for (int i = 0; i < learners; ++i)
        TDBM::ExecMyQuery(u"insert into users(username, gender, send_stat) values(:un, 1, 0)"_s,
                          {u"Ученик %1"_s.arg(i + 1)});
    QSqlQuery insert(db);
    insert.prepare(u"insert into trainers_stat (id_user, id_trainer, date_in, matter, user_input, "
                   "right_answer, wrong_answer, translit_sys, is_correct) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (int user = 1; user <= learners; ++user) {
        const int records = user == 1 ? mainRecords : otherRecords;
        for (int r = 0; r < records; ++r) {
            const bool right = random.bounded(3) != 0;
            insert.addBindValue(user);
            insert.addBindValue(1 + random.bounded(11));
            insert.addBindValue(DatabaseDateTime(start.addSecs(random.bounded(twoYearsSeconds))));
            insert.addBindValue(u"कृष्ण"_s);
            insert.addBindValue(u"kṛṣṇa"_s);
            insert.addBindValue(u"क,ृ,ष,्,ण"_s);
            insert.addBindValue(right ? QString() : u"ृ"_s);
            insert.addBindValue(4);
            insert.addBindValue(right ? 1 : 0);
            insert.exec();
        }
    }
    db.commit();
}

double best(const std::function<void()> &work, int runs)
{
    double fastest = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

int rowsOf(const QString &statement, const TArrValues &values)
{
    const std::unique_ptr<QSqlQuery> query = TDBM::GetMyQuery(statement, values);
    int rows = 0;
    while (query->next())
        ++rows;
    return rows;
}

void report(const char *what, const QString &statement, const TArrValues &values)
{
    int rows = 0;
    const double ms = best([&] { rows = rowsOf(statement, values); }, 9);
    std::printf("  %-62s %8.2f ms  (%d rows)\n", what, ms, rows);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    TAppPaths::SetProfilesFolderInUse(folder.path());
    { TDBFM factory; }
    TDBM module;

    QElapsedTimer filling;
    filling.start();
    fill(21, 200000, 10000);
    std::printf("Profile database: 21 learners, 400,000 answer records (filled in %.1f s)\n",
                filling.nsecsElapsed() / 1e9);
    module.SetActiveUser(1);

    const QDate monthFrom(2026, 3, 1), monthTo(2026, 3, 31);
    const QDate yearFrom(2026, 1, 1), yearTo(2026, 12, 31);
    const QDate allFrom(2025, 1, 1), allTo(2026, 12, 31);

    // The statements in the form the program runs them: the period as a range of the stored
    // dates (InPeriod), which gives what "DateValue(date_in) between :d1 and :d2" gives and lets
    // an index serve it; the counts per trainer as one count per trainer row.
    const auto period = [](TArrValues values, QDate from, QDate to) { return values + PeriodValues(from, to); };
    const QString inPeriod = InPeriod.toString();

    std::printf("Statistics page of one trainer:\n");
    report("right answers of a trainer, two years",
           u"select count (*) as sql_kol_vo_pranilno from trainers_stat where id_user = :iu and "
           "id_trainer = :IdTrainer and is_correct=1 and "_s + inPeriod,
           period({1, 5}, allFrom, allTo));
    report("wrong answers of a trainer, a month",
           u"select count (*) as sql_kol_vo_nepranilno from trainers_stat where id_user = :iu and "
           "id_trainer = :IdTrainer and is_correct=0 and "_s + inPeriod,
           period({1, 5}, monthFrom, monthTo));
    report("journal of a trainer, a month",
           u"select * from trainers_stat where id_user = :iu and id_trainer= :IdTrainer and "_s
               + inPeriod + u" ORDER BY date_in ASC"_s,
           period({1, 5}, monthFrom, monthTo));
    std::printf("My progress window:\n");
    report("answers per trainer, a year",
           u"select id_trainer, cnt from (select t.id as id_trainer, (select count(*) from "
           "trainers_stat s where s.id_user = :iu and s.id_trainer = t.id and s."_s
               + QString(inPeriod).replace(u"and date_in"_s, u"and s.date_in"_s)
               + u") as cnt from trainers t) where cnt > 0 order by 2 desc"_s,
           period({1}, yearFrom, yearTo));
    report("right answers in all trainers, a year",
           u"select count(*) as count_pravilno from trainers_stat where is_correct=1 and "
           "id_user = :iu and "_s + inPeriod,
           period({1}, yearFrom, yearTo));
    report("recent activity, a month",
           u"select id_trainer,date_in from trainers_stat where id_user = :iu and "_s + inPeriod
               + u" order by date_in desc"_s,
           period({1}, monthFrom, monthTo));

    int n = 0;
    const double stat = best([&] {
        TrainersStat->Stat(1, MakeStatValues(u"राम"_s, u"rama"_s, u"र,म"_s, u"ा"_s, 4, ++n % 2 == 0));
    }, 25);
    std::printf("Writing one answer record, committed:                         %8.2f ms\n", stat);
    return 0;
}
