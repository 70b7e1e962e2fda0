#include "support/ProgramProcess.h"
#include "support/TestMain.h"

#include <QClipboard>
#include <QFile>

using namespace Qt::StringLiterals;

// Two runs of the real program on a real X server: the first saves a scheme through the real
// file dialog, the second loads it, and the screen shows it.
class TestSchemeRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedInOneRunLoadedInTheNext()
    {
        const QString path = m_dir.filePath(u"orange.brw"_s);
        {
            // Qt's own options are refused, with the usage line, before any window.
            QProcess refused;
            refused.start(ProgramProcess::programPath(), {u"-platform"_s, u"offscreen"_s});
            QVERIFY(refused.waitForFinished(10000));
            QCOMPARE(refused.exitCode(), 2);
            QVERIFY(refused.readAllStandardError().startsWith("usage: barwright ["));
            ProgramProcess first;
            QVERIFY(first.start());
            const QString main = first.waitForWindow(u"Barwright"_s);
            QVERIFY(!main.isEmpty());
            // The diagram as the program starts: the face through the panel, the arrow through
            // the arrow box on it.
            QTRY_COMPARE(first.diagramPixel(main, {900, 2800}), 0xC0C0C0u);
            QCOMPARE(first.diagramPixel(main, {925, 925}), 0xFFFFFFu);
            keys(main, u"Tab ctrl+a"_s); // the face's box
            type(u"ff8000"_s);
            keys(main, u"ctrl+s"_s);
            QVERIFY(answerFileDialog(first, u"Save Color Scheme as..."_s, path));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 5000);
            keys(main, u"alt+f e"_s); // Exit asks nothing
            QVERIFY(first.process().waitForFinished(5000));
        }

        {
            // Named on the command line, as the file manager opens it.
            ProgramProcess opened;
            QVERIFY(opened.start({}, ProgramProcess::programPath(), {path}));
            const QString main = opened.waitForWindow(u"Barwright"_s);
            QVERIFY(!main.isEmpty());
            QTRY_COMPARE(opened.diagramPixel(main, {900, 2800}), 0xFF8000u);
        }
        {
            ProgramProcess missing;
            QVERIFY(missing.start({}, ProgramProcess::programPath(),
                                  {m_dir.filePath(u"missing.brw"_s)}));
            QVERIFY(!missing.waitForWindow(u"Oops!"_s).isEmpty()); // "Could not load …"
        }

        ProgramProcess second;
        QVERIFY(second.start());
        const QString main = second.waitForWindow(u"Barwright"_s);
        QVERIFY(!main.isEmpty());
        QTRY_COMPARE(second.diagramPixel(main, {900, 2800}), 0xC0C0C0u);
        keys(main, u"ctrl+o"_s);
        QVERIFY(answerFileDialog(second, u"Load Color Scheme..."_s, path));
        QTRY_COMPARE(second.diagramPixel(main, {900, 2800}), 0xFF8000u);
        QCOMPARE(second.diagramPixel(main, {900, 4300}), 0xE0E0E0u); // the track as it was

        // The face's box, copied to the clipboard, which the program serves while it runs.
        QGuiApplication::clipboard()->clear();
        keys(main, u"Tab ctrl+a ctrl+c"_s);
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), u"#FF8000"_s, 5000);
    }

private:
    static void keys(const QString &window, const QString &sequence)
    {
        ProgramProcess::xdotool({u"windowfocus"_s, u"--sync"_s, window});
        for (const QString &key : sequence.split(u' '))
            ProgramProcess::xdotool({u"key"_s, u"--delay"_s, u"30"_s, key});
    }

    static void type(const QString &text) { ProgramProcess::xdotool({u"type"_s, text}); }
    // Answers the file dialog of this title with a full path, once it has closed. On a busy
    // machine the dialog's completion list can take the first Return: the path is typed again
    // while the dialog stays.
    static bool answerFileDialog(ProgramProcess &program, const QString &title, const QString &path)
    {
        const QString dialog = program.waitForWindow(title);
        for (int tries = 0; tries < 3 && !dialog.isEmpty(); ++tries) {
            keys(dialog, u"ctrl+a"_s);
            type(path);
            keys(dialog, u"Return"_s);
            const auto closed = [&dialog] {
                return ProgramProcess::xdotool({u"getwindowname"_s, dialog}).isEmpty();
            };
            if (QTest::qWaitFor(closed, 3000))
                return true;
        }
        return false;
    }

    QTemporaryDir m_dir;
};

BARWRIGHT_TEST_MAIN(TestSchemeRoundTrip)
#include "tst_SchemeRoundTrip.moc"
