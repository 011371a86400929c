#pragma once

#include <QString>
#include <QVariant>

// One learner profile.
struct TUserRec
{
    int IdUser = 0;
    QString UserName;
    QVariant Gender; // 0 male, 1 female; null when never set
    int SendStat = 0;  // 1: agreed to send the anonymous usage report
    int AutoEnter = 0; // 1: signed in automatically at start

    // Reads the profile with that id; false when there is none.
    static bool GetInfo(TUserRec &userInfo, int findIdUser);
    static void UpdateUserName(int idUser, const QString &newName);
    static void UpdateGender(int idUser, int newGender);
    static void UpdateSendStat(int idUser, int sendStat);
    // Clears the flag of every learner first: at most one learner signs in automatically.
    static void UpdateAutoEnter(int idUser, int autoEnter);
};
