#pragma once

#include "online/site_client.h"

#include <QEventLoop>
#include <QTimer>

// Runs the event loop until the request started by start has called back, at most timeoutMs.
template<typename Start>
SiteAnswer WaitForAnswer(Start start, int timeoutMs = 15000)
{
    SiteAnswer answer;
    answer.errorText = QStringLiteral("no answer in time");
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    start([&](const SiteAnswer &received) {
        answer = received;
        loop.quit();
    });
    loop.exec();
    return answer;
}
