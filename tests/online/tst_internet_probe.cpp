#include "online/internet_probe.h"

#include "support/site_server.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestInternetProbe : public QObject
{
    Q_OBJECT

private slots:
    void onlineWhenTheSiteAnswers()
    {
        QTemporaryDir folder;
        TestSiteServer server(folder.filePath(u"posts.db"_s));
        QVERIFY(server.running());
        qputenv("SAMVIDRA_SITE", server.root().toString().toUtf8());
        QVERIFY(HasInternet());
    }

    void offlineWhenNobodyListens()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        qputenv("SAMVIDRA_SITE", u"http://127.0.0.1:%1/"_s.arg(port).toUtf8());
        QVERIFY(!HasInternet());
    }

    void offlineWhenTheSiteStaysSilent()
    {
        QTcpServer silent; // accepts and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        qputenv("SAMVIDRA_SITE", u"http://127.0.0.1:%1/"_s.arg(silent.serverPort()).toUtf8());
        QVERIFY(!HasInternet());
    }
};

QTEST_GUILESS_MAIN(TestInternetProbe)
#include "tst_internet_probe.moc"
