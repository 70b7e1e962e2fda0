#include "app/ImportReportWindow.h"
#include "app/NoticeDialog.h"
#include "color/ColorValues.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeState.h"
#include "support/MainWindowTest.h"
#include "support/ModalWindows.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>

using namespace Qt::StringLiterals;
namespace Result = MessageBoxResult;

namespace {

enum { Face, Arrow, Highlight, Light3D, Shadow, DarkShadow, Track, Base };
const QByteArray Header = "Barwright Color Scheme File (Do not edit manually)\r\n";

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
    void paste(int index, const QString &text) const
    {
        QGuiApplication::clipboard()->setText(text);
        box(index)->setFocus();
        QTest::keyClick(box(index), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(index), Qt::Key_V, Qt::ControlModifier);
    }
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
        QCOMPARE(texts(), (QStringList{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s,
                                       u"#808080"_s, u"#000000"_s, u"#E0E0E0"_s, u"#"_s}));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(ColorToHex(shown(i)), texts()[i]);
        QVERIFY(!SchemeChanged);
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

    void pointingAtTheDiagramMarksCaptions()
    {
        ShapePanel *arrowBox = diagram()->arrowBox();
        const std::tuple<QWidget *, QPoint, QList<int>> moves[] = {
            {diagram(), at(diagram(), 900, 2800), {Face}}, // thumb face
            {diagram(), at(diagram(), 1410, 2800), {Shadow}}, // thumb shadow band
            {arrowBox, at(arrowBox, 135, 45), {Arrow, Shadow}}, // the arrow; face stays unmarked
            {arrowBox, at(arrowBox, 15, 15), {Face, Shadow}}, // beside it; shadow stays marked
            {diagram(), at(diagram(), 90, 2000), {}}, // blank margin
            {diagram(), at(diagram(), 900, 4300), {Track}},
            {window()->centralWidget(), QPoint(134, 200), {}}, // the window's background
        };
        for (const auto &[panel, point, expected] : moves) {
            QTest::mouseMove(panel, point);
            QCOMPARE(marked(), expected);
        }

        // In base-colour mode every caption is greyed, the one marked last included.
        QTest::mouseMove(diagram(), at(diagram(), 900, 2800));
        QCOMPARE(marked(), QList<int>{Face});
        window()->baseColorCheck()->setChecked(true);
        const QColor greyed
            = QApplication::palette("QLabel").color(QPalette::Disabled, QPalette::WindowText);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(window()->elementCaption(i)->palette().color(QPalette::WindowText), greyed);
    }

    void releasingOverTheDiagramSelectsABox()
    {
        QTest::mouseClick(diagram(), Qt::RightButton, {}, at(diagram(), 900, 2800));
        QCOMPARE(window()->focusWidget(), box(Face));
        QCOMPARE(box(Face)->selectedText(), u"#C0C0C0"_s);

        // Pressed over the thumb, dragged onto the arrow box, released there.
        const QPoint arrow = diagram()->arrowBox()->geometry().center();
        QTest::mousePress(diagram(), Qt::LeftButton, {}, at(diagram(), 900, 2800));
        QTest::mouseMove(diagram(), arrow);
        QCOMPARE(marked(), QList<int>{Arrow});
        QTest::mouseRelease(diagram(), Qt::LeftButton, {}, arrow);
        QCOMPARE(window()->focusWidget(), box(Arrow));

        // Beside the arrow, in the arrow box, the face is what the pointer marks.
        QTest::mouseClick(diagram()->arrowBox(), Qt::LeftButton, {},
                          at(diagram()->arrowBox(), 15, 15));
        QCOMPARE(window()->focusWidget(), box(Face));
        QTest::mouseClick(diagram(), Qt::LeftButton, {}, at(diagram(), 90, 2000)); // margin
        QCOMPARE(window()->focusWidget(), box(Face));

        // In base-colour mode releases change nothing.
        window()->baseColorCheck()->setChecked(true);
        box(Base)->setFocus();
        QTest::mouseClick(diagram(), Qt::LeftButton, {}, at(diagram(), 900, 2800));
        QCOMPARE(window()->focusWidget(), box(Base));
    }

