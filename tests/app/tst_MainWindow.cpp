#include "app/CommandLine.h"
#include "app/ImportReportWindow.h"
#include "app/RecentFilesMenu.h"
#include "app/StateColorsWindow.h"
#include "color/ColorValues.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/CRegSettings.h"
#include "storage/RecentFiles.h"
#include "storage/SchemeFile.h"
#include "storage/SchemeState.h"
#include "support/MainWindowTest.h"
#include "support/ModalWindows.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"
#include "toolkit/MessageBox.h"
#include "ui/NoticeDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>

using namespace Qt::StringLiterals;
namespace Result = MessageBoxResult;

namespace {

enum { Face, Arrow, Highlight, Light3D, Shadow, DarkShadow, Track, Base, Hover, Pressed };
const QByteArray Header = "Barwright Color Scheme File (Do not edit manually)\r\n";
const QStringList DefaultTexts{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s,
                               u"#808080"_s, u"#000000"_s, u"#E0E0E0"_s, u"#"_s};

// A pixel of a diagram panel for a point in twips of its inner area.
QPoint at(const ShapePanel *panel, int x, int y)
{
    return panel->pixelRect(QRect(x, y, 15, 15)).topLeft();
}

} // namespace

// The main window: its layout, the diagram under the pointer, the colour rows and the scheme
// commands.
class TestMainWindow : public MainWindowTest
{
    Q_OBJECT

private:
    int shown(int element) const { return diagram()->DiagramElementColor(element); }
    // The elements whose captions are red.
    QList<int> marked() const
    {
        QList<int> red;
        for (int i = 0; i < 7; ++i) {
            if (window()->elementCaption(i)->palette().color(QPalette::WindowText) == Qt::red)
                red << i;
        }
        return red;
    }
    QAction *action(const QString &name) const { return window()->findChild<QAction *>(name); }
    // Drags files over a widget and drops them there; whether the drop was taken.
    static bool drop(QWidget *target, const QStringList &files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        data.setText(files.join(u'\n'));
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(target, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }
    // The scheme as Save writes it.
    QByteArray saved() const
    {
        const QString path = inProgramDir(u"saved-now.brw"_s);
        return WriteSchemeFile(path, window()->scheme()).isEmpty() ? ReadFile(path) : "(failed)";
    }
    QStringList texts() const
    {
        const auto scheme = window()->schemeTexts().texts;
        return {scheme.begin(), scheme.end()};
    }

private Q_SLOTS:
    void init()
    {
        CurrentSchemeFile.clear();
        ProgramSettings().SaveSetting(u"General"_s, u"Show Message 2"_s, u"0"_s);
        MainWindowTest::init();
    }

    void startsWithTheDefaultSchemeInTabOrder()
    {
        QCOMPARE(texts(), DefaultTexts);
        QVERIFY(box(Face)->isEnabled() && !box(Base)->isEnabled());
        VerifyTextsFit(window());

        QCOMPARE(window()->focusWidget()->objectName(), u"Command1"_s);
        QStringList expected{u"Command1"_s};
        for (int i = 0; i < 7; ++i)
            expected << u"txtclr%1"_s.arg(i) << u"selbttn%1"_s.arg(i) << u"cmdCC%1"_s.arg(i);
        expected << u"chkBC"_s << u"txtclr7"_s << u"selbttn7"_s << u"cmdCC7"_s << u"Command3"_s
                 << u"Command2"_s << u"Command4"_s << u"marqueePanel"_s;
        QStringList chain;
        QWidget *w = button(u"Command1"_s);
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w->objectName() != u"Command1"_s);
        QCOMPARE(chain, expected);
    }

