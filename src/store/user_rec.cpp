#include "store/user_rec.h"

#include "store/database_error.h"
#include "store/database_module.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

bool TUserRec::GetInfo(TUserRec &userInfo, int findIdUser)
{
    const std::unique_ptr<QSqlQuery> query =
        TDBM::GetMyQuery(u"select * from users where id = :iu"_s, {findIdUser});
    if (!query->next())
        return false;
    userInfo.IdUser = query->value(u"id"_s).toInt();
    userInfo.UserName = query->value(u"username"_s).toString();
    userInfo.Gender = query->value(u"gender"_s);
    userInfo.SendStat = query->value(u"send_stat"_s).toInt() == 1 ? 1 : 0;
    userInfo.AutoEnter = query->value(u"auto_enter"_s).toInt() == 1 ? 1 : 0;
    return true;
}

void TUserRec::UpdateUserName(int idUser, const QString &newName)
{
    TDBM::ExecMyQuery(u"update users set username = :un where id = :ui"_s, {newName, idUser});
}

void TUserRec::UpdateGender(int idUser, int newGender)
{
    TDBM::ExecMyQuery(u"update users set gender = :g where id = :ui"_s, {newGender, idUser});
}

void TUserRec::UpdateSendStat(int idUser, int sendStat)
{
    TDBM::ExecMyQuery(u"update users set send_stat = :g where id = :ui"_s, {sendStat, idUser});
}

void TUserRec::UpdateAutoEnter(int idUser, int autoEnter)
{
    // Both statements or neither, so that a crash between them cannot leave the flag with nobody.
    QSqlDatabase db = TDBM::connection();
    const bool together = db.transaction();
    TDBM::ExecMyQuery(u"update users set auto_enter = 0"_s, {});
    TDBM::ExecMyQuery(u"update users set auto_enter = :aa where id = :ui"_s, {autoEnter, idUser});
    if (together && !db.commit())
        db.rollback();
}
