#include "store/database_factory.h"

#include "shell/app_paths.h"
#include "shell/message_routines.h"
#include "store/database_error.h"
#include "store/sqlite_engine.h"
#include "store/upgrade_script.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>

using namespace Qt::StringLiterals;

const QString TDBFM::DatabaseFileName = u"samvidra.mdb"_s;

namespace {

const QString upgradeConnection = u"samvidra-upgrade"_s;
const QString verifyConnection = u"samvidra-verify"_s;

QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

TDBFM::TDBFM(bool initialise)
    : m_upgradeScript(ProgramUpgradeScript())
{
    if (initialise)
        InitDBSamvidra();
}

TDBFM::~TDBFM()
{
    CloseDatabaseConnection(verifyConnection);
}

bool TDBFM::AssignDataBaseFileConnection(const QString &connectionName, const QString &dataBaseFile,
                                         bool exclusiveMode)
{
    QString error;
    const ConnectionMode mode = exclusiveMode ? ConnectionMode::Exclusive : ConnectionMode::Shared;
    if (OpenDatabaseConnection(connectionName, dataBaseFile, mode, &error))
        return true;
    ShowAppWarning(u"Не удалось подключиться к базе профилей: "_s + error, false);
    return false;
}

bool TDBFM::FindExistensDBSamvidra(QString &logonDatabase)
{
    logonDatabase.clear();
    const QString candidate = TAppPaths::ProfilesFolderInUse() + DatabaseFileName;
    if (!QFileInfo::exists(candidate))
        return false;
    logonDatabase = candidate;
    return true;
}

bool TDBFM::CreateDBSamvidra(const QString &inFolder)
{
    const bool folderExists = !inFolder.isEmpty() && QFileInfo(inFolder).isDir();
    if (folderExists)
        m_currentDatabasePath = withSlash(inFolder) + DatabaseFileName;
    if (!m_currentDatabasePath.isEmpty() && QFileInfo::exists(m_currentDatabasePath))
        return true;
    if (inFolder.isEmpty() && FindExistensDBSamvidra(m_currentDatabasePath))
        return true;

    m_currentDatabasePath = TAppPaths::ProfilesFolderInUse() + DatabaseFileName;
    if (folderExists && QDir(inFolder) != QDir::root())
        m_currentDatabasePath = withSlash(inFolder) + DatabaseFileName;

    QString error;
    if (!CreateEmptyDatabaseFile(m_currentDatabasePath, &error)) {
        ShowWarning(u"Не удалось создать базу профилей: "_s + error, u"Самвидра"_s, false);
        return false;
    }
    const bool verified = AssignDataBaseFileConnection(verifyConnection, m_currentDatabasePath, false);
    CloseDatabaseConnection(verifyConnection);
    return verified;
}

double TDBFM::ReadSchemaVersion(const QSqlDatabase &db)
{
    if (!db.tables(QSql::Tables).join(u' ').toLower().contains(u"version_info"_s))
        return 0;
    QString statement = u"select entval, subval from version_info where entity in (\"db\",\"DB\")"_s;
    statement.replace(u'"', u'\'');
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw DatabaseError(query.lastError().text());
    if (!query.next())
        throw DatabaseError(u"Не удалось распознать текущую версию базы профилей"_s);
    return query.value(1).toDouble();
}

bool TDBFM::UpgradeDBSamvidra(const QString &dataBaseFile)
{
    QString failure;
    if (!AssignDataBaseFileConnection(upgradeConnection, dataBaseFile, true)) {
        failure = u"нет доступа к файлу для обновления"_s;
    } else {
        QSqlDatabase db = QSqlDatabase::database(upgradeConnection);
        try {
            for (const UpgradeStage &stage : SplitUpgradeScript(m_upgradeScript)) {
                const std::optional<double> number = ReadStageNumber(stage.numberPiece);
                if (!number)
                    throw DatabaseError(u"неверный номер этапа «%1»"_s.arg(stage.numberPiece.trimmed()));
                if (ReadSchemaVersion(db) >= *number)
                    continue;
                // A stage is applied whole or not at all: a failure part-way leaves the file at
                // the version before it, and the next start runs the stage again.
                if (!db.transaction())
                    throw DatabaseError(db.lastError().text());
                for (const QString &piece : stage.pieces) {
                    if (!IsExecutedPiece(piece))
                        continue;
                    QSqlQuery query(db);
                    if (!query.exec(piece)) {
                        const QString error = query.lastError().text();
                        query.finish();
                        db.rollback();
                        throw DatabaseError(error);
                    }
                }
                if (!db.commit()) {
                    const QString error = db.lastError().text();
                    db.rollback();
                    throw DatabaseError(error);
                }
            }
        } catch (const DatabaseError &error) {
            failure = error.message();
        }
        db = QSqlDatabase();
        CloseDatabaseConnection(upgradeConnection);
    }
    if (failure.isEmpty())
        return true;
    AppMessageBox(u"Произошла ошибка в процессе обновления базы профилей \"%1\": %2"_s.arg(dataBaseFile, failure),
                  u"Самвидра"_s, MessageFlags::IconInformation);
    return false;
}

bool TDBFM::InitDBSamvidra()
{
    bool result = false;
    if (CreateDBSamvidra(QString()))
        result = UpgradeDBSamvidra(m_currentDatabasePath);
    FirstConnectionDatabasePath = m_currentDatabasePath;
    return result;
}
