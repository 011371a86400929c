#pragma once

#include <QSqlDatabase>
#include <QString>

// Finds, creates and upgrades the profile database at start-up, before any window exists.
class TDBFM
{
public:
    static const QString DatabaseFileName; // "samvidra.mdb"

    // With initialise set, runs the start-up sequence (InitDBSamvidra) at once.
    explicit TDBFM(bool initialise = true);
    ~TDBFM();

    // Opens the named connection on the file, exclusive or shared; shows the connection message
    // and gives false when it cannot. Never throws.
    bool AssignDataBaseFileConnection(const QString &connectionName, const QString &dataBaseFile,
                                      bool exclusiveMode);
    // The database in the profiles folder, if there is one.
    bool FindExistensDBSamvidra(QString &logonDatabase);
    // Makes sure a database file exists, in the given folder (ending with "/") or, for an empty
    // text, in the profiles folder; sets the current database path.
    bool CreateDBSamvidra(const QString &inFolder);
    // Runs the stages of the upgrade script the file still lacks, each in one transaction.
    bool UpgradeDBSamvidra(const QString &dataBaseFile);
    // Creates the database if it is missing, then upgrades it; remembers where it is.
    bool InitDBSamvidra();
    // Has no effect.
    bool DoExport() { return false; }

    QString CurrentDatabasePath() const { return m_currentDatabasePath; }
    QString FirstConnectionDatabasePath;

    // The script the upgrade runs; the program's own unless a test gives another.
    void SetUpgradeScript(const QString &script) { m_upgradeScript = script; }

    // The schema version of the database on the connection: 0 without a version table. Throws
    // DatabaseError when the version row is missing.
    static double ReadSchemaVersion(const QSqlDatabase &db);

private:
    QString m_currentDatabasePath;
    QString m_upgradeScript;
};
