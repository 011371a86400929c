#include "store/database_factory.h"
#include "store/record_access.h"
#include "store/sqlite_engine.h"

#include "store_fixture.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QProcess *startChild(const QString &mode, const QString &folder, QObject *parent)
{
    auto *child = new QProcess(parent);
    child->setProcessChannelMode(QProcess::MergedChannels);
    child->start(QStringLiteral(STORE_CHILD), {mode, folder});
    child->waitForStarted();
    return child;
}

} // namespace

class TestStoreProcesses : public QObject
{
    Q_OBJECT

private slots:
    // What a write returned is on the disk: a copy killed right after it loses nothing.
    void writesSurviveAKill()
    {
        StoreFixture fixture;
        fixture.startUp();
        QVERIFY(fixture.module->CreateNewUser(u"Вера"_s, 1, true));

        QProcess *child = startChild(u"write"_s, fixture.folder.path(), this);
        QByteArray said;
        while (!said.contains("written") && child->waitForReadyRead(10000))
            said += child->readAll();
        QVERIFY2(said.contains("written"), said.constData());
        child->kill();
        child->waitForFinished();

        QCOMPARE(UsersSettings->Get(u"kill_test"_s, {}), QVariant(u"written"_s));
        const std::unique_ptr<QSqlQuery> rows =
            TDBM::GetMyQuery(u"select matter, translit_sys from trainers_stat where id_trainer = 3"_s, {});
        QVERIFY(rows->next());
        QCOMPARE(rows->value(0).toString(), u"५"_s);
        QCOMPARE(rows->value(1).toInt(), 8);
    }

    void secondCopySharesTheDatabase()
    {
        StoreFixture fixture;
        fixture.startUp();
        QVERIFY(fixture.module->CreateNewUser(u"Вера"_s, 1, true));
        UsersSettings->Put(u"first_copy"_s, {}, u"here"_s);

        QProcess *child = startChild(u"share"_s, fixture.folder.path(), this);
        QVERIFY(child->waitForFinished(30000));
        const QByteArray said = child->readAll();
        QVERIFY2(said.contains("shared ok") && !said.contains("MESSAGE"), said.constData());
        QCOMPARE(UsersSettings->Get(u"second_copy"_s, {}), QVariant(u"here"_s));
    }

    // While an upgrade holds the database, a second copy is kept out and says why.
    void secondCopyIsKeptOutOfAnUpgrade()
    {
        StoreFixture fixture;
        { TDBFM factory; }
        TDBFM upgrading(false);
        QVERIFY(upgrading.AssignDataBaseFileConnection(u"held"_s, fixture.databasePath(), true));

        QProcess *child = startChild(u"share"_s, fixture.folder.path(), this);
        QVERIFY(child->waitForFinished(30000));
        const QString said = QString::fromUtf8(child->readAll());
        CloseDatabaseConnection(u"held"_s);
        QVERIFY2(said.contains(u"Не удалось подключиться к базе профилей: база профилей занята другой копией программы"_s),
                 qPrintable(said));
        QVERIFY2(said.contains(u"Не найдена база данных. Приложение будет закрыто."_s), qPrintable(said));
        QVERIFY(!said.contains(u"shared ok"_s));
    }
};

QTEST_GUILESS_MAIN(TestStoreProcesses)
#include "tst_store_processes.moc"
