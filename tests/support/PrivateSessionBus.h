#pragma once

#include "TestHelpers.h"

#include <QProcess>

// A D-Bus session bus of the test's own (dbus-daemon), from which no service is ever started:
// what runs on it is what the test puts there. start() makes it the session bus of this
// process and of every process it starts.
class PrivateSessionBus
{
public:
    ~PrivateSessionBus() { StopProcess(m_daemon); }

    bool start()
    {
        // The session bus's rules without the folders of services to start on demand: a portal
        // installed on the machine must not answer in the test's place.
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=" PRIVATE_BUS_CONFIG),
                        QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted(5000))
            return false;
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) { }
        const QByteArray address = m_daemon.readLine().trimmed();
        if (address.isEmpty())
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        return true;
    }

private:
    QProcess m_daemon;
};
