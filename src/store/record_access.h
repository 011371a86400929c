#pragma once

#include "store/sql_parameters.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// Key/value rows of the active learner (TDBM::LogonUser): per learner, per learner and trainer,
// or per learner and course. Keys are found without regard to case and stored upper case; values
// are stored as text. Every write is on disk when it returns; failures of the engine are thrown
// to the caller as DatabaseError.
class TRecordReadWrite
{
protected:
    TRecordReadWrite(QString tableName, QString valueField, QStringList requiredFieldsGet,
                     QStringList requiredFieldsSet);

    // The value of the first row matching the locating values (the learner, perhaps a trainer or
    // course, then the key); the first default when none matches. A stored null wins over it.
    QVariant getValue(const TArrValues &locating, const TArrValues &defValue) const;
    // Inserts a row or edits the first matching one.
    void putValue(const TArrValues &locating, const QVariant &value) const;
    static QString keyOf(const QString &key) { return key.toUpper(); }

public:
    const QString TableName;
    const QString ValueField;
    const QStringList RequiredFieldsGet; // the columns that locate a row
    const QStringList RequiredFieldsSet; // the columns written, the value's last

private:
    QString locateStatement(bool withRowId) const;
};

// Rows per learner and trainer.
class TTableTransport : public TRecordReadWrite
{
public:
    TTableTransport(QString tableName, QString valueField, QStringList requiredFieldsGet,
                    QStringList requiredFieldsSet);

    QVariant Get(int idTrainer, const QString &key, const TArrValues &defValue) const;
    // Stores value, or the first default when value is empty and there is one.
    void Put(int idTrainer, const QString &key, const TArrValues &defValue, const QVariant &value) const;
};

class TTrainerData : public TTableTransport
{
public:
    TTrainerData();
};

class TTrainerSettings : public TTableTransport
{
public:
    TTrainerSettings();
};

class TTableKeysRW : public TRecordReadWrite
{
public:
    TTableKeysRW(QString tableName, QString valueField, QString keyField,
                 QStringList requiredFieldsGet, QStringList requiredFieldsSet);

    const QString KeyField;
};

// Rows per learner.
class TTableUserRW : public TTableKeysRW
{
public:
    TTableUserRW(QString tableName, QString valueField, QString keyField);

    QVariant Get(const QString &key, const TArrValues &defValue) const;
    // Stores value; the default is not used.
    void Put(const QString &key, const TArrValues &defValue, const QVariant &value) const;
};

class TUsersSettings : public TTableUserRW
{
public:
    TUsersSettings();
};

class TCommonSettings : public TTableUserRW
{
public:
    TCommonSettings();
};

// Rows per learner and course.
class TTableUserCourseRW : public TTableKeysRW
{
public:
    TTableUserCourseRW(QString tableName, QString valueField, QString keyField);

    QVariant Get(int idCourse, const QString &key, const TArrValues &defValue) const;
    void Put(int idCourse, const QString &key, const TArrValues &defValue, const QVariant &value) const;
};

class TCoursesData : public TTableUserCourseRW
{
public:
    TCoursesData();
};

class TTableUserTrainerRW : public TTableKeysRW
{
public:
    TTableUserTrainerRW(QString tableName, QString valueField, QString keyField);
};

// The answer records: one row of trainers_stat per graded answer.
class TTrainersStat : public TTableUserTrainerRW
{
public:
    TTrainersStat();

    // Appends the answer record of the active learner in the trainer, dated now: values 0 to 5 are
    // the matter, the learner's input, the right answer, the wrong answer, the script system number
    // and whether the answer was right.
    void Stat(int idTrainer, const TArrValues &statValues) const;
};

// The six values of an answer record in the order Stat takes them.
TArrValues MakeStatValues(const QVariant &matter, const QVariant &userInput,
                          const QVariant &rightAnswer, const QVariant &wrongAnswer,
                          int translitSys, bool isCorrect);

// The shared instances, made with the working connection and gone with it.
extern TTrainerData *TrainerData;
extern TTrainerSettings *TrainerSettings;
extern TUsersSettings *UsersSettings;
extern TCommonSettings *CommonSettings;
extern TCoursesData *CoursesData;
extern TTrainersStat *TrainersStat;

void CreateSharedRecordAccess();
void DestroySharedRecordAccess();