    void exitEndsAtOnceWithoutAsking()
    {
        box(Face)->put(u"#123456"_s);
        QVERIFY(SchemeChanged);
        QTimer::singleShot(0, window()->findChild<QAction *>(u"mnuFileExit"_s), &QAction::trigger);
        QTimer failsafe;
        failsafe.callOnTimeout([] { QCoreApplication::exit(99); });
        failsafe.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(platform().messages.isEmpty());
        QVERIFY(!window()->isVisible());
    }

    void typingKeepsTheHash()
    {
        EntryBox *face = box(Face);
        face->setFocus();
        QTest::keyClick(face, Qt::Key_End);
        QTest::keyClicks(face, u"#"_s);
        QCOMPARE(face->text(), u"#C0C0C0"_s);
        QVERIFY(!SchemeChanged); // a swallowed key changes nothing
        QTest::keyClick(face, Qt::Key_Home);
        QTest::keyClick(face, Qt::Key_Delete);
        QCOMPARE(face->text(), u"#C0C0C0"_s);
        QCOMPARE(face->cursorPosition(), 7);
        QVERIFY(SchemeChanged);
        QTest::keyClick(face, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(face, u"c"_s);
        QCOMPARE(face->text(), u"#C"_s);
        QCOMPARE(face->cursorPosition(), 2);
        QTest::keyClicks(face, u"1a2b3"_s);
        QCOMPARE(shown(Face), 0xB3A2C1);
        QVERIFY(platform().messages.isEmpty());
    }

    void refusedEntriesAreRepaired_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("repaired");
        QTest::addColumn<QString>("selected");
        QTest::newRow("G inside") << int(Highlight) << u"#12G456"_s << u"#FFFFFF"_s << u"FFFFFF"_s;
        // The "#" put in front makes it complete and refused; the caret then goes to the end.
        QTest::newRow("without hash") << int(Shadow) << u"1234G6"_s << u"#808080"_s << QString();
        // The base colour has no diagram colour to go back to: the text stays.
        QTest::newRow("base") << int(Base) << u"#12G456"_s << u"#12G456"_s << u"12G456"_s;
    }

