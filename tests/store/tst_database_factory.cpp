#include "store/database_factory.h"
#include "store/sqlite_engine.h"
#include "store/upgrade_script.h"

#include "store_fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlRecord>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString inspection = u"inspection"_s;

// Answers a question about the database file through a connection of the test's own.
QVariantList ask(const QString &path, const QString &statement)
{
    QVariantList row;
    QString error;
    if (!OpenDatabaseConnection(inspection, path, ConnectionMode::Shared, &error))
        return {error};
    {
        QSqlQuery query(QSqlDatabase::database(inspection));
        if (query.exec(statement) && query.next()) {
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i));
        }
    }
    CloseDatabaseConnection(inspection);
    return row;
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The program's script up to and including the given stage.
QString scriptUpTo(int lastStage)
{
    const QString script = ProgramUpgradeScript();
    const qsizetype next = script.indexOf(u"~~STAGE~~%1"_s.arg(lastStage + 1));
    return next < 0 ? script : script.left(next);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestDatabaseFactory : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesTheCurrentSchema()
    {
        StoreFixture fixture;
        TDBFM factory;
        QVERIFY(fixture.messages.messages.isEmpty());
        QCOMPARE(factory.FirstConnectionDatabasePath, fixture.databasePath());
        const QString path = fixture.databasePath();
        QCOMPARE(ask(path, u"select entval, subval from version_info"_s), (QVariantList{u"1.2"_s, 12}));
        QCOMPARE(ask(path, u"select count(*) from courses"_s), QVariantList{4});
        QCOMPARE(ask(path, u"select course_name, codename from courses where id = 1"_s),
                 (QVariantList{u"Курс: Алфавит Деванагари"_s, u"alpha_dev"_s}));
        QCOMPARE(ask(path, u"select count(*), min(id), max(id) from trainers"_s), (QVariantList{109, 0, 108}));
        QCOMPARE(ask(path, u"select trainer_name from trainers where id = 0"_s),
                 QVariantList{u"Тренажер abstract"_s});
        QCOMPARE(ask(path, u"select trainer_name, codename is null from trainers where id = 108"_s),
                 (QVariantList{u"Тренажер 108"_s, 1}));
        QCOMPARE(ask(path, u"select count(*) from users"_s), QVariantList{0});
        QCOMPARE(ask(path, u"select count(*) from pragma_table_info('users') "
                           "where name in ('gender', 'send_stat', 'auto_enter')"_s),
                 QVariantList{3});
        const QString foreignKeys =
            u"select count(*) from sqlite_master m, pragma_foreign_key_list(m.name) f "
            "where m.type = 'table' and f.on_delete = 'CASCADE' and f.on_update = 'CASCADE'"_s;
        QCOMPARE(ask(path, foreignKeys), QVariantList{13});
    }

    void upgradesOnlyTheMissingStages()
    {
        StoreFixture fixture;
        {
            TDBFM atEleven(false);
            atEleven.SetUpgradeScript(scriptUpTo(11));
            QVERIFY(atEleven.InitDBSamvidra());
        }
        const QString path = fixture.databasePath();
        QCOMPARE(ask(path, u"select subval from version_info"_s), QVariantList{11});
        QCOMPARE(ask(path, u"select count(*) from trainers"_s), QVariantList{109});

        // Stages 10 and 11 would fail on their tables if they ran again.
        QVERIFY(TDBFM().FirstConnectionDatabasePath == path);
        QVERIFY(fixture.messages.messages.isEmpty());
        QCOMPARE(ask(path, u"select entval, subval from version_info"_s), (QVariantList{u"1.2"_s, 12}));

        // At the current version no statement runs: the file stays as it is.
        const QByteArray before = fileHash(path);
        TDBFM again;
        QVERIFY(fixture.messages.messages.isEmpty());
        QCOMPARE(fileHash(path), before);
    }

    void fileWithoutVersionTableRunsEveryStage()
    {
        StoreFixture fixture;
        QString error;
        QVERIFY(CreateEmptyDatabaseFile(fixture.databasePath(), &error));
        TDBFM factory;
        QVERIFY(fixture.messages.messages.isEmpty());
        QCOMPARE(ask(fixture.databasePath(), u"select subval from version_info"_s), QVariantList{12});
    }

    // A stage that fails part-way is undone whole: the file stays at the version before it, the
    // learner is told, and the stage succeeds once it can.
    void failedStageLeavesThePreviousVersion()
    {
        StoreFixture fixture;
        TDBFM{};
        const QString path = fixture.databasePath();
        const QString stage13 = u"~~STAGE~~13\r\n=next>\r\nCREATE TABLE [extra] ([a] INTEGER);\r\n"
                                "=next>\r\nINSERT INTO [extra] ([a]) VALUES (1);\r\n"
                                "=next>\r\nINSERT INTO [missing_table] ([a]) VALUES (2);\r\n"
                                "=next>\r\nUPDATE version_info set entval = '1.3', subval = 13; \r\n"_s;
        TDBFM failing(false);
        failing.SetUpgradeScript(ProgramUpgradeScript() + stage13);
        QVERIFY(!failing.UpgradeDBSamvidra(path));
        QCOMPARE(fixture.messages.messages.size(), 1);
        const RecordingMessages::Message message = fixture.messages.messages.front();
        QVERIFY2(message.text.startsWith(u"Произошла ошибка в процессе обновления базы профилей \"%1\": "_s.arg(path)),
                 qPrintable(message.text));
        QCOMPARE(message.caption, u"Самвидра"_s);
        QCOMPARE(message.flags, 64);
        QCOMPARE(ask(path, u"select subval from version_info"_s), QVariantList{12});
        QCOMPARE(ask(path, u"select count(*) from sqlite_master where name = 'extra'"_s), QVariantList{0});

        TDBFM mended(false);
        mended.SetUpgradeScript(ProgramUpgradeScript()
                                + QString(stage13).replace(u"[missing_table]"_s, u"[extra]"_s));
        QVERIFY(mended.UpgradeDBSamvidra(path));
        QCOMPARE(ask(path, u"select entval, subval from version_info"_s), (QVariantList{u"1.3"_s, 13}));
        QCOMPARE(ask(path, u"select count(*) from extra"_s), QVariantList{2});
    }

    void stagePiecesAreClassified()
    {
        StoreFixture fixture;
        TDBFM{};
        TDBFM factory(false);
        factory.SetUpgradeScript(ProgramUpgradeScript()
                                 + u"~~STAGE~~12,5\r\n=next>\r\nselect * from users;\r\n"
                                   "=next>\r\ncreate table [lower] ([a] integer);\r\n=next>\r\n\r\n"
                                   "=next>\r\nUPDATE version_info set subval = 12.5; \r\n"_s);
        QVERIFY(factory.UpgradeDBSamvidra(fixture.databasePath()));
        QVERIFY(fixture.messages.messages.isEmpty());
        QCOMPARE(ask(fixture.databasePath(), u"select subval from version_info"_s), QVariantList{12.5});
        QCOMPARE(ask(fixture.databasePath(), u"select count(*) from sqlite_master where name = 'lower'"_s),
                 QVariantList{1});
    }

    void missingVersionRowIsReported()
    {
        StoreFixture fixture;
        TDBFM{};
        QString error;
        {
            QVERIFY(OpenDatabaseConnection(inspection, fixture.databasePath(), ConnectionMode::Shared, &error));
            QSqlQuery(QSqlDatabase::database(inspection)).exec(u"delete from version_info"_s);
            CloseDatabaseConnection(inspection);
        }
        TDBFM factory;
        QCOMPARE(fixture.messages.messages.size(), 1);
        QVERIFY(fixture.messages.messages[0].text.endsWith(u"Не удалось распознать текущую версию базы профилей"_s));
    }

    // Files that are not databases never break the program: the learner gets the connection
    // message, then the upgrade's, and the file is left as it was.
    void notADatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray random(5000, '\0');
        for (int i = 0; i < random.size(); ++i)
            random[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("random bytes") << random;
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text file") << QByteArray("samvidra profiles\n");
    }

    void notADatabase()
    {
        QFETCH(QByteArray, content);
        StoreFixture fixture;
        writeFile(fixture.databasePath(), content);
        TDBFM factory;
        QCOMPARE(fixture.messages.messages.size(), 2);
        const RecordingMessages::Message connection = fixture.messages.messages[0];
        QVERIFY2(connection.text.startsWith(u"Не удалось подключиться к базе профилей: "_s),
                 qPrintable(connection.text));
        QCOMPARE(connection.caption, u"Samvidra"_s);
        QCOMPARE(connection.flags, 48);
        QVERIFY(fixture.messages.messages[1].text.startsWith(u"Произошла ошибка в процессе обновления"_s));
        QFile file(fixture.databasePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);

        TDBM module;
        QVERIFY(!module.isOpen());
        QVERIFY(StoreFixture::terminated);
        QCOMPARE(fixture.messages.messages.back().text, u"Не найдена база данных. Приложение будет закрыто."_s);
        QCOMPARE(fixture.messages.messages.back().caption, u"Ошибка"_s);
    }

    void truncatedDatabase()
    {
        StoreFixture fixture;
        TDBFM{};
        QFile file(fixture.databasePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.size() > 8192);
        QVERIFY(file.resize(file.size() / 2));
        file.close();
        TDBFM factory;
        QVERIFY(!fixture.messages.messages.isEmpty());
        QVERIFY2(fixture.messages.messages[0].text.startsWith(u"Не удалось подключиться к базе профилей: "_s),
                 qPrintable(fixture.messages.messages[0].text));
    }

    void creationFailureIsReported()
    {
        StoreFixture fixture;
        // A file where the profiles folder should be: nothing can be made inside it.
        const QString blocked = fixture.folder.filePath(u"blocked"_s);
        writeFile(blocked, "x");
        TAppPaths::SetProfilesFolderInUse(blocked);
        TDBFM factory;
        QCOMPARE(fixture.messages.messages.size(), 1);
        QVERIFY2(fixture.messages.messages[0].text.startsWith(u"Не удалось создать базу профилей: "_s),
                 qPrintable(fixture.messages.messages[0].text));
        QCOMPARE(fixture.messages.messages[0].caption, u"Самвидра"_s);

        TDBM module;
        QVERIFY(StoreFixture::terminated);
    }

    void createsInTheGivenFolder()
    {
        StoreFixture fixture;
        QTemporaryDir elsewhere;
        TDBFM factory(false);
        QVERIFY(factory.CreateDBSamvidra(elsewhere.path() + u"/"_s));
        QCOMPARE(factory.CurrentDatabasePath(), elsewhere.filePath(TDBFM::DatabaseFileName));
        QVERIFY(QFile::exists(factory.CurrentDatabasePath()));
        QVERIFY(!QFile::exists(fixture.databasePath()));
    }

    void missingFileIsNamedInTheConnectionMessage()
    {
        StoreFixture fixture;
        TDBFM factory(false);
        const QString missing = fixture.folder.filePath(u"nowhere.mdb"_s);
        QVERIFY(!factory.AssignDataBaseFileConnection(u"missing"_s, missing, false));
        QCOMPARE(fixture.messages.texts(),
                 QStringList{u"Не удалось подключиться к базе профилей: Файл базы данных \"%1\" не найден"_s.arg(missing)});
        QVERIFY(!QFile::exists(missing));
    }

    void exclusiveConnectionKeepsOthersOut()
    {
        StoreFixture fixture;
        TDBFM factory;
        QVERIFY(factory.AssignDataBaseFileConnection(u"upgrade-like"_s, fixture.databasePath(), true));
        QString error;
        const bool openedBeside = OpenDatabaseConnection(u"beside"_s, fixture.databasePath(),
                                                         ConnectionMode::Shared, &error);
        QVERIFY(!openedBeside);
        QVERIFY2(error.contains(u"занята"_s), qPrintable(error));
        CloseDatabaseConnection(u"upgrade-like"_s);
        QVERIFY(OpenDatabaseConnection(u"beside"_s, fixture.databasePath(), ConnectionMode::Shared, &error));
        CloseDatabaseConnection(u"beside"_s);
    }

    void workingConnectionSearchesUpwards()
    {
        StoreFixture fixture;
        // The database sits two folders above the profiles folder.
        const QString profiles = fixture.folder.filePath(u"a/b"_s);
        QVERIFY(QDir().mkpath(profiles));
        TAppPaths::SetProfilesFolderInUse(profiles);
        {
            TDBFM factory(false);
            QVERIFY(factory.CreateDBSamvidra(fixture.folder.path() + u"/"_s));
            QVERIFY(factory.UpgradeDBSamvidra(factory.CurrentDatabasePath()));
        }
        TDBM module;
        QVERIFY(module.isOpen());
        QCOMPARE(module.databasePath(), fixture.databasePath());
        QVERIFY(!StoreFixture::terminated);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFactory)
#include "tst_database_factory.moc"
