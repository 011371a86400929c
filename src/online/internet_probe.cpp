#include "online/internet_probe.h"

#include "online/site_addresses.h"
#include "online/site_client.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

InternetProbe::InternetProbe(QObject *parent)
    : QObject(parent), m_client(new SiteClient(this))
{
}

void InternetProbe::start()
{
    const int round = ++m_round;
    m_online = false;
    m_client->get(SiteAddresses::InternetProbe(), WaitMs, [this, round](const SiteAnswer &answer) {
        // An answer after the verdict, or for an earlier probe, changes nothing.
        if (round == m_round && answer.outcome == SiteAnswer::Success && answer.status == 200)
            m_online = true;
    });
    QTimer::singleShot(VerdictMs, this, [this, round] {
        if (round != m_round)
            return;
        const bool online = m_online;
        ++m_round;
        emit finished(online);
    });
}

bool HasInternet()
{
    if (QCoreApplication::closingDown())
        return false;
    InternetProbe probe;
    QEventLoop loop;
    bool online = false;
    QObject::connect(&probe, &InternetProbe::finished, &loop, [&](bool result) {
        online = result;
        loop.quit();
    });
    probe.start();
    loop.exec();
    return online;
}
