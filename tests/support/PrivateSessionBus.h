#pragma once

#include <QProcess>
#include <QString>

// A D-Bus session bus of the test's own (dbus-daemon), from which no service is ever started:
// what runs on it is what the test puts there. start() makes it the session bus of this
// process and of every process it starts.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();

    bool start();
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
