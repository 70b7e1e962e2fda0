#include "PrivateSessionBus.h"

#include "TestHelpers.h"

using namespace Qt::StringLiterals;

PrivateSessionBus::PrivateSessionBus() = default;

PrivateSessionBus::~PrivateSessionBus()
{
    StopProcess(m_daemon);
}

bool PrivateSessionBus::start()
{
    // The session bus's rules without the folders of services to start on demand: a portal
    // installed on the machine must not answer in the test's place.
    m_daemon.start(u"dbus-daemon"_s,
                   {u"--config-file="_s + QStringLiteral(PRIVATE_BUS_CONFIG), u"--nofork"_s,
                    u"--print-address"_s});
    if (!m_daemon.waitForStarted(5000))
        return false;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) { }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty())
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
    return true;
}
