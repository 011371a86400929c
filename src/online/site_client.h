#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// What a request to the site came to. The callers tell these apart: the feedback form reports a
// network failure but counts an error page as sent; the probe and the updater take both as "no".
struct SiteAnswer
{
    enum Outcome {
        Success,      // the site answered with a page
        HttpError,    // the site answered with an error status (404, 500, ...)
        NetworkError, // no answer: refused, unreachable, timed out
    };
    Outcome outcome = NetworkError;
    int status = 0;      // the HTTP status, when there was an answer
    QByteArray body;     // the page (not kept by downloads)
    QString errorText;   // what went wrong, for the learner
    QUrl finalUrl;       // where the redirects led
};

using FormFields = QList<QPair<QString, QString>>;

// Requests to the maker's web site over HTTP, on Qt Network. Redirects are followed; a request
// whose connection stays silent for the time-out gives up with a network error. Each request calls
// its done function once, on the thread of the client.
class SiteClient : public QObject
{
public:
    explicit SiteClient(QObject *parent = nullptr);

    void get(const QUrl &url, int timeoutMs, std::function<void(const SiteAnswer &)> done);

    // Downloads into a file, which appears only once the whole of it has arrived. started is
    // called once with the expected size (-1 when the site does not say), progress with the
    // bytes received so far.
    void download(const QUrl &url, const QString &file, int timeoutMs,
                  std::function<void(qint64 expected)> started,
                  std::function<void(qint64 received)> progress,
                  std::function<void(const SiteAnswer &)> done);

    // Posts the fields, URL-encoded, in the given order.
    void postForm(const QUrl &url, const FormFields &fields, int timeoutMs,
                  std::function<void(const SiteAnswer &)> done);

    // The body of a form post: name=value pairs joined by "&", each part percent-encoded.
    static QByteArray EncodeForm(const FormFields &fields);

private:
    QNetworkAccessManager *m_network;
};
