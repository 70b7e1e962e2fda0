#include "capture/CaptureState.h"
#include "capture/CaptureWindow.h"
#include "support/MainWindowFixture.h"
#include "support/ProgramProcess.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Another X client: a window of one colour that holds the keyboard focus and reports the keys
// it gets, optionally with F6 grabbed for itself.
class OtherClient
{
public:
    ~OtherClient()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }

    // Returns its window id once the window is mapped and has the focus.
    QString start(QRect at, const QString &color, const QStringList &options = {})
    {
        m_process.start(QStringLiteral(X11_TEST_CLIENT),
                        QStringList{QString::number(at.x()), QString::number(at.y()),
                                    QString::number(at.width()), QString::number(at.height()),
                                    color}
                            + options);
        const QString line = m_process.waitForReadyRead(5000)
            ? QString::fromLatin1(m_process.readLine()).trimmed()
            : QString();
        return line.startsWith(u"ready "_s) ? line.mid(6) : QString();
    }

    QStringList keys()
    {
        m_process.waitForReadyRead(50);
        m_keys += QString::fromLatin1(m_process.readAll()).split(u'\n', Qt::SkipEmptyParts);
        return m_keys;
    }

private:
    QProcess m_process;
    QStringList m_keys;
};

void key(const QString &name)
{
    ProgramProcess::xdotool({u"key"_s, name});
}

void movePointer(QPoint to)
{
    ProgramProcess::xdotool({u"mousemove"_s, QString::number(to.x()), QString::number(to.y())});
}

} // namespace

// The capture window on a real X server, F6 typed at the server like a user would.
class TestCaptureOnX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void f6CapturesWhileAnotherClientHasTheFocus();
    void f6HeldByAnotherClientLeavesCancel();
    void closingTheMainWindowReleasesF6();

private:
    MainWindow *main() const { return m_fixture->window.get(); }
    CaptureWindow *openCapture(int index);

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestCaptureOnX11::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
}

void TestCaptureOnX11::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<CaptureWindow *>(window))
            delete window;
    }
    m_fixture.reset();
}

CaptureWindow *TestCaptureOnX11::openCapture(int index)
{
    main()->findChild<QPushButton *>(u"cmdCC"_s + QString::number(index))->click();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *capture = qobject_cast<CaptureWindow *>(window); capture && capture->isVisible())
            return QTest::qWaitForWindowExposed(capture) ? capture : nullptr;
    }
    return nullptr;
}

void TestCaptureOnX11::f6CapturesWhileAnotherClientHasTheFocus()
{
    struct Capture
    {
        int target;
        QRect client;
        QString color;
        QString lockKey; // held on while F6 is pressed
    };
    // The second capture, from another row, goes to that row's box with Caps Lock on.
    const Capture captures[] = {
        {0, QRect(1000, 60, 200, 200), u"FF8000"_s, QString()},
        {6, QRect(1000, 400, 200, 200), u"2040C0"_s, u"Caps_Lock"_s},
    };
    for (const Capture &step : captures) {
        QPointer<CaptureWindow> capture = openCapture(step.target);
        QVERIFY(capture);
        OtherClient other;
        const QString otherWindow = other.start(step.client, step.color);
        QVERIFY2(!otherWindow.isEmpty(), "the other client did not start");
        QCOMPARE(ProgramProcess::xdotool({u"getwindowfocus"_s}), otherWindow);
        movePointer(step.client.center());
        const QString expected = u'#' + step.color;
        QTRY_COMPARE(CapturedColor, expected);

        if (!step.lockKey.isEmpty())
            key(step.lockKey);
        key(u"F6"_s);
        if (!step.lockKey.isEmpty())
            key(step.lockKey);

        QTRY_VERIFY(!capture);
        EntryBox *box = main()->entryBox(step.target);
        QCOMPARE(box->text(), expected);
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), expected);
        QCOMPARE(main()->windowState(), Qt::WindowNoState);
        QVERIFY(main()->isEnabled());
        QVERIFY(!other.keys().contains(u"key F6"_s));
    }
    QCOMPARE(main()->entryBox(0)->text(), u"#FF8000"_s);
}

void TestCaptureOnX11::f6HeldByAnotherClientLeavesCancel()
{
    OtherClient other;
    const QRect client(1000, 60, 200, 200);
    QVERIFY(!other.start(client, u"FF8000"_s, {u"--grab-f6"_s}).isEmpty());
    movePointer(client.center());
    const QString before = main()->entryBox(2)->text();

    QPointer<CaptureWindow> capture = openCapture(2);
    QVERIFY(capture);
    QTRY_COMPARE(CapturedColor, u"#FF8000"_s);
    key(u"F6"_s);
    QTRY_COMPARE(other.keys(), QStringList{u"key F6"_s});
    QVERIFY(capture);
    QCOMPARE(main()->entryBox(2)->text(), before);

    capture->findChild<QPushButton *>(u"Command1"_s)->click();
    QTRY_VERIFY(!capture);
    QCOMPARE(main()->entryBox(2)->text(), before);
    QCOMPARE(main()->windowState(), Qt::WindowNoState);
    QVERIFY(main()->isEnabled());
}

void TestCaptureOnX11::closingTheMainWindowReleasesF6()
{
    QPointer<CaptureWindow> capture = openCapture(1);
    QVERIFY(capture);
    QVERIFY(main()->close());
    QTRY_VERIFY(!capture);

    OtherClient other;
    QVERIFY(!other.start(QRect(1000, 60, 200, 200), u"FF8000"_s).isEmpty());
    key(u"F6"_s);
    QTRY_COMPARE(other.keys(), QStringList{u"key F6"_s});
}

BARWRIGHT_TEST_MAIN(TestCaptureOnX11)
#include "tst_CaptureOnX11.moc"
