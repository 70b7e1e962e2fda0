#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QList>
#include <QObject>
#include <QVariantMap>

#include <optional>

// A stand-in for the desktop portal's colour picker on a test's bus. It owns
// org.freedesktop.portal.Desktop and takes PickColor on /org/freedesktop/portal/desktop with
// the portal's interface and signature, records each call, and answers on the request object
// the portal would use: with `answer`, or never while that is empty.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    struct Answer
    {
        uint response = 0; // 0 success, 1 cancelled, 2 ended otherwise
        double red = 0, green = 0, blue = 0;
    };
    struct Call
    {
        QString parentWindow;
        QString token;
    };

    FakePortal();
    ~FakePortal() override;

    // Connects to the session bus and takes the portal's name.
    bool start();

    std::optional<Answer> answer;
    QList<Call> calls;
    int responses = 0; // sent

    // Returns once the program has handled every answer sent so far: a round trip to the
    // portal comes back after them.
    static void waitForAnswersHandled();

public Q_SLOTS:
    QDBusObjectPath PickColor(const QString &parent_window, const QVariantMap &options);

private:
    void respond(const QString &requestPath, const Answer &answer);

    QDBusConnection m_bus;
};
