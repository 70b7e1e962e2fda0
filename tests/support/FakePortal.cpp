#include "FakePortal.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString ConnectionName = u"fake-portal"_s;
const QString PortalPath = u"/org/freedesktop/portal/desktop"_s;

} // namespace

FakePortal::FakePortal()
    : m_bus(u""_s)
{
}

FakePortal::~FakePortal()
{
    if (m_bus.isConnected()) {
        m_bus.unregisterService(u"org.freedesktop.portal.Desktop"_s);
        m_bus.unregisterObject(PortalPath);
        QDBusConnection::disconnectFromBus(ConnectionName);
    }
}

bool FakePortal::start()
{
    m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, ConnectionName);
    return m_bus.registerObject(PortalPath, this, QDBusConnection::ExportAllSlots)
        && m_bus.registerService(u"org.freedesktop.portal.Desktop"_s);
}

QDBusObjectPath FakePortal::PickColor(const QString &parent_window, const QVariantMap &options)
{
    // The portal's request path: the caller's unique name without ":" and with "_" for ".".
    QString sender = message().service().mid(1);
    sender.replace(u'.', u'_');
    const QString token = options.value(u"handle_token"_s).toString();
    const QString path = PortalPath + u"/request/"_s + sender + u'/' + token;
    calls.append({parent_window, token});
    // The answer comes after the reply, as the user's pick would.
    if (answer) {
        QTimer::singleShot(0, this, [this, path, picked = *answer] { respond(path, picked); });
    }
    return QDBusObjectPath(path);
}

void FakePortal::respond(const QString &requestPath, const Answer &picked)
{
    QDBusArgument color;
    color.beginStructure();
    color << picked.red << picked.green << picked.blue;
    color.endStructure();
    QDBusMessage response = QDBusMessage::createSignal(
        requestPath, u"org.freedesktop.portal.Request"_s, u"Response"_s);
    response << picked.response << QVariantMap{{u"color"_s, QVariant::fromValue(color)}};
    m_bus.send(response);
    ++responses;
}

void FakePortal::waitForAnswersHandled()
{
    QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        u"org.freedesktop.portal.Desktop"_s, u"/"_s, u"org.freedesktop.DBus.Peer"_s, u"Ping"_s));
    // The answers were queued for this thread before the reply came.
    QCoreApplication::sendPostedEvents();
}
