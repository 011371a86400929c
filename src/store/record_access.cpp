#include "store/record_access.h"

#include "shell/clock.h"
#include "store/database_error.h"
#include "store/database_module.h"
#include "store/sqlite_engine.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

TTrainerData *TrainerData = nullptr;
TTrainerSettings *TrainerSettings = nullptr;
TUsersSettings *UsersSettings = nullptr;
TCommonSettings *CommonSettings = nullptr;
TCoursesData *CoursesData = nullptr;
TTrainersStat *TrainersStat = nullptr;

namespace {

int activeUser()
{
    return TDBM::instance() ? TDBM::instance()->LogonUser : 1;
}

// What a value becomes in a text column: its text, or null when it has none.
QVariant storedText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant(QMetaType(QMetaType::QString));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? u"True"_s : u"False"_s;
    return value.toString();
}

// Runs the work in one transaction, so that a write of several statements is whole or absent.
template<typename Work>
void inTransaction(Work work)
{
    QSqlDatabase db = TDBM::connection();
    if (!db.transaction())
        throw DatabaseError(db.lastError().text());
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        throw DatabaseError(error);
    }
}

} // namespace

TRecordReadWrite::TRecordReadWrite(QString tableName, QString valueField,
                                   QStringList requiredFieldsGet, QStringList requiredFieldsSet)
    : TableName(std::move(tableName)), ValueField(std::move(valueField)),
      RequiredFieldsGet(std::move(requiredFieldsGet)), RequiredFieldsSet(std::move(requiredFieldsSet))
{
}

QString TRecordReadWrite::locateStatement(bool withRowId) const
{
    QString statement = (withRowId ? u"select rowid, * from "_s : u"select * from "_s) + TableName
        + u"\nwhere 1 = 1"_s;
    for (qsizetype i = 0; i < RequiredFieldsGet.size(); ++i)
        statement += u" and %1=:param%2"_s.arg(RequiredFieldsGet[i]).arg(i);
    return statement;
}

QVariant TRecordReadWrite::getValue(const TArrValues &locating, const TArrValues &defValue) const
{
    const std::unique_ptr<QSqlQuery> query = TDBM::GetMyQuery(locateStatement(false), locating);
    if (query->next())
        return query->value(ValueField);
    return defValue.isEmpty() ? QVariant() : defValue.front();
}

void TRecordReadWrite::putValue(const TArrValues &locating, const QVariant &value) const
{
    inTransaction([&] {
        std::unique_ptr<QSqlQuery> found = TDBM::GetMyQuery(locateStatement(true), locating);
        TArrValues written = locating;
        written.append(storedText(value));
        if (found->next()) {
            const qint64 rowId = found->value(0).toLongLong();
            found.reset();
            QStringList assignments;
            for (const QString &field : RequiredFieldsSet)
                assignments.append(field + u" = ?"_s);
            written.append(rowId);
            QSqlQuery update(TDBM::connection());
            PrepareWithValues(update, u"update %1 set %2 where rowid = ?"_s.arg(TableName, assignments.join(u", "_s)), {});
            for (qsizetype i = 0; i < written.size(); ++i)
                update.bindValue(i, written[i]);
            if (!update.exec())
                throw DatabaseError(update.lastError().text());
        } else {
            found.reset();
            QSqlQuery insert(TDBM::connection());
            const QString marks = QStringList(RequiredFieldsSet.size(), u"?"_s).join(u", "_s);
            PrepareWithValues(insert, u"insert into %1 (%2) values (%3)"_s.arg(TableName, RequiredFieldsSet.join(u", "_s), marks), {});
            for (qsizetype i = 0; i < written.size(); ++i)
                insert.bindValue(i, written[i]);
            if (!insert.exec())
                throw DatabaseError(insert.lastError().text());
        }
    });
}

TTableTransport::TTableTransport(QString tableName, QString valueField,
                                 QStringList requiredFieldsGet, QStringList requiredFieldsSet)
    : TRecordReadWrite(std::move(tableName), std::move(valueField), std::move(requiredFieldsGet),
                       std::move(requiredFieldsSet))
{
}

QVariant TTableTransport::Get(int idTrainer, const QString &key, const TArrValues &defValue) const
{
    return getValue({activeUser(), idTrainer, keyOf(key)}, defValue);
}

void TTableTransport::Put(int idTrainer, const QString &key, const TArrValues &defValue,
                          const QVariant &value) const
{
    const bool valueEmpty = !value.isValid() || value.isNull();
    putValue({activeUser(), idTrainer, keyOf(key)},
             valueEmpty && !defValue.isEmpty() ? defValue.front() : value);
}

TTrainerData::TTrainerData()
    : TTableTransport(u"trainers_data"_s, u"param_value"_s,
                      {u"id_user"_s, u"id_trainer"_s, u"UCase(param_name)"_s},
                      {u"id_user"_s, u"id_trainer"_s, u"param_name"_s, u"param_value"_s})
{
}

