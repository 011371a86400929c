#include "online/site_addresses.h"
#include "online/site_client.h"

#include "support/site_server.h"
#include "support/wait_for.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The forms the server kept, as "script: name=value; name=value" per post.
QStringList storedPosts(const QString &database)
{
    QStringList posts;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"posts"_s);
        db.setDatabaseName(database);
        db.open();
        QSqlQuery query(db);
        query.exec(u"select p.id, p.script, f.name, f.value from posts p left join fields f "
                   "on f.post_id = p.id order by p.id, f.position"_s);
        int current = -1;
        while (query.next()) {
            if (query.value(0).toInt() != current) {
                current = query.value(0).toInt();
                posts.append(query.value(1).toString() + u":"_s);
            }
            if (!query.value(2).isNull())
                posts.last() += u" %1=%2;"_s.arg(query.value(2).toString(), query.value(3).toString());
        }
    }
    QSqlDatabase::removeDatabase(u"posts"_s);
    return posts;
}

// Sends the request line exactly as written, with nothing normalised on the way.
QByteArray rawRequest(int port, const QByteArray &method, const QByteArray &target,
                      const QByteArray &body = {}, const QByteArray &type = "application/x-www-form-urlencoded")
{
    QTcpSocket socket;
    socket.connectToHost(u"127.0.0.1"_s, port);
    if (!socket.waitForConnected(5000))
        return {};
    QByteArray request = method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
    if (!body.isEmpty() || method == "POST")
        request += "Content-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    socket.write(request + "\r\n" + body);
    QByteArray answer;
    while (socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return answer;
}

int statusOf(const QByteArray &answer)
{
    return answer.mid(9, 3).toInt();
}

} // namespace

class TestSiteServer_ : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<TestSiteServer> server;
    QString database() const { return folder.filePath(u"posts.db"_s); }

