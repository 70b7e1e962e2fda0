#include "support/ProgramProcess.h"
#include "support/TestMain.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Two runs of the real program: the first saves a scheme through the real file dialog, the
// second loads it, and its boxes and diagram show it.
class TestSchemeRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedInOneRunLoadedInTheNext();

private:
    static void keys(const QString &window, const QString &sequence)
    {
        ProgramProcess::xdotool({u"windowfocus"_s, u"--sync"_s, window});
        for (const QString &key : sequence.split(u' '))
            ProgramProcess::xdotool({u"key"_s, u"--delay"_s, u"30"_s, key});
    }
    static void type(const QString &text) { ProgramProcess::xdotool({u"type"_s, text}); }
    // Answers the file dialog of this title with a full path.
    static bool answerFileDialog(ProgramProcess &program, const QString &title, const QString &path)
    {
        const QString dialog = program.waitForWindow(title);
        if (dialog.isEmpty())
            return false;
        keys(dialog, u"ctrl+a"_s);
        type(path);
        keys(dialog, u"Return"_s);
        return true;
    }

    QTemporaryDir m_dir;
};

void TestSchemeRoundTrip::savedInOneRunLoadedInTheNext()
{
    const QString path = m_dir.filePath(u"orange.brw"_s);
    {
        ProgramProcess first;
        QVERIFY(first.start());
        const QString main = first.waitForWindow(u"Barwright"_s);
        QVERIFY(!main.isEmpty());
        keys(main, u"Tab ctrl+a"_s); // the face's box
        type(u"ff8000"_s);
        keys(main, u"alt+f s"_s);
        QVERIFY(answerFileDialog(first, u"Save Color Scheme as..."_s, path));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 5000);
        keys(main, u"alt+f e"_s); // Exit asks nothing
        QVERIFY(first.waitForExit());
    }

    ProgramProcess second;
    QVERIFY(second.start());
    const QString main = second.waitForWindow(u"Barwright"_s);
    QVERIFY(!main.isEmpty());
    keys(main, u"alt+f l"_s);
    QVERIFY(answerFileDialog(second, u"Load Color Scheme..."_s, path));

    // The face's box, copied to the clipboard, which the program serves while it runs.
    QGuiApplication::clipboard()->clear();
    QTest::qWait(300);
    keys(main, u"Tab ctrl+a ctrl+c"_s);
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), u"#FF8000"_s, 5000);

    const QRect window = second.geometry(main);
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, window.x(), window.y(), window.width(), window.height())
                            .toImage();
    // The thumb's face, well inside, in the diagram panel at 90, 90 twips of the client area.
    const QPoint face(6 + 2 + 60, window.height() - 352 + 6 + 2 + 187);
    QCOMPARE(shot.pixel(face) & 0xFFFFFF, 0xFF8000u);
}

BARWRIGHT_TEST_MAIN(TestSchemeRoundTrip)
#include "tst_SchemeRoundTrip.moc"