TTrainerSettings::TTrainerSettings()
    : TTableTransport(u"trainers_settings"_s, u"setting_value"_s,
                      {u"id_user"_s, u"id_trainer"_s, u"UCase(setting_name)"_s},
                      {u"id_user"_s, u"id_trainer"_s, u"setting_name"_s, u"setting_value"_s})
{
}

TTableKeysRW::TTableKeysRW(QString tableName, QString valueField, QString keyField,
                           QStringList requiredFieldsGet, QStringList requiredFieldsSet)
    : TRecordReadWrite(std::move(tableName), std::move(valueField), std::move(requiredFieldsGet),
                       std::move(requiredFieldsSet)),
      KeyField(std::move(keyField))
{
}

TTableUserRW::TTableUserRW(QString tableName, QString valueField, QString keyField)
    : TTableKeysRW(tableName, valueField, keyField, {u"id_user"_s, u"UCase(%1)"_s.arg(keyField)},
                   {u"id_user"_s, keyField, valueField})
{
}

QVariant TTableUserRW::Get(const QString &key, const TArrValues &defValue) const
{
    return getValue({activeUser(), keyOf(key)}, defValue);
}

void TTableUserRW::Put(const QString &key, const TArrValues &, const QVariant &value) const
{
    putValue({activeUser(), keyOf(key)}, value);
}

TUsersSettings::TUsersSettings()
    : TTableUserRW(u"users_settings"_s, u"setting_value"_s, u"setting_name"_s)
{
}

TCommonSettings::TCommonSettings()
    : TTableUserRW(u"common_settings"_s, u"setting_value"_s, u"setting_name"_s)
{
}

TTableUserCourseRW::TTableUserCourseRW(QString tableName, QString valueField, QString keyField)
    : TTableKeysRW(tableName, valueField, keyField,
                   {u"id_user"_s, u"id_course"_s, u"UCase(%1)"_s.arg(keyField)},
                   {u"id_user"_s, u"id_course"_s, keyField, valueField})
{
}

QVariant TTableUserCourseRW::Get(int idCourse, const QString &key, const TArrValues &defValue) const
{
    return getValue({activeUser(), idCourse, keyOf(key)}, defValue);
}

void TTableUserCourseRW::Put(int idCourse, const QString &key, const TArrValues &,
                             const QVariant &value) const
{
    putValue({activeUser(), idCourse, keyOf(key)}, value);
}

TCoursesData::TCoursesData()
    : TTableUserCourseRW(u"courses_data"_s, u"param_value"_s, u"param_name"_s)
{
}

TTableUserTrainerRW::TTableUserTrainerRW(QString tableName, QString valueField, QString keyField)
    : TTableKeysRW(tableName, valueField, keyField, {u"id_user"_s, u"id_trainer"_s, keyField},
                   {u"id_user"_s, u"id_trainer"_s, keyField, valueField})
{
}

TTrainersStat::TTrainersStat()
    : TTableUserTrainerRW(u"trainers_stat"_s, QString(), QString())
{
}

void TTrainersStat::Stat(int idTrainer, const TArrValues &statValues) const
{
    const auto value = [&statValues](int i) { return i < statValues.size() ? statValues[i] : QVariant(); };
    QSqlQuery insert(TDBM::connection());
    PrepareWithValues(insert,
                      u"insert into trainers_stat (id_user, id_trainer, date_in, matter, user_input, "
                      "right_answer, wrong_answer, translit_sys, is_correct) "
                      "values (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                      {});
    const TArrValues row = {activeUser(), idTrainer, DatabaseDateTime(Clock::now()),
                            storedText(value(0)), storedText(value(1)), storedText(value(2)),
                            storedText(value(3)), value(4).toInt(), value(5).toBool() ? 1 : 0};
    for (qsizetype i = 0; i < row.size(); ++i)
        insert.bindValue(i, row[i]);
    if (!insert.exec())
        throw DatabaseError(insert.lastError().text());
}

TArrValues MakeStatValues(const QVariant &matter, const QVariant &userInput,
                          const QVariant &rightAnswer, const QVariant &wrongAnswer,
                          int translitSys, bool isCorrect)
{
    return {matter, userInput, rightAnswer, wrongAnswer, translitSys, isCorrect};
}

void CreateSharedRecordAccess()
{
    DestroySharedRecordAccess();
    TrainerData = new TTrainerData;
    TrainerSettings = new TTrainerSettings;
    UsersSettings = new TUsersSettings;
    CommonSettings = new TCommonSettings;
    CoursesData = new TCoursesData;
    TrainersStat = new TTrainersStat;
}

void DestroySharedRecordAccess()
{
    delete TrainerData;
    delete TrainerSettings;
    delete UsersSettings;
    delete CommonSettings;
    delete CoursesData;
    delete TrainersStat;
    TrainerData = nullptr;
    TrainerSettings = nullptr;
    UsersSettings = nullptr;
    CommonSettings = nullptr;
    CoursesData = nullptr;
    TrainersStat = nullptr;
}