    void refusedEntriesAreRepaired()
    {
        QFETCH(int, index);
        QFETCH(QString, pasted);
        QFETCH(QString, repaired);
        QFETCH(QString, selected);
        const int before = index < 7 ? shown(index) : -1;
        if (index == Base)
            window()->baseColorCheck()->setChecked(true);
        paste(index, pasted);
        const auto &messages = platform().messages;
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, u"Oops!"_s);
        QCOMPARE(box(index)->text(), repaired);
        QCOMPARE(box(index)->selectedText(), selected);
        if (selected.isEmpty())
            QCOMPARE(box(index)->cursorPosition(), 7);
        QCOMPARE(window()->focusWidget(), box(index));
        QCOMPARE(index < 7 ? shown(index) : -1, before);
    }

    void anyTextCanBePut()
    {
        // Texts mostly of digits, "#" and a few others, so every outcome comes up.
        const QString alphabet = u"0123456789abcdefABCDEF##G "_s + QChar(0xFF) + QChar(0x4E00);
        QRandomGenerator random(20261206);
        QList<int> outcomes(4);
        for (int round = 0; round < 400; ++round) {
            QString text;
            const int length = round == 0 ? 1000 : int(random.bounded(10));
            for (int i = 0; i < length; ++i)
                text += alphabet[int(random.bounded(alphabet.size()))];
            const int index = int(random.bounded(8));
            const QString before = index < 7 ? ColorToHex(shown(index)) : QString();
            // The one right outcome: a "#" in front of a text without one; a complete text
            // (7 characters, as put or with that "#") is painted, or refused and then repaired
            // from the diagram, where the base colour keeps it.
            const QString hashed = text.startsWith(u'#') ? text : u'#' + text;
            const QString complete = text.size() == 7 ? text : hashed;
            QString expected = hashed;
            if (complete.size() == 7 && !IsAcceptableColorEntry(complete))
                expected = index < 7 ? before : complete;
            box(index)->put(text);
            QCOMPARE(box(index)->text(), expected);
            const bool painted = complete.size() == 7 && IsAcceptableColorEntry(complete);
            if (index < 7)
                QCOMPARE(ColorToHex(shown(index)), painted ? u'#' + complete.mid(1).toUpper() : before);
            ++outcomes[complete.size() != 7 ? 0 : painted ? 1 : index < 7 ? 2 : 3];
        }
        QVERIFY(!outcomes.contains(0)); // every outcome came up
    }

    void paletteButton()
    {
        platform().colorAnswers = {-1};
        button(u"selbttn2"_s)->click();
        QCOMPARE(platform().colorRequests, QList<int>{0xFFFFFF});
        QCOMPARE(box(Highlight)->text(), u"#FFFFFF"_s);
        QVERIFY(!SchemeChanged);

        for (int twice = 0; twice < 2; ++twice) { // the same colour again still counts
            SchemeChanged = false;
            platform().colorAnswers = {0x0000FF};
            button(u"selbttn0"_s)->click();
            QCOMPARE(box(Face)->text(), u"#FF0000"_s);
            QCOMPARE(shown(Face), 0x0000FF);
            QCOMPARE(diagram()->arrowBox()->backColor(), 0x0000FF);
            QVERIFY(SchemeChanged);
        }

        // The base colour's "#" opens the dialog on #FFFFEC.
        window()->baseColorCheck()->setChecked(true);
        platform().colorAnswers = {0x336699};
        button(u"selbttn7"_s)->click();
        QCOMPARE(platform().colorRequests.last(), HexToColor(u"#FFFFEC"_s));
        QCOMPARE(box(Base)->text(), u"#996633"_s);
        QVERIFY(platform().messages.isEmpty());
    }

    void enterRunsGenerateCode()
    {
        QSignalSpy generate(button(u"Command1"_s), &QPushButton::clicked);
        WhenModal(u"Form2"_s, [](QWidget *codeWindow) { codeWindow->close(); });
        box(Track)->setFocus();
        QTest::keyClick(box(Track), Qt::Key_Return);
        QCOMPARE(generate.size(), 1);
        QCOMPARE(box(Track)->text(), u"#E0E0E0"_s);
    }

    void saveAsksForANameAndSaves()
    {
        trigger(u"mnuFileSave"_s); // cancelled
        QCOMPARE(platform().fileDialogs.size(), 1);
        const ScriptedPlatform::FileDialog first = platform().fileDialogs[0];
        QVERIFY(first.save);
        QCOMPARE(first.filter, u"BRW Color Scheme Files (*.brw)|*.brw"_s);
        QCOMPARE(first.folder, m_fixture->programDir.path());
        QCOMPARE(first.fileName, QString());
        QVERIFY(CurrentSchemeFile.isEmpty());

        box(Shadow)->put(u"#123456"_s);
        platform().fileAnswers = {inProgramDir(u"mine"_s)}; // no extension typed
        QTest::mouseClick(button(u"Command3"_s), Qt::LeftButton);
        QCOMPARE(CurrentSchemeFile, inProgramDir(u"mine.brw"_s));
        QVERIFY(ReadFile(CurrentSchemeFile).contains("Value 4=#123456\r\n"));
        QVERIFY(!SchemeChanged);
        trigger(u"mnuFileSave"_s);
        QCOMPARE(platform().fileDialogs.last().fileName, u"mine.brw"_s); // the name, no folder

        // "mine." names the same file, which the dialog did not check: replacing it is asked,
        // and "No" goes back to the dialog, here cancelled.
        box(Shadow)->put(u"#654321"_s);
        platform().fileAnswers = {inProgramDir(u"mine."_s)};
        platform().messageAnswers = {Result::No};
        trigger(u"mnuFileSave"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Save Color Scheme as..."_s});
        QCOMPARE(platform().messages[0].text,
                 u"mine.brw already exists.\r\nDo you want to replace it?"_s);
        QCOMPARE(platform().fileDialogs.last().fileName, u"mine.brw"_s);
        QVERIFY(SchemeChanged);

        // A program folder where nothing can be saved sends the dialog to the documents.
        platform().programDir = inProgramDir(u"mine.brw/not-a-folder"_s);
        trigger(u"mnuFileLoad"_s);
        QCOMPARE(platform().fileDialogs.last().folder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }

    void aFailedSaveIsReportedAndNotCounted()
    {
        box(Face)->put(u"#010203"_s);
        platform().fileAnswers = {inProgramDir(u"missing/folder/x.brw"_s)};
        platform().messageAnswers = {Result::Yes};
        QVERIFY(!window()->close()); // the save failed, so the window stays
        QCOMPARE(platform().messageTitles(), (QStringList{u"Save Changes?"_s, u"Error"_s}));
        const ScriptedPlatform::Message error = platform().messages[1];
        QCOMPARE(error.style, int(MessageBoxStyle::Critical));
        QVERIFY(error.text.startsWith(u"Barwright could not perform this operation due to the "
                                      "following error:\r\n\r\n\""_s));
        QVERIFY(error.text.endsWith(u'"') && error.text.size() > 75);
        QVERIFY(SchemeChanged);
    }

    void loadSwitchesModesAndFillsTheBoxes()
    {
        QVERIFY(WriteFile(inProgramDir(u"base.brw"_s),
                          Header + "[Type]\r\nIsBase=1\r\n[Color]\r\nValue=#336699\r\n"));
        QVERIFY(WriteFile(inProgramDir(u"seven.brw"_s),
                          Header
                              + "[Type]\r\nIsBase=01\r\n[Colors]\r\nValue 0=#FF0000\r\n"
                                "Value 6=#00ff00\r\n"));
        box(Arrow)->put(u"#ABCDEF"_s);
        platform().messageAnswers = {Result::No};
        platform().fileAnswers = {inProgramDir(u"base.brw"_s)};
        trigger(u"mnuFileLoad"_s);
        QCOMPARE(platform().fileDialogs[0].title, u"Load Color Scheme..."_s);
        QCOMPARE(platform().fileDialogs[0].filter, u"BRW Color Scheme Files(*.brw)|*.brw"_s);
        QVERIFY(!platform().fileDialogs[0].save);
        // The changed scheme was offered for saving first; No goes on.
        QCOMPARE(platform().messageTitles(), QStringList{u"Save Changes?"_s});
        QVERIFY(window()->baseColorCheck()->isChecked());
        QVERIFY(box(Base)->isEnabled() && !box(Face)->isEnabled());
        QCOMPARE(box(Base)->text(), u"#336699"_s);
        QCOMPARE(box(Arrow)->text(), u"#ABCDEF"_s);
        QVERIFY(!SchemeChanged);

        platform().fileAnswers = {inProgramDir(u"seven.brw"_s)};
        trigger(u"mnuFileLoad"_s);
        QVERIFY(!window()->baseColorCheck()->isChecked());
        QCOMPARE(texts(), (QStringList{u"#FF0000"_s, u"#"_s, u"#"_s, u"#"_s, u"#"_s, u"#"_s,
                                       u"#00ff00"_s, u"#336699"_s})); // missing keys leave "#"
        QCOMPARE(shown(Track), 0x00FF00);
        QCOMPARE(CurrentSchemeFile, inProgramDir(u"seven.brw"_s));
        QVERIFY(!SchemeChanged);
        QCOMPARE(platform().messages.size(), 1); // nothing was changed since the last load
    }

    void aFailedLoadChangesNothing()
    {
        // Which files are refused is the header check's business; here, what a refusal does.
        const QString path = inProgramDir(u"bad.brw"_s);
        QVERIFY(WriteFile(path, QByteArray(Header).toLower()));
        box(Highlight)->put(u"#123456"_s);
        platform().messageAnswers = {Result::No};
        platform().fileAnswers = {path};
        trigger(u"mnuFileLoad"_s);
        QCOMPARE(platform().messageTitles(), (QStringList{u"Save Changes?"_s, u"Oops!"_s}));
        QCOMPARE(platform().messages[1].text,
                 u"Could not load \"bad.brw\". The file is either corrupt, not a valid Barwright "
                 "color scheme file, or no longer exists."_s);
        QCOMPARE(platform().messages[1].style, int(MessageBoxStyle::Exclamation));
        QCOMPARE(box(Highlight)->text(), u"#123456"_s);
        QCOMPARE(box(Face)->text(), u"#C0C0C0"_s);
        QVERIFY(SchemeChanged);
    }

    void questionsBeforeLoadingAndClosing()
    {
        QVERIFY(window()->close()); // unchanged: nothing asked
        QVERIFY(platform().messages.isEmpty());
        window()->show();
        box(Light3D)->put(u"#111111"_s);
        platform().messageAnswers = {Result::Cancel};
        QTest::mouseClick(button(u"Command2"_s), Qt::LeftButton);
        QVERIFY(platform().fileDialogs.isEmpty());
        QCOMPARE(platform().messages[0].text,
                 u"You have made changes to the current color scheme. Would you like to save it "
                 "before loading another?"_s);
        QCOMPARE(platform().messages[0].style, 35);

        platform().messageAnswers = {Result::Yes}; // and the save dialog is cancelled
        trigger(u"mnuFileLoad"_s);
        QCOMPARE(platform().fileDialogs.size(), 1);
        QVERIFY(platform().fileDialogs[0].save);

        platform().messageAnswers = {Result::Cancel};
        QVERIFY(!window()->close());
        QCOMPARE(platform().messages.last().text,
                 u"You have made changes to the current color scheme. Would you like to save it "
                 "before exiting?"_s);
        platform().messageAnswers = {Result::Yes};
        QVERIFY(!window()->close()); // save dialog cancelled
        platform().messageAnswers = {Result::Yes};
        platform().fileAnswers = {inProgramDir(u"closing.brw"_s)};
        QVERIFY(window()->close());
        QVERIFY(QFile::exists(inProgramDir(u"closing.brw"_s)));
    }

    void restoreDefaults()
    {
        trigger(u"mnuEditRestDef"_s); // nothing changed: no question
        QVERIFY(platform().messages.isEmpty());
        QVERIFY(SchemeChanged);

        window()->baseColorCheck()->setChecked(true);
        box(Base)->put(u"#336699"_s);
        box(DarkShadow)->put(u"#123456"_s);
        platform().messageAnswers = {Result::Cancel};
        trigger(u"mnuEditRestDef"_s);
        QCOMPARE(platform().messages.last().text,
                 u"This will restore all color values to the program defaults. Would you like to "
                 "save the current color scheme first?"_s);
        QVERIFY(window()->baseColorCheck()->isChecked());
        QCOMPARE(box(DarkShadow)->text(), u"#123456"_s);

        platform().messageAnswers = {Result::Yes}; // then the save dialog is cancelled: go on
        trigger(u"mnuEditRestDef"_s);
        QVERIFY(!window()->baseColorCheck()->isChecked());
        QVERIFY(box(Face)->isEnabled() && !box(Base)->isEnabled());
        QVERIFY(!diagram()->examplePanel()->isVisibleTo(window()));
        QCOMPARE(box(Base)->text(), u"#"_s);
        QCOMPARE(box(DarkShadow)->text(), u"#000000"_s);
        QCOMPARE(shown(DarkShadow), 0);
        QVERIFY(SchemeChanged);
    }

    void baseColourNoticeIsShownUntilDeclined()
    {
        QVERIFY(ProgramSettings().DeleteSetting(u"General"_s, u"Show Message 2"_s));
        const QStringList before = texts();
        QStringList shownTitles;
        const auto answer = [&](bool showAgain) {
            WhenModal<NoticeDialog>([&, showAgain](NoticeDialog *notice) {
                shownTitles << notice->windowTitle();
                VerifyTextsFit(notice);
                QVERIFY(notice->showAgainCheck()->isChecked());
                notice->showAgainCheck()->setChecked(showAgain);
                QTest::keyClick(notice, Qt::Key_Return); // OK is the default button
            });
        };
        QCheckBox *check = window()->baseColorCheck();
        answer(true);
        check->setChecked(true);
        QCOMPARE(shownTitles, QStringList{u"Important Message"_s});
        QCOMPARE(ProgramSettings().GetSetting(u"General"_s, u"Show Message 2"_s), u"1"_s);
        check->setChecked(false); // unticking never asks
        answer(false);
        check->setChecked(true);
        QCOMPARE(shownTitles.size(), 2);
        QCOMPARE(ProgramSettings().GetSetting(u"General"_s, u"Show Message 2"_s), u"0"_s);
        check->setChecked(false);
        check->setChecked(true); // no notice now; a shown one would never be answered
        QVERIFY(diagram()->examplePanel()->isVisibleTo(window()));
        QCOMPARE(texts(), before);
        QVERIFY(!SchemeChanged);
        QCOMPARE(shown(Face), 0xC0C0C0);
    }

    void importFromPage()
    {
        QVERIFY(WriteFile(inProgramDir(u"old.htm"_s),
                          "<BODY STYLE=\"scrollbar-face-color: #123456\">\r\n"));
        QVERIFY(WriteFile(inProgramDir(u"base.css"_s),
                          "body { scrollbar-base-color: navy }\r\n"));
        QVERIFY(WriteFile(inProgramDir(u"none.css"_s),
                          "textarea { scrollbar-face-color: red }\r\n"));
        QVERIFY(WriteFile(inProgramDir(u"junk.html"_s), QByteArray(4096, '\0')));
        CurrentSchemeFile = inProgramDir(u"mine.brw"_s);
        box(1)->put(u"#ABCDEF"_s);
        QString heading;
        QString report;
        const auto readReport = [&] {
            WhenModal<ImportReportWindow>([&](ImportReportWindow *shown) {
                heading = shown->findChild<QLabel *>(u"lblHeading"_s)->text();
                report = shown->reportText()->toPlainText();
                QTest::mouseClick(shown->copyButton(), Qt::LeftButton);
                QTest::mouseClick(shown->doneButton(), Qt::LeftButton);
            });
        };

        platform().messageAnswers = {Result::Cancel};
        trigger(u"mnuFileImport"_s);
        QCOMPARE(platform().messageTitles(), QStringList{u"Save Changes?"_s});
        QVERIFY(platform().fileDialogs.isEmpty());

        platform().messageAnswers = {Result::No};
        platform().fileAnswers = {inProgramDir(u"old.htm"_s)};
        readReport();
        trigger(u"mnuFileImport"_s);
        QCOMPARE(platform().messageTitles()[1], u"Save Changes?"_s);
        QCOMPARE(heading, u"The scrollbar colours of \"old.htm\" are now in the boxes."_s);
        QVERIFY(report.contains(u"Line 1, BODY style attribute: scrollbar-face-color: #123456, "
                                "applied."_s));
        QCOMPARE(platform().clipboard, report);
        QCOMPARE(box(0)->text(), u"#123456"_s);
        QCOMPARE(box(1)->text(), u"#FFFFFF"_s); // the default scheme's
        QCOMPARE(window()->diagram()->DiagramElementColor(0), 0x563412);
        QCOMPARE(CurrentSchemeFile, inProgramDir(u"mine.brw"_s));
        QVERIFY(SchemeChanged);

        platform().messageAnswers = {Result::No};
        platform().fileAnswers = {inProgramDir(u"base.css"_s)};
        readReport();
        trigger(u"mnuFileImport"_s);
        QVERIFY(window()->baseColorCheck()->isChecked());
        QCOMPARE(box(7)->text(), u"#000080"_s);
        QVERIFY(window()->diagram()->examplePanel()->isVisibleTo(window()));

        const SchemeTexts before = window()->schemeTexts();
        SchemeChanged = false;
        platform().fileAnswers = {inProgramDir(u"none.css"_s)};
        readReport();
        trigger(u"mnuFileImport"_s);
        QCOMPARE(heading, u"\"none.css\" has no legacy scrollbar colours for the page. The scheme "
                          "is unchanged."_s);
        QVERIFY(report.contains(u"not the page's own scrollbar"_s));
        QCOMPARE(window()->schemeTexts().texts, before.texts);
        QVERIFY(!SchemeChanged);

        const ModalWindowCatcher noReport(u"frmImportReport"_s);
        for (const char *file : {"junk.html", "missing.html"}) {
            platform().fileAnswers = {inProgramDir(QString::fromLatin1(file))};
            trigger(u"mnuFileImport"_s);
        }
        QCOMPARE(platform().messages.size(), 5);
        QCOMPARE(platform().messages[3].text,
                 u"Could not import \"junk.html\": the file is not text."_s);
        QCOMPARE(platform().messages[4].text, u"Could not import \"missing.html\": the file could "
                                              "not be read (No such file or directory)."_s);
        QCOMPARE(noReport.caught(), 0);
        QCOMPARE(window()->schemeTexts().texts, before.texts);
    }
};

BARWRIGHT_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
