#include "online/page_opener.h"
#include "online/site_addresses.h"
#include "online/site_client.h"

#include "support/site_server.h"
#include "support/wait_for.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QList<QUrl> openedPages;

bool notePage(const QUrl &url)
{
    openedPages.append(url);
    return true;
}

// A loopback port on which nothing listens.
int closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace

class TestSiteClient : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<TestSiteServer> server;

private slots:
    void initTestCase()
    {
        server = std::make_unique<TestSiteServer>(folder.filePath(u"posts.db"_s));
        QVERIFY(server->running());
        qputenv("SAMVIDRA_SITE", server->root().toString().toUtf8());
    }

    void cleanupTestCase() { server.reset(); }

    void addressesAreBuiltOnTheRoot()
    {
        qputenv("SAMVIDRA_SITE", "http://example.test:9000/site");
        QCOMPARE(SiteAddresses::VersionFile().toString(), u"http://example.test:9000/site/samvidra/download/version.txt"_s);
        QCOMPARE(SiteAddresses::LessonPage(u"alpha_dev"_s, 3).toString(),
                 u"http://example.test:9000/site/samvidra/kursi/alpha_dev/3.php"_s);
        QCOMPARE(SiteAddresses::BhagavatamVolumePage(u"10.4"_s).path(), u"/site/samvidra/spravka/knigi/bbt/sb/10.4.php"_s);
        qunsetenv("SAMVIDRA_SITE");
        QCOMPARE(SiteAddresses::InternetProbe().toString(), u"http://127.0.0.1:8642/"_s);
        QCOMPARE(SiteAddresses::DonationsPageFromClosing().toString(),
                 u"http://127.0.0.1:8642/samvidra/donations/?utm_source=software&utm_medium=users"
                 "&utm_campaign=software-remarketing&utm_content=button-donate"_s);
        qputenv("SAMVIDRA_SITE", server->root().toString().toUtf8());
    }

    void followsRedirects()
    {
        SiteClient client;
        const SiteAnswer answer = WaitForAnswer([&](auto done) { client.get(SiteAddresses::ReviewsPage(), 5000, done); });
        QCOMPARE(answer.outcome, SiteAnswer::Success);
        QCOMPARE(answer.status, 200);
        QCOMPARE(answer.finalUrl.path(), u"/samvidra/reviews/"_s);
        QVERIFY(answer.body.contains("Отзывы"));
    }

    // A refused connection, a silent one and an error page are three different answers.
    void tellsFailuresApart()
    {
        SiteClient client;
        const SiteAnswer missing = WaitForAnswer([&](auto done) {
            client.get(server->root().resolved(QUrl(u"samvidra/no-such-page.php"_s)), 5000, done);
        });
        QCOMPARE(missing.outcome, SiteAnswer::HttpError);
        QCOMPARE(missing.status, 404);

        const QUrl refusedUrl(u"http://127.0.0.1:%1/"_s.arg(closedPort()));
        const SiteAnswer refused = WaitForAnswer([&](auto done) { client.get(refusedUrl, 5000, done); });
        QCOMPARE(refused.outcome, SiteAnswer::NetworkError);
        QCOMPARE(refused.status, 0);

        QTcpServer silent; // accepts, then never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        const QUrl silentUrl(u"http://127.0.0.1:%1/"_s.arg(silent.serverPort()));
        const SiteAnswer timedOut = WaitForAnswer([&](auto done) { client.get(silentUrl, 300, done); });
        QCOMPARE(timedOut.outcome, SiteAnswer::NetworkError);
    }

    void downloadReportsProgress()
    {
        SiteClient client;
        const QString file = folder.filePath(u"package"_s);
        QFile original(QStringLiteral(SITE_CONTENT) + u"/samvidra/download/samvidra-1.3.8"_s);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray expected = original.readAll();

        QList<qint64> events; // the expected size first, then bytes received, as -(size+1) and n
        const SiteAnswer answer = WaitForAnswer([&](auto done) {
            client.download(SiteAddresses::UpdatePackage(u"samvidra-1.3.8"_s), file, 5000,
                            [&](qint64 size) { events.append(-(size + 1)); },
                            [&](qint64 received) { events.append(received); }, done);
        });
        QCOMPARE(answer.outcome, SiteAnswer::Success);
        QVERIFY(events.size() >= 2);
        QCOMPARE(events.front(), -(qint64(expected.size()) + 1));
        QCOMPARE(events.back(), qint64(expected.size()));
        QCOMPARE(events.count(events.front()), 1);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), expected);
    }

    void failedDownloadLeavesNoFile()
    {
        SiteClient client;
        const QString file = folder.filePath(u"missing"_s);
        const SiteAnswer answer = WaitForAnswer([&](auto done) {
            client.download(SiteAddresses::UpdatePackage(u"no-such-package"_s), file, 5000,
                            [](qint64) {}, [](qint64) {}, done);
        });
        QCOMPARE(answer.outcome, SiteAnswer::HttpError);
        QVERIFY(!QFile::exists(file));
    }

    void formFieldsKeepTheirOrderAndText()
    {
        QCOMPARE(SiteClient::EncodeForm({{u"b"_s, u"1 + 1"_s}, {u"a"_s, u"&=%"_s}, {u"имя"_s, u"Вера"_s}}),
                 QByteArray("b=1%20%2B%201&a=%26%3D%25&%D0%B8%D0%BC%D1%8F=%D0%92%D0%B5%D1%80%D0%B0"));
        SiteClient client;
        const SiteAnswer answer = WaitForAnswer([&](auto done) {
            client.postForm(SiteAddresses::UsageReportScript(), {{u"f01"_s, u"12"_s}, {u"f02"_s, u"0"_s}}, 5000, done);
        });
        QCOMPARE(answer.outcome, SiteAnswer::Success);
        QVERIFY(answer.body.contains("получено"));
    }

    void pagesOpenThroughTheInstalledOpener()
    {
        QVERIFY(!OpenSitePage(SiteAddresses::CatalogPage()));
        SetPageOpener(notePage);
        QVERIFY(OpenSitePage(SiteAddresses::CatalogPage()));
        QCOMPARE(openedPages, QList<QUrl>{SiteAddresses::CatalogPage()});
        SetPageOpener(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSiteClient)
#include "tst_site_client.moc"
