#pragma once

#include "ColorPicker.h"

#include <QPointer>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// Takes a colour through the desktop portal's colour picker (PickColor of
// org.freedesktop.portal.Screenshot): the desktop lets the user click any pixel and hands its
// colour back. The sanctioned way on Wayland. Nothing here waits: the answer comes as a
// Response signal on the request object the call names.
class PortalColorPicker : public ColorPicker
{
    Q_OBJECT

public:
    using ColorPicker::ColorPicker;
    ~PortalColorPicker() override;

    // Whether a portal runs, or can be started, on the session bus.
    static bool isPortalOnBus();

    void pick(CaptureHost &host, int target) override;
    QString description() const override;

private Q_SLOTS:
    void handleResponse(uint response, const QVariantMap &results);

private:
    void handleCallFinished(QDBusPendingCallWatcher *call);
    void listenTo(const QString &requestPath);
    void stopListening();

    CaptureHost *m_host = nullptr;
    QPointer<QWidget> m_main; // the host's window, while it lives
    int m_target = -1;
    QPointer<QDBusPendingCallWatcher> m_call; // of the last pick
    QString m_requestPath; // whose Response is awaited
    int m_requests = 0;
};