    void diagramMarksCaptionsAndSelectsBoxes()
    {
        // Where the pointer moves, the captions it marks, and the box a click there selects.
        ShapePanel *arrowBox = diagram()->arrowBox();
        const std::tuple<QWidget *, QPoint, QList<int>, int> moves[] = {
            {diagram(), at(diagram(), 900, 2800), {Face}, Face}, // thumb face
            {diagram(), at(diagram(), 1410, 2800), {Shadow}, Shadow}, // thumb shadow band
            {arrowBox, at(arrowBox, 135, 45), {Arrow, Shadow}, Arrow}, // face stays unmarked
            {arrowBox, at(arrowBox, 15, 15), {Face, Shadow}, Face}, // shadow stays marked
            {diagram(), at(diagram(), 90, 2000), {}, Face}, // blank margin: the focus stays
            {diagram(), at(diagram(), 900, 4300), {Track}, Track},
            {window()->centralWidget(), QPoint(134, 200), {}, -1}, // the window's background
        };
        for (const auto &[panel, point, expected, selected] : moves) {
            QTest::mouseMove(panel, point);
            QCOMPARE(marked(), expected);
            if (selected < 0)
                continue;
            QTest::mouseClick(panel, Qt::RightButton, {}, point);
            QCOMPARE(window()->focusWidget(), box(selected));
            QCOMPARE(box(selected)->selectedText(), box(selected)->text());
        }

        // Pressed over the thumb, dragged onto the arrow box, released there.
        const QPoint arrow = arrowBox->geometry().center();
        QTest::mousePress(diagram(), Qt::LeftButton, {}, at(diagram(), 900, 2800));
        QTest::mouseMove(diagram(), arrow);
        QCOMPARE(marked(), QList<int>{Arrow});
        QTest::mouseRelease(diagram(), Qt::LeftButton, {}, arrow);
        QCOMPARE(window()->focusWidget(), box(Arrow));

        // In base-colour mode the caption marked last is greyed like the others, and releases
        // change nothing.
        window()->baseColorCheck()->setChecked(true);
        QCOMPARE(window()->elementCaption(Arrow)->palette().color(QPalette::WindowText),
                 QApplication::palette("QLabel").color(QPalette::Disabled, QPalette::WindowText));
        box(Base)->setFocus();
        QTest::mouseClick(diagram(), Qt::LeftButton, {}, at(diagram(), 900, 2800));
        QCOMPARE(window()->focusWidget(), box(Base));
    }

