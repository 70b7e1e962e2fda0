#include "scheme/ElementTable.h"
#include "support/FakePortal.h"
#include "support/PrivateSessionBus.h"
#include "support/ProgramProcess.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

#include <QDBusConnectionInterface>
#include <QFile>

using namespace Qt::StringLiterals;

// The real program on a real Wayland compositor (Weston without a screen), read and driven
// through AT-SPI as a screen reader does, on a private session bus with a stand-in portal.
class TestWaylandScreenReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        QVERIFY(m_portal.start());
        m_portal.answer = FakePortal::Answer{0, 0.2, 0.4, 0.6};

        m_accessibilityBus.start(u"/usr/libexec/at-spi-bus-launcher"_s,
                                 {u"--launch-immediately"_s});
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered(u"org.a11y.Bus"_s),
            10000);

        const QString socket = u"barwright-test"_s;
        qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toLocal8Bit());
        m_weston.start(
            u"weston"_s,
            {u"--backend=headless-backend.so"_s, u"--socket="_s + socket, u"--idle-time=0"_s});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_runtimeDir.filePath(socket)), 10000);

        QVERIFY(m_program.start({u"QT_QPA_PLATFORM=wayland"_s, u"WAYLAND_DISPLAY="_s + socket,
                                 u"DISPLAY="_s, u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"_s}));
    }

    void cleanupTestCase()
    {
        StopProcess(m_program.process());
        StopProcess(m_weston);
        StopProcess(m_accessibilityBus);
    }

    void colorRowsAreNamed()
    {
        const QStringList items = screenReader({u"items"_s}).split(u'\n');
        QStringList names;
        for (const SchemeElement &element : SchemeElements)
            names << QString::fromUtf16(element.name);
        names << QString::fromUtf16(BaseColorName);
        for (const QString &name : names) {
            QVERIFY2(items.contains(u"text\t"_s + name), qPrintable(name));
            QVERIFY(items.contains(u"push button\tChoose "_s + name));
            QVERIFY(items.contains(u"push button\tTake "_s + name + u" from the screen"_s));
        }
        QVERIFY(items.contains(u"image\tScrollbar example"_s));
        QVERIFY(items.contains(u"link\tWeb site templates"_s));
        // Only the frame itself is called after its title.
        QCOMPARE(items.filter(u"\tColors:"_s).size(), 1);
    }

    void captureGoesThroughThePortal()
    {
        QCOMPARE(screenReader({u"press"_s, u"Take Face Color from the screen"_s}), QString());
        QTRY_COMPARE_WITH_TIMEOUT(m_portal.calls.size(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(screenReader({u"text"_s, u"Face Color"_s}), u"#336699"_s, 20000);
    }

private:
    static QString screenReader(const QStringList &arguments)
    {
        QProcess reader;
        reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        reader.start(u"/usr/bin/python3"_s,
                     QStringList{QStringLiteral(SCREEN_READER_SCRIPT)} + arguments);
        if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
            return u"failed"_s;
        return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
    }

    QTemporaryDir m_runtimeDir;
    PrivateSessionBus m_bus;
    FakePortal m_portal;
    QProcess m_accessibilityBus;
    QProcess m_weston;
    ProgramProcess m_program;
};

BARWRIGHT_TEST_MAIN(TestWaylandScreenReader)
#include "tst_WaylandScreenReader.moc"
