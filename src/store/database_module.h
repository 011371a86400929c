#pragma once

#include "store/sql_parameters.h"
#include "store/user_rec.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <memory>

enum TUserListSorting { ulsAlphabetic };

// The working connection to the profile database, the active learner, the program's ad-hoc
// queries and the list of profiles. Made once at start-up, after TDBFM; it also makes the shared
// record access instances (TrainerData, TrainerSettings, UsersSettings, CommonSettings,
// CoursesData, TrainersStat), which live as long as it does.
class TDBM
{
public:
    // Opens the working connection on the database nearest the profiles folder (the folder itself,
    // then each parent up to the root). Without one, or when it does not open, shows "Не найдена
    // база данных. Приложение будет закрыто." and ends the program.
    TDBM();
    ~TDBM();
    TDBM(const TDBM &) = delete;
    TDBM &operator=(const TDBM &) = delete;

    // The one working module, or null before it is made.
    static TDBM *instance();

    bool isOpen() const { return m_open; }
    QString databasePath() const { return m_databasePath; }
    static QSqlDatabase connection();

    // A new query on the working connection (or the given one) with the statement prepared, the
    // values bound to its parameters by position, and executed; it belongs to the caller. Throws
    // DatabaseError on failure.
    static std::unique_ptr<QSqlQuery> GetMyQuery(const QString &sqlText, const TArrValues &params);
    static std::unique_ptr<QSqlQuery> GetMyQuery(const QSqlDatabase &db, const QString &sqlText,
                                                 const TArrValues &params);
    // The same for a command; false when anything failed, and nothing is shown.
    static bool ExecMyQuery(const QString &sqlText, const TArrValues &params);
    static bool ExecMyQuery(const QSqlDatabase &db, const QString &sqlText, const TArrValues &params);

    QList<TUserRec> GetUsersList(TUserListSorting sort) const;
    // Makes the learner active for every later read and write; false when reading the profile
    // failed (the id is taken all the same).
    bool SetActiveUser(int idUser);
    // Adds a learner (gender 0 male, 1 female; no consent to the report yet) and, if asked, makes
    // it active; false when the profile could not be added.
    bool CreateNewUser(const QString &userName, int gender, bool setActiveUser);

    int LogonUser = 1;
    TUserRec LogonUserExt;
    std::function<void()> OnUserActivate;

private:
    bool open();
    void createIndexes();

    bool m_open = false;
    QString m_databasePath;
};