    void exitAsksAboutChangesFirst()
    {
        box(Face)->put(u"#123456"_s);
        platform().messageAnswers = {Result::Cancel, Result::No};
        trigger(u"mnuFileExit"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Save Changes?"_s});
        QVERIFY(window()->isVisible());
        QTimer::singleShot(0, window()->findChild<QAction *>(u"mnuFileExit"_s), &QAction::trigger);
        QTimer::singleShot(5000, window(), [] { QCoreApplication::exit(99); }); // a failsafe
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(platform().messageTitles().size(), 2);
        QVERIFY(!window()->isVisible());
    }

    void pastedRefusalIsRepairedAndSelected()
    {
        QGuiApplication::clipboard()->setText(u"#12G456"_s);
        box(Highlight)->setFocus();
        QTest::keyClick(box(Highlight), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(Highlight), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(box(Highlight)->text(), u"#FFFFFF"_s);
        QCOMPARE(box(Highlight)->selectedText(), u"FFFFFF"_s);
    }

    void anyTextCanBePut()
    {
        // Texts mostly of digits, "#" and a few others, so every outcome comes up.
        const QString alphabet = u"0123456789abcdefABCDEF##G "_s + QChar(0xFF) + QChar(0x4E00);
        QRandomGenerator random(20261206);
        for (int round = 0; round < 400; ++round) {
            QString text;
            const int length = round == 0 ? 1000 : int(random.bounded(10));
            for (int i = 0; i < length; ++i)
                text += alphabet[int(random.bounded(alphabet.size()))];
            const int index = int(random.bounded(8));
            const QString before = index < 7 ? ColorToHex(shown(index)) : QString();
            // The one right outcome: a "#" in front of a text without one; a complete text
            // (7 characters, as put or with that "#") is painted, or refused with a message and
            // then repaired from the diagram, where the base colour keeps it.
            const QString hashed = text.startsWith(u'#') ? text : u'#' + text;
            const QString complete = text.size() == 7 ? text : hashed;
            const bool painted = complete.size() == 7 && IsAcceptableColorEntry(complete);
            const bool refused = complete.size() == 7 && !painted;
            const QString repaired = index < 7 ? before : complete;
            const qsizetype messages = platform().messages.size();
            box(index)->put(text);
            QCOMPARE(box(index)->text(), refused ? repaired : hashed);
            QCOMPARE(platform().messages.size(), messages + (refused ? 1 : 0));
            if (index < 7)
                QCOMPARE(ColorToHex(shown(index)),
                         painted ? u'#' + complete.mid(1).toUpper() : before);
        }
    }

    void paletteButton()
    {
        platform().colorAnswers = {0x0000FF};
        button(u"selbttn0"_s)->click();
        QCOMPARE(platform().colorRequests, QList<int>{0xC0C0C0});
        QCOMPARE(box(Face)->text(), u"#FF0000"_s);
        QCOMPARE(shown(Face), 0x0000FF);
        QVERIFY(SchemeChanged);
    }

    void enterRunsGenerateCode()
    {
        QSignalSpy generate(button(u"Command1"_s), &QPushButton::clicked);
        WhenModal(u"Form2"_s, [](QWidget *codeWindow) { codeWindow->close(); });
        box(Track)->setFocus();
        QTest::keyClick(box(Track), Qt::Key_Return);
        QCOMPARE(generate.size(), 1);
    }

    void saveAsksForANameAndSaves()
    {
        box(Shadow)->put(u"#123456"_s);
        platform().fileAnswers = {inProgramDir(u"mine"_s)}; // no extension typed
        QTest::mouseClick(button(u"Command3"_s), Qt::LeftButton);
        QVERIFY(platform().fileDialogs.value(0).save);
        QCOMPARE(platform().fileDialogs.value(0).folder, m_fixture->programDir.path());
        QCOMPARE(CurrentSchemeFile, inProgramDir(u"mine.brw"_s));
        QVERIFY(ReadFile(CurrentSchemeFile).contains("Value 4=#123456\r\n"));
        QVERIFY(!SchemeChanged);

        // "mine." names the same file, which the dialog did not check: replacing it is asked,
        // and "No" goes back to the dialog, here cancelled, which offers the name again.
        box(Shadow)->put(u"#654321"_s);
        platform().fileAnswers = {inProgramDir(u"mine."_s)};
        platform().messageAnswers = {Result::No};
        trigger(u"mnuFileSave"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Save Color Scheme as..."_s});
        QCOMPARE(platform().fileDialogs.size(), 3);
        QCOMPARE(platform().fileDialogs[2].fileName, u"mine.brw"_s);
        QVERIFY(SchemeChanged);

        // A program folder where nothing can be saved sends the dialog to the documents.
        platform().programDir = inProgramDir(u"mine.brw/not-a-folder"_s);
        trigger(u"mnuFileSave"_s);
        QCOMPARE(platform().fileDialogs.last().folder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }

    void changesAreOfferedForSavingFirst_data()
    {
        QTest::addColumn<QString>("command"); // an action, or closing the window
        QTest::addColumn<int>("answer"); // to "Save Changes?"; none when nothing was changed
        QTest::addColumn<QString>("saveAs"); // none: the save dialog is cancelled
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("goesOn");
        const QString close = u"close"_s;
        const QString load = u"mnuFileLoad"_s;
        const QString import = u"mnuFileImport"_s;
        const QString restore = u"mnuEditRestDef"_s;
        const QStringList asked{u"Save Changes?"_s};
        const int yes = Result::Yes;
        const int cancel = Result::Cancel;
        QTest::newRow("close unchanged") << close << 0 << QString() << QStringList() << true;
        QTest::newRow("close, save cancelled") << close << yes << QString() << asked << false;
        QTest::newRow("close, save failed")
            << close << yes << u"missing/saved.brw"_s << asked + QStringList{u"Error"_s} << false;
        QTest::newRow("close, saved") << close << yes << u"saved.brw"_s << asked << true;
        QTest::newRow("load, not saved") << load << int(Result::No) << QString() << asked << true;
        QTest::newRow("import, save cancelled") << import << yes << QString() << asked << false;
        QTest::newRow("restore, cancel") << restore << cancel << QString() << asked << false;
        // Unlike the others, restoring goes on when the save is cancelled.
        QTest::newRow("restore, save cancelled") << restore << yes << QString() << asked << true;
    }

    void changesAreOfferedForSavingFirst()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        window()->baseColorCheck()->setChecked(true);
        if (answer)
            box(DarkShadow)->put(u"#123456"_s);
        platform().messageAnswers = {answer};
        platform().fileAnswers = {saveAs.isEmpty() ? QString() : inProgramDir(saveAs)};
        bool wentOn = true;
        if (command == u"close"_s) {
            wentOn = window()->close();
        } else if (command == u"mnuEditRestDef"_s) {
            trigger(command);
            wentOn = texts() == DefaultTexts;
            QCOMPARE(window()->baseColorCheck()->isChecked(), !wentOn);
            QCOMPARE(diagram()->examplePanel()->isVisibleTo(window()), !wentOn);
            QVERIFY(SchemeChanged);
        } else {
            trigger(command); // and the file dialog is cancelled
            wentOn = !platform().fileDialogs.isEmpty() && !platform().fileDialogs.last().save;
        }
        QCOMPARE(wentOn, goesOn);
        QTEST(platform().messageTitles(), "titles");
        QCOMPARE(QFile::exists(inProgramDir(u"saved.brw"_s)), saveAs == u"saved.brw"_s);
    }

    void loadSwitchesModesAndKeepsTheSchemeOnFailure()
    {
        const auto load = [this](const QString &name, const QByteArray &bytes) {
            QVERIFY(WriteFile(inProgramDir(name), bytes));
            platform().fileAnswers = {inProgramDir(name)};
            trigger(u"mnuFileLoad"_s);
        };
        load(u"base.brw"_s, Header + "[Type]\r\nIsBase=1\r\n[Color]\r\nValue=#336699\r\n");
        QVERIFY(window()->baseColorCheck()->isChecked());
        QVERIFY(box(Base)->isEnabled() && !box(Face)->isEnabled());
        QCOMPARE(box(Base)->text(), u"#336699"_s);
        QVERIFY(!SchemeChanged);

        load(u"seven.brw"_s,
             Header + "[Type]\r\nIsBase=01\r\n[Colors]\r\nValue 0=#FF0000\r\nValue 6=#00ff00\r\n");
        QVERIFY(!window()->baseColorCheck()->isChecked());
        QCOMPARE(texts(),
                 (QStringList{u"#FF0000"_s, u"#"_s, u"#"_s, u"#"_s, u"#"_s, u"#"_s, u"#00ff00"_s,
                              u"#336699"_s})); // missing keys leave "#"
        QCOMPARE(CurrentSchemeFile, inProgramDir(u"seven.brw"_s));
        QVERIFY(!SchemeChanged);

        // Which files are refused is the header check's business; here, what a refusal does.
        box(Highlight)->put(u"#123456"_s);
        platform().messageAnswers = {Result::No};
        load(u"bad.brw"_s, QByteArray(Header).toLower());
        QCOMPARE(platform().messageTitles(), (QStringList{u"Save Changes?"_s, u"Oops!"_s}));
        QVERIFY(platform().messages[1].text.contains(u"\"bad.brw\""_s));
        QCOMPARE(box(Highlight)->text(), u"#123456"_s);
        QVERIFY(SchemeChanged);
        QCOMPARE(CurrentSchemeFile, inProgramDir(u"seven.brw"_s));
    }

    void commandLineNamesOneFileToOpen_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::newRow("none") << QStringList() << true;
        QTest::newRow("scheme") << QStringList{u"orange.brw"_s} << true;
        QTest::newRow("page, upper case") << QStringList{u"old/INDEX.HTM"_s} << true;
        QTest::newRow("style sheet") << QStringList{u"/srv/site.css"_s} << true;
        QTest::newRow("two schemes") << QStringList{u"a.brw"_s, u"b.brw"_s} << false;
        QTest::newRow("another kind") << QStringList{u"notes.txt"_s} << false;
        QTest::newRow("Qt's option") << QStringList{u"-reverse"_s} << false;
        QTest::newRow("option and file") << QStringList{u"--help"_s, u"a.brw"_s} << false;
    }

    void commandLineNamesOneFileToOpen()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        const CommandLine line(QStringList{u"barwright"_s} + arguments);
        QCOMPARE(line.isValid(), valid);
        QCOMPARE(line.file(),
                 valid && !arguments.isEmpty()
                     ? QDir::toNativeSeparators(QFileInfo(arguments[0]).absoluteFilePath())
                     : QString());
    }

    void filesOpenFromOutsideAndFromTheRecentList()
    {
        RecentFiles::clear();
        for (int i = 0; i < 9; ++i) {
            platform().fileAnswers = {inProgramDir(u"s%1.brw"_s.arg(i))};
            trigger(u"mnuFileSave"_s);
        }
        QFile::remove(inProgramDir(u"s5.brw"_s));
        auto *recent = window()->findChild<RecentFilesMenu *>(u"mnuFileRecent"_s);
        recent->refresh();
        QCOMPARE(action(u"mnuFileRecent0"_s)->text(), u"&1 s8.brw"_s);
        QCOMPARE(action(u"mnuFileRecent0"_s)->toolTip(),
                 QDir::toNativeSeparators(inProgramDir(u"s8.brw"_s)));
        QCOMPARE(action(u"mnuFileRecent7"_s)->text(), u"&8 s1.brw"_s); // s0 fell off
        action(u"mnuFileRecent3"_s)->trigger(); // s5, gone: dropped after the message
        QVERIFY(platform().messages.value(0).text.startsWith(u"Could not load \"s5.brw\""_s));
        action(u"mnuFileRecent7"_s)->trigger(); // s1 comes first
        QCOMPARE(RecentFiles::files().mid(0, 3),
                 (QStringList{QDir::toNativeSeparators(inProgramDir(u"s1.brw"_s)),
                              QDir::toNativeSeparators(inProgramDir(u"s8.brw"_s)),
                              QDir::toNativeSeparators(inProgramDir(u"s7.brw"_s))}));
        QCOMPARE(RecentFiles::files().size(), 7);

        // Named on the command line or dropped: a scheme loads, a page imports, after the save
        // question; several files or another kind are refused.
        window()->openFile(inProgramDir(u"missing.brw"_s));
        QCOMPARE(platform().messages.size(), 2);
        QVERIFY(platform().messages[1].text.startsWith(u"Could not load \"missing.brw\""_s));
        QVERIFY(WriteFile(inProgramDir(u"drop.brw"_s),
                          Header + "[Type]\r\nIsBase=0\r\n[Colors]\r\nValue 0=#336699\r\n"));
        QVERIFY(
            WriteFile(inProgramDir(u"old.htm"_s), "<BODY STYLE=\"scrollbar-track-color: red\">"));
        QVERIFY(drop(window(), {inProgramDir(u"drop.brw"_s)}));
        QTRY_COMPARE(box(Face)->text(), u"#336699"_s);
        WhenModal<ImportReportWindow>([](ImportReportWindow *shown) { shown->accept(); });
        QVERIFY(drop(box(Arrow), {inProgramDir(u"old.htm"_s)})); // not typed into the box
        QTRY_COMPARE(box(Track)->text(), u"#FF0000"_s);
        QVERIFY(!box(Arrow)->text().contains(u"old"_s));
        QVERIFY(!drop(window(), {inProgramDir(u"drop.brw"_s), inProgramDir(u"s1.brw"_s)}));
        QVERIFY(!drop(box(Arrow), {inProgramDir(u"notes.txt"_s)}));
        platform().messageAnswers = {Result::Cancel};
        QVERIFY(drop(window(), {inProgramDir(u"drop.brw"_s)}));
        QTRY_COMPARE(platform().messageTitles().size(), 3);
        QCOMPARE(platform().messageTitles().last(), u"Save Changes?"_s);
        QCOMPARE(box(Track)->text(), u"#FF0000"_s);
    }

    void exportNeedsACompleteScheme()
    {
        box(Face)->put(u"#12"_s);
        platform().fileAnswers = {inProgramDir(u"x.css"_s)};
        QTest::keyClick(window(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(platform().messageTitles(), QStringList{u"Error"_s});
        QVERIFY(!QFile::exists(inProgramDir(u"x.css"_s)));
    }

    void variantsSwitchWithoutChangingTheScheme()
    {
        trigger(u"mnuEditDerive"_s);
        QVERIFY(window()->isEditingDark() && SchemeChanged);
        QCOMPARE(window()->findChild<QGroupBox *>(u"Frame1"_s)->title(), u"Dark Colors:"_s);
        const QString darkFace = box(Face)->text();
        box(Face)->put(u"#12"_s);
        // The faces' window opens ready for typing into its first box.
        trigger(u"mnuEditStates"_s);
        QTRY_COMPARE(QApplication::focusWidget(), box(Hover));
        QTest::keyClicks(QApplication::focusWidget(), u"abcdef"_s);
        QCOMPARE(box(Hover)->text(), u"#ABCDEF"_s);
        SchemeChanged = false;
        trigger(u"mnuEditLight"_s);
        QCOMPARE(texts(), DefaultTexts);
        QCOMPARE(box(Hover)->text(), u"#"_s);
        trigger(u"mnuEditDark"_s);
        QCOMPARE(box(Face)->text(), u"#12"_s); // incomplete, and kept
        QCOMPARE(box(Hover)->text(), u"#ABCDEF"_s);
        QVERIFY(!SchemeChanged);
        // The drawing shows the variant edited, and a refused entry comes back from it.
        QCOMPARE(ColorToHex(shown(Face)), darkFace);
        box(Face)->put(u"#GGGGGG"_s);
        QCOMPARE(box(Face)->text(), darkFace);
        const QString darkTrack = box(Track)->text();
        box(Track)->put(u"#010203"_s);
        QVERIFY(SchemeChanged);
        QCOMPARE(window()->scheme().dark->texts[Track], u"#010203"_s);
        // Undoing the dark variant's step shows the dark variant; a switch is no step.
        trigger(u"mnuEditLight"_s);
        window()->baseColorCheck()->setChecked(true);
        QCOMPARE(action(u"mnuEditUndo"_s)->text(), u"&Undo Base Color Mode"_s);
        trigger(u"mnuEditUndo"_s);
        trigger(u"mnuEditUndo"_s);
        QVERIFY(window()->isEditingDark() && !window()->baseColorCheck()->isChecked());
        QCOMPARE(box(Track)->text(), darkTrack);

        platform().messageAnswers = {Result::No};
        trigger(u"mnuEditRestDef"_s);
        QVERIFY(!window()->scheme().dark && !window()->isEditingDark());
        QCOMPARE(window()->findChild<QGroupBox *>(u"Frame1"_s)->title(), u"Colors:"_s);
    }

    void undoAndRedoTakeStepsWhereverTheFocusIs()
    {
        box(Light3D)->put(u"#123456"_s);
        platform().fileAnswers = {inProgramDir(u"start.brw"_s)};
        trigger(u"mnuFileSave"_s);
        const QByteArray start = saved();

        box(Face)->setFocus();
        box(Face)->selectAll();
        QTest::keyClicks(box(Face), u"0000ff"_s); // one step, not six
        platform().colorAnswers = {0x00FF00};
        button(u"selbttn6"_s)->click();
        trigger(u"mnuEditDerive"_s);
        platform().messageAnswers = {Result::No};
        trigger(u"mnuEditRestDef"_s);
        const QByteArray end = saved();

        // The keys reach the history from a box, whose own undo would take them.
        box(Arrow)->setFocus();
        QStringList undone;
        for (int i = 0; i < 4; ++i) {
            undone << action(u"mnuEditUndo"_s)->text();
            QTest::keyClick(box(Arrow), Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(undone,
                 (QStringList{u"&Undo Restore Defaults"_s, u"&Undo Derive Dark Colors"_s,
                              u"&Undo Track Color"_s, u"&Undo Face Color"_s}));
        QCOMPARE(action(u"mnuEditUndo"_s)->text(), u"&Undo 3dlight Color"_s);
        QCOMPARE(saved(), start);
        QCOMPARE(shown(Face), 0xC0C0C0);
        QVERIFY(!SchemeChanged); // back where it was saved
        for (int i = 0; i < 4; ++i)
            QTest::keySequence(box(Arrow), QKeySequence::keyBindings(QKeySequence::Redo).value(0));
        QCOMPARE(saved(), end);
        QVERIFY(SchemeChanged);

        platform().messageAnswers = {Result::No};
        platform().fileAnswers = {inProgramDir(u"start.brw"_s)};
        trigger(u"mnuFileLoad"_s); // a load starts the history anew
        QVERIFY(!action(u"mnuEditUndo"_s)->isEnabled());
        QCOMPARE(action(u"mnuEditUndo"_s)->text(), u"&Undo"_s);
    }

    void darkVariantAndStatesGoThroughFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("refused"); // a line whose colour must not become one
        QTest::addColumn<QByteArray>("savedAs"); // what a save then writes instead
        QTest::addColumn<QString>("named"); // in the message
        const QByteArray light = "[Type]\r\nIsBase=0\r\n[Colors]\r\nValue 0=#C0C0C0\r\nValue "
                                 "1=#FFFFFF\r\nValue 2=#FFFFFF\r\nValue 3=#C0C0C0\r\nValue "
                                 "4=#808080\r\nValue 5=#000000\r\nValue 6=#E0E0E0\r\n";
        const QByteArray states = "[States]\r\nHover=#D0D0D0\r\nPressed=#A0A0A0\r\n";
        QByteArray dark
            = "[Dark Type]\r\nIsBase=0\r\n" + light.mid(18).replace("[Colors]", "[Dark Colors]");
        const auto row = [](const char *name, const QByteArray &file) -> QTestData & {
            return QTest::newRow(name) << file;
        };
        row("no new sections", Header + light) << QByteArray() << QByteArray() << QString();
        row("all four",
            Header + light + dark + states + QByteArray(states).replace("[S", "[Dark S"))
            << QByteArray() << QByteArray() << QString();
        row("dark base colour, one state",
            Header + light
                + "[Dark Type]\r\nIsBase=1\r\n[Dark Color]\r\nValue=#202040\r\n"
                  "[Dark States]\r\nPressed=#101020\r\n")
            << QByteArray() << QByteArray() << QString();
        // Neither the light colour nor an earlier one stands in.
        row("bad dark face", Header + light + dark.replace("0=#C0C0C0", "0=#GGGGGG"))
            << QByteArray("Value 0=#GGGGGG") << QByteArray("Value 0=#")
            << u"1 color in the file is not valid and was left out: Dark Face Color"_s;
        row("bad hover", Header + light + QByteArray(states).replace("#D0D0D0", "#12G456"))
            << QByteArray("Hover=#12G456\r\n") << QByteArray() << u"left out: Hover Face"_s;
        // A light colour is refused as a typed one: it keeps the light colour it had.
        row("bad light colour", Header + QByteArray(light).replace("2=#FFFFFF", "2=#12G456"))
            << QByteArray("Value 2=#12G456") << QByteArray("Value 2=#FFFFFF")
            << u"Please enter a valid color value"_s;
    }

    void darkVariantAndStatesGoThroughFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, refused);
        QFETCH(QByteArray, savedAs);
        QFETCH(QString, named);
        trigger(u"mnuEditDerive"_s); // held before, cleared by a file without them
        box(Pressed)->put(u"#123456"_s);
        SchemeChanged = false;
        QVERIFY(WriteFile(inProgramDir(u"in.brw"_s), file));
        platform().fileAnswers = {inProgramDir(u"in.brw"_s), inProgramDir(u"out.brw"_s)};
        trigger(u"mnuFileLoad"_s);
        QCOMPARE(platform().messages.size(), refused.isEmpty() ? 0 : 1);
        if (!refused.isEmpty())
            QVERIFY(platform().messages[0].text.contains(named));
        // Saving would change the file, so the scheme counts as changed.
        QVERIFY(!window()->isEditingDark());
        QCOMPARE(SchemeChanged, !refused.isEmpty());
        trigger(u"mnuFileSave"_s);
        QCOMPARE(ReadFile(inProgramDir(u"out.brw"_s)),
                 refused.isEmpty() ? file : QByteArray(file).replace(refused, savedAs));
    }

    void baseColourNoticeIsShownUntilDeclined()
    {
        // What the notice stores is checked with the preview's; here, when the window asks.
        QVERIFY(ProgramSettings().DeleteSetting(u"General"_s, u"Show Message 2"_s));
        WhenModal<NoticeDialog>([](NoticeDialog *notice) {
            VerifyTextsFit(notice);
            QVERIFY(notice->showAgainCheck()->isChecked());
            notice->showAgainCheck()->setChecked(false);
            QTest::keyClick(notice, Qt::Key_Return); // OK is the default button
        });
        QCheckBox *check = window()->baseColorCheck();
        check->setChecked(true);
        QCOMPARE(ProgramSettings().GetSetting(u"General"_s, u"Show Message 2"_s), u"0"_s);
        const ModalWindowCatcher noNotice(u"msg2"_s);
        check->setChecked(false); // unticking never asks
        check->setChecked(true);
        QCOMPARE(noNotice.caught(), 0);
    }

    void importFromPage()
    {
        // An import replaces the whole scheme, whichever variant is shown, and has no file.
        CurrentSchemeFile = inProgramDir(u"mine.brw"_s);
        box(Hover)->put(u"#ABCDEF"_s);
        trigger(u"mnuEditDerive"_s);
        QString heading;
        QString report;
        const auto import = [&](const QString &name, const QByteArray &bytes) {
            QVERIFY(WriteFile(inProgramDir(name), bytes));
            WhenModal<ImportReportWindow>([&](ImportReportWindow *shown) {
                heading = shown->findChild<QLabel *>(u"lblHeading"_s)->text();
                report = shown->reportText()->toPlainText();
                QTest::mouseClick(shown->copyButton(), Qt::LeftButton);
                QTest::mouseClick(shown->doneButton(), Qt::LeftButton);
            });
            SchemeChanged = false;
            platform().fileAnswers = {inProgramDir(name)};
            trigger(u"mnuFileImport"_s);
        };

        import(u"old.htm"_s, "<BODY STYLE=\"scrollbar-face-color: #123456\">\r\n");
        QVERIFY(heading.contains(u"\"old.htm\" are now"_s));
        QVERIFY(report.contains(u"scrollbar-face-color: #123456, applied."_s));
        QCOMPARE(platform().clipboard, report);
        QCOMPARE(box(Face)->text(), u"#123456"_s);
        QVERIFY(!window()->isEditingDark() && !window()->scheme().dark);
        QCOMPARE(box(Hover)->text(), u"#"_s);
        QCOMPARE(CurrentSchemeFile, QString());
        QVERIFY(SchemeChanged);

        const QStringList before = texts();
        import(u"none.css"_s, "textarea { scrollbar-face-color: red }\r\n");
        QVERIFY(heading.startsWith(u"\"none.css\" has no"_s));
        QCOMPARE(texts(), before);
        // The documents folder first, then the folder of the last import.
        QCOMPARE(platform().fileDialogs[0].folder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(platform().fileDialogs[1].folder, QFileInfo(inProgramDir(u"x"_s)).absolutePath());

        const ModalWindowCatcher noReport(u"frmImportReport"_s);
        platform().fileAnswers = {inProgramDir(u"missing.html"_s)};
        trigger(u"mnuFileImport"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Oops!"_s});
        QVERIFY(platform().messages[0].text.contains(u"\"missing.html\": the file could not"_s));
        QCOMPARE(noReport.caught(), 0);
    }
};

BARWRIGHT_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
