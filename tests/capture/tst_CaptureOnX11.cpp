#include "capture/CaptureState.h"
#include "support/CaptureTest.h"
#include "support/ProgramProcess.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"

using namespace Qt::StringLiterals;

namespace {

// Another X client: a window of one colour that holds the keyboard focus and reports the keys
// it gets.
class OtherClient
{
public:
    ~OtherClient() { StopProcess(m_process); }

    // Returns its window id once the window is mapped and has the focus.
    QString start(QRect at, const QString &color)
    {
        m_process.start(QStringLiteral(X11_TEST_CLIENT),
                        {QString::number(at.x()), QString::number(at.y()),
                         QString::number(at.width()), QString::number(at.height()), color});
        const QString line = m_process.waitForReadyRead(5000)
            ? QString::fromLatin1(m_process.readLine()).trimmed()
            : QString();
        ProgramProcess::xdotool(
            {u"mousemove"_s, QString::number(at.center().x()), QString::number(at.center().y())});
        return line.startsWith(u"ready "_s) ? line.mid(6) : QString();
    }

    QStringList keys()
    {
        m_keys += QString::fromLatin1(m_process.readAll()).split(u'\n', Qt::SkipEmptyParts);
        return m_keys;
    }

    static void key(const QString &names)
    {
        ProgramProcess::xdotool(QStringList{u"key"_s} + names.split(u' '));
    }

private:
    QProcess m_process;
    QStringList m_keys;
};

} // namespace

// The capture window on a real X server, F6 typed at the server like a user would.
class TestCaptureOnX11 : public CaptureTest
{
    Q_OBJECT

private Q_SLOTS:
    void f6CapturesWhileAnotherClientHasTheFocus()
    {
        // The second capture, from another row, with Caps Lock on meanwhile.
        const std::tuple<int, QString, QString> captures[]
            = {{0, u"FF8000"_s, u"F6 F7"_s}, {6, u"2040C0"_s, u"Caps_Lock F6 F7 Caps_Lock"_s}};
        for (const auto &[target, color, keys] : captures) {
            QPointer<CaptureWindow> capture = openCapture(target);
            QVERIFY(capture);
            OtherClient other;
            const QString otherWindow
                = other.start(QRect(1000, 60 + 300 * target / 6, 200, 200), color);
            QVERIFY2(!otherWindow.isEmpty(), "the other client did not start");
            QCOMPARE(ProgramProcess::xdotool({u"getwindowfocus"_s}), otherWindow);
            const QString expected = u'#' + color;
            QTRY_COMPARE(CapturedColor, expected);

            // F7 follows F6 before this process can answer: the client, which still has the
            // focus, gets it, and would have got F6 before it.
            OtherClient::key(keys);
            QTRY_VERIFY(other.keys().contains(u"key F7"_s));
            QVERIFY(!other.keys().contains(u"key F6"_s));
            QTRY_VERIFY(!capture);
            QCOMPARE(box(target)->text(), expected);
            verifyMainWindowBack();
            // Closed, the capture window gives F6 back to the other programs.
            ProgramProcess::xdotool({u"windowfocus"_s, u"--sync"_s, otherWindow});
            OtherClient::key(u"F6"_s);
            QTRY_VERIFY(other.keys().contains(u"key F6"_s));
        }
        QCOMPARE(box(0)->text(), u"#FF8000"_s);
    }
};

BARWRIGHT_TEST_MAIN(TestCaptureOnX11)
#include "tst_CaptureOnX11.moc"
