#include "PrivateSessionBus.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// The session bus's own rules, without the folders of services to start on demand: a portal
// installed on the machine must not answer in the test's place.
constexpr char BusConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

PrivateSessionBus::PrivateSessionBus() = default;

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000)) {
            m_daemon.kill();
            m_daemon.waitForFinished();
        }
    }
}

bool PrivateSessionBus::start()
{
    QFile config(m_dir.filePath(u"session.conf"_s));
    if (!config.open(QIODevice::WriteOnly) || config.write(BusConfig) < 0)
        return false;
    config.close();
    m_daemon.start(u"dbus-daemon"_s,
                   {u"--config-file="_s + config.fileName(), u"--nofork"_s, u"--print-address"_s});
    if (!m_daemon.waitForStarted(5000))
        return false;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) { }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty())
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
    return true;
}
