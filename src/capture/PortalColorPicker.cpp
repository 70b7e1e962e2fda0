#include "PortalColorPicker.h"

#include "CaptureHost.h"
#include "CaptureState.h"
#include "color/ColorValues.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QWidget>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString PortalService = u"org.freedesktop.portal.Desktop"_s;
const QString PortalPath = u"/org/freedesktop/portal/desktop"_s;
const QString ScreenshotInterface = u"org.freedesktop.portal.Screenshot"_s;
const QString RequestInterface = u"org.freedesktop.portal.Request"_s;
constexpr uint ResponseSuccess = 0;

// The portal names a request's object after the caller's unique name and the token.
QString requestPath(const QString &uniqueName, const QString &token)
{
    QString sender = uniqueName.mid(1);
    sender.replace(u'.', u'_');
    return PortalPath + u"/request/"_s + sender + u'/' + token;
}

// Only an X11 window has an identifier the portal takes without further protocol.
QString parentWindow(const QWidget &window)
{
    if (QGuiApplication::platformName() == u"xcb"_s)
        return u"x11:"_s + QString::number(window.winId(), 16);
    return {};
}

int channel(double value)
{
    return value > 0 ? qRound(qMin(value, 1.0) * 255) : 0;
}

// The "color" result: red, green and blue, each from 0 to 1.
std::optional<QColor> pickedColor(const QVariant &value)
{
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != u"(ddd)"_s)
        return std::nullopt;
    double red = 0, green = 0, blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    return QColor(channel(red), channel(green), channel(blue));
}

} // namespace

PortalColorPicker::~PortalColorPicker()
{
    stopListening();
}

bool PortalColorPicker::isPortalOnBus()
{
    // Without an address, asking for the bus could start one.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return false;
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus
        && (bus->isServiceRegistered(PortalService).value()
            || bus->activatableServiceNames().value().contains(PortalService));
}

QString PortalColorPicker::description() const
{
    return tr("Opens the desktop's color picker: click any point of the screen to take its "
              "color.");
}

void PortalColorPicker::pick(CaptureHost &host, int target)
{
    // A new pick replaces one the user left unanswered; its picker closes if still up.
    if (!m_requestPath.isEmpty()) {
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            PortalService, m_requestPath, RequestInterface, u"Close"_s));
    }
    stopListening();
    m_host = &host;
    m_main = &host.hostWidget();
    m_target = target;

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        tellPortalMissing(host);
        return;
    }
    const QString token = u"barwright%1"_s.arg(++m_requests);
    // Listening first, so an answer that comes at once is not missed.
    listenTo(requestPath(bus.baseService(), token));
    QDBusMessage call = QDBusMessage::createMethodCall(PortalService, PortalPath,
                                                       ScreenshotInterface, u"PickColor"_s);
    call << parentWindow(host.hostWidget()) << QVariantMap{{u"handle_token"_s, token}};
    m_call = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(m_call, &QDBusPendingCallWatcher::finished, this,
            &PortalColorPicker::handleCallFinished);
}

void PortalColorPicker::handleCallFinished(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    if (call != m_call)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        // No portal on the bus, or one without a colour picker.
        stopListening();
        if (m_main)
            tellPortalMissing(*m_host);
        return;
    }
    // Portals before version 0.9 chose the request's path themselves.
    const QString path = reply.value().path();
    if (path != m_requestPath) {
        stopListening();
        listenTo(path);
    }
}

void PortalColorPicker::listenTo(const QString &requestPath)
{
    m_requestPath = requestPath;
    QDBusConnection::sessionBus().connect(PortalService, m_requestPath, RequestInterface,
                                          u"Response"_s, this,
                                          SLOT(handleResponse(uint, QVariantMap)));
}

void PortalColorPicker::stopListening()
{
    if (m_requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(PortalService, m_requestPath, RequestInterface,
                                             u"Response"_s, this,
                                             SLOT(handleResponse(uint, QVariantMap)));
    m_requestPath.clear();
}

void PortalColorPicker::handleResponse(uint response, const QVariantMap &results)
{
    stopListening();
    // Cancelled (1) or ended some other way (2): nothing changes.
    if (response != ResponseSuccess || !m_main)
        return;
    const std::optional<QColor> color = pickedColor(results.value(u"color"_s));
    if (!color)
        return;
    CapturedColor = ColorToHex(NumberFromColor(*color));
    m_host->putCapturedColor(m_target, CapturedColor);
}
