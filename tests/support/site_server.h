#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QUrl>

// The site server of the project, started on a free loopback port for one test and stopped
// after it.
class TestSiteServer
{
public:
    // Serves the folder, keeping the forms in the file; the site's own content by default.
    explicit TestSiteServer(const QString &database, const QString &root = QStringLiteral(SITE_CONTENT))
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(SITE_SERVER),
                        {QStringLiteral("--root"), root, QStringLiteral("--db"), database,
                         QStringLiteral("--port"), QStringLiteral("0")});
        if (!m_process.waitForStarted(10000))
            return;
        const QRegularExpression listening(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)/"));
        QString said;
        while (m_process.waitForReadyRead(10000)) {
            said += QString::fromUtf8(m_process.readAllStandardOutput());
            if (const QRegularExpressionMatch match = listening.match(said); match.hasMatch()) {
                m_port = match.captured(1).toInt();
                return;
            }
        }
    }

    ~TestSiteServer()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(10000);
        }
    }

    bool running() const { return m_port > 0; }
    int port() const { return m_port; }
    QUrl root() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port)); }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    int m_port = 0;
};