private slots:
    void initTestCase()
    {
        server = std::make_unique<TestSiteServer>(database());
        QVERIFY(server->running());
        qputenv("SAMVIDRA_SITE", server->root().toString().toUtf8());
    }

    void cleanupTestCase() { server.reset(); }

    // Every address the program asks for answers with a page, redirects followed.
    void everyAddressAnswers_data()
    {
        QTest::addColumn<QUrl>("url");
        using namespace SiteAddresses;
        QTest::newRow("root") << InternetProbe();
        QTest::newRow("version file") << VersionFile();
        QTest::newRow("authors 1") << AuthorsPage(1);
        QTest::newRow("authors 2") << AuthorsPage(2);
        QTest::newRow("muhurta") << MuhurtaPage();
        QTest::newRow("keyboard layout") << KeyboardLayoutPage();
        QTest::newRow("reading guide") << ReadingGuidePage(1);
        QTest::newRow("terms table") << TermsTablePage();
        QTest::newRow("program") << ProgramHomePage();
        QTest::newRow("catalog") << CatalogPage();
        QTest::newRow("reviews") << ReviewsPage();
        QTest::newRow("follow") << FollowPage();
        QTest::newRow("follow from closing") << FollowPageFromClosing();
        QTest::newRow("donations") << DonationsPage();
        QTest::newRow("donations from closing") << DonationsPageFromClosing();
        for (int trainer = 1; trainer <= 5; ++trainer)
            QTest::newRow(qPrintable(u"video %1"_s.arg(trainer))) << TrainerVideoPage(trainer);
        for (const char *book : {"bg", "narada-bhakti-sutra", "sri-ishopanishad"})
            QTest::newRow(book) << PublisherBookPage(QString::fromLatin1(book));
        for (const char *volume : {"1.1", "1.2", "2", "3.1", "3.2", "3.3", "4.1", "4.2", "4.3", "5.1", "5.2", "6.1",
                                   "6.2", "7.1", "7.2", "8.1", "8.2", "9.1", "9.2", "10.1", "10.2", "10.3",
                                   "10.4", "11.1", "12"})
            QTest::newRow(qPrintable(u"bhagavatam %1"_s.arg(QLatin1String(volume))))
                << BhagavatamVolumePage(QString::fromLatin1(volume));
        for (int book = 1; book <= 10; ++book)
            QTest::newRow(qPrintable(u"bibliotheca %1"_s.arg(book))) << BibliothecaSanscriticaPage(book);
    }

    void everyAddressAnswers()
    {
        QFETCH(QUrl, url);
        SiteClient client;
        const SiteAnswer answer = WaitForAnswer([&](auto done) { client.get(url, 5000, done); });
        QCOMPARE(answer.outcome, SiteAnswer::Success);
        QCOMPARE(answer.status, 200);
        QVERIFY(!answer.body.isEmpty());
        if (url.path().endsWith(u".php"_s) || url.path().endsWith(u"/"_s))
            QVERIFY2(answer.body.contains("<html lang=\"ru\">"), qPrintable(url.toString()));
    }

    void versionFileNamesItsPackage()
    {
        SiteClient client;
        const SiteAnswer version = WaitForAnswer([&](auto done) { client.get(SiteAddresses::VersionFile(), 5000, done); });
        const QStringList lines = QString::fromUtf8(version.body).split(u'\n');
        QCOMPARE(lines.value(0).trimmed(), u"1.3.8"_s);
        const QStringList package = lines.value(1).trimmed().split(u'|');
        QCOMPARE(package.size(), 2);
        QCOMPARE(package[1], u"samvidra"_s);
        const SiteAnswer file = WaitForAnswer([&](auto done) { client.get(SiteAddresses::UpdatePackage(package[0]), 5000, done); });
        QCOMPARE(file.outcome, SiteAnswer::Success);
        QVERIFY(file.body.contains("1.3.8"));
    }

    void typesAndHead()
    {
        const QByteArray text = rawRequest(server->port(), "GET", "/samvidra/download/version.txt");
        QVERIFY(text.contains("Content-Type: text/plain; charset=utf-8"));
        const QByteArray page = rawRequest(server->port(), "HEAD", "/samvidra/spravka/muhurta/1.php");
        QCOMPARE(statusOf(page), 200);
        QVERIFY(page.contains("Content-Type: text/html; charset=utf-8"));
        QVERIFY(page.endsWith("\r\n\r\n")); // headers only
        QCOMPARE(statusOf(rawRequest(server->port(), "GET", "/samvidra/nothing.php")), 404);
    }

    void formsAreKeptWithEveryField()
    {
        SiteClient client;
        const FormFields fields = {{u"email"_s, u"vera@example.org"_s},
                                   {u"text"_s, u"Спасибо! a+b=c & d"_s},
                                   {u"mac"_s, u"00:11:22:33:44:55"_s},
                                   {u"empty"_s, QString()}};
        const SiteAnswer answer = WaitForAnswer([&](auto done) {
            client.postForm(SiteAddresses::FeedbackScript(), fields, 5000, done);
        });
        QCOMPARE(answer.outcome, SiteAnswer::Success);
        QVERIFY(storedPosts(database()).contains(
            u"/metrika/samvidra/feedback.php: email=vera@example.org; text=Спасибо! a+b=c & d; "
            "mac=00:11:22:33:44:55; empty=;"_s));
    }

    void refusedFormsAreNotKept_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::newRow("too long") << QByteArray("/metrika/samvidra/stat.php")
                                  << QByteArray("a=") + QByteArray(70 * 1024, 'x') << 413;
        QTest::newRow("bad escape") << QByteArray("/metrika/samvidra/stat.php") << QByteArray("a=%zz") << 400;
        QTest::newRow("no name") << QByteArray("/metrika/samvidra/stat.php") << QByteArray("=x") << 400;
        QTest::newRow("not UTF-8") << QByteArray("/metrika/samvidra/stat.php") << QByteArray("a=%ff%fe") << 400;
        QTest::newRow("not a form script") << QByteArray("/samvidra/index.php") << QByteArray("a=1") << 404;
    }

    void refusedFormsAreNotKept()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        const int before = int(storedPosts(database()).size());
        QCOMPARE(statusOf(rawRequest(server->port(), "POST", target, body)), status);
        QCOMPARE(int(storedPosts(database()).size()), before);
    }

    // Nothing outside the root is ever read, however the path is written.
    void pathsCannotLeaveTheRoot_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("dot dot") << QByteArray("/../secret.txt");
        QTest::newRow("deep dot dot") << QByteArray("/inside/../../secret.txt");
        QTest::newRow("encoded dots") << QByteArray("/%2e%2e/secret.txt");
        QTest::newRow("encoded slash") << QByteArray("/%2E%2E%2Fsecret.txt");
        QTest::newRow("backslash") << QByteArray("/..%5Csecret.txt");
        QTest::newRow("link to a file outside") << QByteArray("/link.txt");
        QTest::newRow("link to a folder outside") << QByteArray("/out/secret.txt");
        QTest::newRow("absolute") << QByteArray("//secret.txt");
    }

    void pathsCannotLeaveTheRoot()
    {
        QFETCH(QByteArray, target);
        QTemporaryDir outer;
        const QString root = outer.filePath(u"root"_s);
        QVERIFY(QDir().mkpath(root + u"/inside"_s));
        QFile secret(outer.filePath(u"secret.txt"_s));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("SECRET CONTENT");
        secret.close();
        QFile index(root + u"/index.html"_s);
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("<html lang=\"ru\">home</html>");
        index.close();
        QVERIFY(QFile::link(outer.filePath(u"secret.txt"_s), root + u"/link.txt"_s));
        QVERIFY(QFile::link(outer.path(), root + u"/out"_s));

        TestSiteServer local(outer.filePath(u"posts.db"_s), root);
        QVERIFY(local.running());
        const QByteArray answer = rawRequest(local.port(), "GET", target);
        QCOMPARE(statusOf(answer), 404);
        QVERIFY(!answer.contains("SECRET"));
        QCOMPARE(statusOf(rawRequest(local.port(), "GET", "/")), 200);
    }

    void secondServerOnABusyPortFails()
    {
        QProcess second;
        second.start(QStringLiteral(SITE_SERVER),
                     {u"--root"_s, QStringLiteral(SITE_CONTENT), u"--db"_s, folder.filePath(u"second.db"_s),
                      u"--port"_s, QString::number(server->port())});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(QString::fromUtf8(second.readAllStandardError()).contains(u"порт занят"_s));
    }

    void stopsCleanlyOnTerm()
    {
        TestSiteServer local(folder.filePath(u"term.db"_s));
        QVERIFY(local.running());
        local.process().terminate();
        QVERIFY(local.process().waitForFinished(10000));
        QCOMPARE(local.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(local.process().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSiteServer_)
#include "tst_site_server.moc"
