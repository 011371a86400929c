#pragma once

#include <QObject>

class SiteClient;

// Whether the maker's site can be reached: a GET of its root with a connect time-out of 2.5 s,
// judged 2.6 s after it started, whatever the answer's speed. Online means status 200 by then.
class InternetProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr int WaitMs = 2500;
    static constexpr int VerdictMs = WaitMs + 100;

    explicit InternetProbe(QObject *parent = nullptr);

    // Starts a probe; finished() follows after VerdictMs.
    void start();

signals:
    void finished(bool online);

private:
    SiteClient *m_client;
    bool m_online = false;
    int m_round = 0;
};

// Runs a probe and returns its verdict, keeping the window responsive meanwhile: other event
// handlers may run during the wait. False at once while the program is ending.
bool HasInternet();
