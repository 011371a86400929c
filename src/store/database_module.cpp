#include "store/database_module.h"

#include "shell/app_paths.h"
#include "shell/message_routines.h"
#include "store/database_error.h"
#include "store/database_factory.h"
#include "store/record_access.h"
#include "store/sqlite_engine.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

using namespace Qt::StringLiterals;

namespace {

const QString workingConnection = u"samvidra-working"_s;
TDBM *workingModule = nullptr;

// The profiles folder, then each folder above it up to the root.
QStringList candidateFiles(const QString &profilesFolder)
{
    QStringList candidates;
    QDir folder(profilesFolder);
    while (true) {
        candidates.append(folder.absoluteFilePath(TDBFM::DatabaseFileName));
        if (folder.isRoot() || !folder.cdUp())
            break;
    }
    return candidates;
}

} // namespace

TDBM::TDBM()
{
    workingModule = this;
    if (!open()) {
        ShowWarning(u"Не найдена база данных. Приложение будет закрыто."_s, u"Ошибка"_s, false);
        TerminateApplication();
    }
}

TDBM::~TDBM()
{
    DestroySharedRecordAccess();
    CloseDatabaseConnection(workingConnection);
    if (workingModule == this)
        workingModule = nullptr;
}

TDBM *TDBM::instance()
{
    return workingModule;
}

QSqlDatabase TDBM::connection()
{
    return QSqlDatabase::database(workingConnection, false);
}

bool TDBM::open()
{
    for (const QString &candidate : candidateFiles(TAppPaths::ProfilesFolderInUse())) {
        if (!QFileInfo::exists(candidate))
            continue;
        QString error;
        if (!OpenDatabaseConnection(workingConnection, candidate, ConnectionMode::Shared, &error))
            return false;
        m_databasePath = candidate;
        createIndexes();
        CreateSharedRecordAccess();
        LogonUser = 1;
        m_open = true;
        return true;
    }
    return false;
}

// Indexes for the statistics and the key/value rows. They are not part of the schema's stages: a
// file without them is the same version, and they are made on the first opening.
void TDBM::createIndexes()
{
    const QStringList indexes = {
        // Both carry the columns the counts read, so that counting never visits the rows.
        u"trainers_stat_by_trainer ON trainers_stat (id_user, id_trainer, date_in, is_correct)"_s,
        u"trainers_stat_by_date ON trainers_stat (id_user, date_in, id_trainer, is_correct)"_s,
        u"trainers_settings_by_trainer ON trainers_settings (id_user, id_trainer)"_s,
        u"trainers_data_by_trainer ON trainers_data (id_user, id_trainer)"_s,
        u"trainers_cntrls_settings_by_trainer ON trainers_cntrls_settings (id_user, id_trainer)"_s,
        u"users_settings_by_user ON users_settings (id_user)"_s,
        u"common_settings_by_user ON common_settings (id_user)"_s,
        u"courses_data_by_course ON courses_data (id_user, id_course)"_s,
    };
    for (const QString &index : indexes)
        ExecMyQuery(u"CREATE INDEX IF NOT EXISTS "_s + index, {});
}

std::unique_ptr<QSqlQuery> TDBM::GetMyQuery(const QString &sqlText, const TArrValues &params)
{
    return GetMyQuery(connection(), sqlText, params);
}

std::unique_ptr<QSqlQuery> TDBM::GetMyQuery(const QSqlDatabase &db, const QString &sqlText,
                                            const TArrValues &params)
{
    if (!db.isOpen())
        throw DatabaseError(u"нет соединения с базой профилей"_s);
    auto query = std::make_unique<QSqlQuery>(db);
    query->setForwardOnly(true);
    PrepareWithValues(*query, sqlText, params);
    if (!query->exec())
        throw DatabaseError(query->lastError().text());
    return query;
}

bool TDBM::ExecMyQuery(const QString &sqlText, const TArrValues &params)
{
    return ExecMyQuery(connection(), sqlText, params);
}

bool TDBM::ExecMyQuery(const QSqlDatabase &db, const QString &sqlText, const TArrValues &params)
{
    try {
        GetMyQuery(db, sqlText, params);
        return true;
    } catch (const DatabaseError &) {
        return false;
    }
}

QList<TUserRec> TDBM::GetUsersList(TUserListSorting) const
{
    QList<TUserRec> users;
    const std::unique_ptr<QSqlQuery> query = GetMyQuery(u"select * from users order by username"_s, {});
    while (query->next()) {
        TUserRec user;
        user.IdUser = query->value(u"id"_s).toInt();
        user.UserName = query->value(u"username"_s).toString();
        user.Gender = query->value(u"gender"_s);
        user.SendStat = query->value(u"send_stat"_s).toInt();
        user.AutoEnter = query->value(u"auto_enter"_s).toInt();
        users.append(user);
    }
    return users;
}

bool TDBM::SetActiveUser(int idUser)
{
    LogonUser = idUser;
    try {
        TUserRec::GetInfo(LogonUserExt, idUser);
        if (OnUserActivate)
            OnUserActivate();
        return true;
    } catch (...) {
        return false;
    }
}

bool TDBM::CreateNewUser(const QString &userName, int gender, bool setActiveUser)
{
    if (!ExecMyQuery(u"insert into users(username, gender, send_stat) values(:un, :g, :ss)"_s,
                     {userName, gender, 0}))
        return false;
    try {
        const std::unique_ptr<QSqlQuery> query = GetMyQuery(u"select max(id) as id from users"_s, {});
        if (query->next() && setActiveUser)
            SetActiveUser(query->value(u"id"_s).toInt());
    } catch (const DatabaseError &) {
    }
    return true;
}
