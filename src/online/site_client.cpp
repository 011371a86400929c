#include "online/site_client.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QNetworkRequest requestFor(const QUrl &url, int timeoutMs)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(timeoutMs);
    return request;
}

SiteAnswer answerOf(QNetworkReply *reply)
{
    SiteAnswer answer;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    answer.status = status.isValid() ? status.toInt() : 0;
    answer.finalUrl = reply->url();
    if (reply->error() == QNetworkReply::NoError) {
        answer.outcome = SiteAnswer::Success;
    } else if (answer.status >= 400) {
        answer.outcome = SiteAnswer::HttpError;
        answer.errorText = u"сайт ответил ошибкой %1"_s.arg(answer.status);
    } else {
        answer.outcome = SiteAnswer::NetworkError;
        answer.errorText = reply->errorString();
    }
    return answer;
}

} // namespace

SiteClient::SiteClient(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{
}

void SiteClient::get(const QUrl &url, int timeoutMs, std::function<void(const SiteAnswer &)> done)
{
    QNetworkReply *reply = m_network->get(requestFor(url, timeoutMs));
    connect(reply, &QNetworkReply::finished, this, [reply, done] {
        SiteAnswer answer = answerOf(reply);
        answer.body = reply->readAll();
        reply->deleteLater();
        done(answer);
    });
}

void SiteClient::download(const QUrl &url, const QString &file, int timeoutMs,
                          std::function<void(qint64 expected)> started,
                          std::function<void(qint64 received)> progress,
                          std::function<void(const SiteAnswer &)> done)
{
    auto target = std::make_shared<QSaveFile>(file);
    QNetworkReply *reply = m_network->get(requestFor(url, timeoutMs));
    if (!target->open(QIODevice::WriteOnly)) {
        const QString problem = target->errorString();
        reply->abort();
        reply->deleteLater();
        SiteAnswer answer;
        answer.errorText = u"не удалось создать файл «%1»: %2"_s.arg(file, problem);
        done(answer);
        return;
    }
    auto announced = std::make_shared<bool>(false);
    const auto announce = [reply, announced, started] {
        if (*announced)
            return;
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // The headers of a redirect say nothing about the file.
        if (status >= 300 && status < 400)
            return;
        *announced = true;
        started(length.isValid() ? length.toLongLong() : -1);
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, announce);
    connect(reply, &QNetworkReply::readyRead, this, [reply, target, announce, progress] {
        announce();
        target->write(reply->readAll());
        progress(target->pos());
    });
    connect(reply, &QNetworkReply::finished, this, [reply, target, done] {
        SiteAnswer answer = answerOf(reply);
        if (answer.outcome == SiteAnswer::Success) {
            target->write(reply->readAll());
            if (!target->commit()) {
                answer.outcome = SiteAnswer::NetworkError;
                answer.errorText = u"не удалось записать файл: %1"_s.arg(target->errorString());
            }
        } else {
            target->cancelWriting();
            target->commit();
        }
        reply->deleteLater();
        done(answer);
    });
}

QByteArray SiteClient::EncodeForm(const FormFields &fields)
{
    QByteArrayList pairs;
    for (const auto &[name, value] : fields)
        pairs.append(QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value));
    return pairs.join('&');
}

void SiteClient::postForm(const QUrl &url, const FormFields &fields, int timeoutMs,
                          std::function<void(const SiteAnswer &)> done)
{
    QNetworkRequest request = requestFor(url, timeoutMs);
    request.setHeader(QNetworkRequest::ContentTypeHeader, u"application/x-www-form-urlencoded"_s);
    QNetworkReply *reply = m_network->post(request, EncodeForm(fields));
    connect(reply, &QNetworkReply::finished, this, [reply, done] {
        SiteAnswer answer = answerOf(reply);
        answer.body = reply->readAll();
        reply->deleteLater();
        done(answer);
    });
}
