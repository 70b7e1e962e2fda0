#include "app/ImportReportWindow.h"
#include "app/NoticeDialog.h"
#include "color/ColorValues.h"
#include "diagram/ScrollbarDiagram.h"
#include "storage/CRegSettings.h"
#include "storage/SchemeState.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

using namespace Qt::StringLiterals;
namespace Result = MessageBoxResult;

namespace {

const QByteArray Header = "Barwright Color Scheme File (Do not edit manually)\r\n";

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSchemeCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void saveAsksForANameAndSaves();
    void aFailedSaveIsReportedAndNotCounted();
    void loadSwitchesModesAndFillsTheBoxes();
    void failedLoadsChangeNothing_data();
    void failedLoadsChangeNothing();
    void questionsBeforeLoadingAndClosing();
    void restoreDefaults();
    void baseColourNoticeIsShownUntilDeclined();
    void importFromPage();

private:
    MainWindow *window() const { return m_fixture->window.get(); }
    ScriptedPlatform &platform() const { return m_fixture->platform; }
    QString inFolder(const QString &name) const
    {
        return QDir(m_fixture->programDir.path()).filePath(name);
    }
    void trigger(const char *action) const
    {
        window()->findChild<QAction *>(QString::fromLatin1(action))->trigger();
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestSchemeCommands::init()
{
    CurrentSchemeFile.clear();
    ProgramSettings().SaveSetting(u"General"_s, u"Show Message 2"_s, u"0"_s);
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
}

void TestSchemeCommands::cleanup()
{
    m_fixture.reset();
}

void TestSchemeCommands::saveAsksForANameAndSaves()
{
    trigger("mnuFileSave"); // cancelled
    QCOMPARE(platform().fileDialogs.size(), 1);
    const ScriptedPlatform::FileDialog first = platform().fileDialogs[0];
    QVERIFY(first.save);
    QCOMPARE(first.title, u"Save Color Scheme as..."_s);
    QCOMPARE(first.filter, u"BRW Color Scheme Files (*.brw)|*.brw"_s);
    QCOMPARE(first.folder, m_fixture->programDir.path());
    QCOMPARE(first.fileName, QString());
    QVERIFY(CurrentSchemeFile.isEmpty());

    window()->entryBox(4)->put(u"#123456"_s);
    platform().fileAnswers = {inFolder(u"mine"_s)}; // no extension typed
    QTest::mouseClick(window()->findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);
    QCOMPARE(CurrentSchemeFile, inFolder(u"mine.brw"_s));
    QVERIFY(QFile::exists(CurrentSchemeFile));
    QVERIFY(!SchemeChanged);

    trigger("mnuFileSave");
    QCOMPARE(platform().fileDialogs.last().fileName, u"mine.brw"_s); // the name, no folder

    // "mine." names the same file, which the dialog did not check: replacing it is asked, and
    // "No" goes back to the dialog, here cancelled.
    window()->entryBox(4)->put(u"#654321"_s);
    platform().fileAnswers = {inFolder(u"mine."_s)};
    platform().messageAnswers = {Result::No};
    trigger("mnuFileSave");
    QCOMPARE(platform().messageTitles(), QStringList{u"Save Color Scheme as..."_s});
    QCOMPARE(platform().messages[0].text,
             u"mine.brw already exists.\r\nDo you want to replace it?"_s);
    QCOMPARE(platform().fileDialogs.last().fileName, u"mine.brw"_s);
    QVERIFY(SchemeChanged);

    // A program folder where nothing can be saved sends the dialog to the user's documents.
    platform().programDir = inFolder(u"mine.brw/not-a-folder"_s);
    trigger("mnuFileLoad");
    QCOMPARE(platform().fileDialogs.last().folder,
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void TestSchemeCommands::aFailedSaveIsReportedAndNotCounted()
{
    window()->entryBox(0)->put(u"#010203"_s);
    platform().fileAnswers = {inFolder(u"missing/folder/x.brw"_s)};
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

void TestSchemeCommands::loadSwitchesModesAndFillsTheBoxes()
{
    write(inFolder(u"base.brw"_s), Header + "[Type]\r\nIsBase=1\r\n[Color]\r\nValue=#336699\r\n");
    write(inFolder(u"seven.brw"_s),
          Header + "[Type]\r\nIsBase=01\r\n[Colors]\r\nValue 0=#FF0000\r\nValue 6=#00ff00\r\n");
    window()->entryBox(1)->put(u"#ABCDEF"_s);

    platform().messageAnswers = {Result::No};
    platform().fileAnswers = {inFolder(u"base.brw"_s)};
    trigger("mnuFileLoad");
    QCOMPARE(platform().fileDialogs[0].title, u"Load Color Scheme..."_s);
    QCOMPARE(platform().fileDialogs[0].filter, u"BRW Color Scheme Files(*.brw)|*.brw"_s);
    QVERIFY(!platform().fileDialogs[0].save);
    // The changed scheme was offered for saving first; No goes on.
    QCOMPARE(platform().messageTitles(), QStringList{u"Save Changes?"_s});
    QVERIFY(window()->baseColorCheck()->isChecked());
    QVERIFY(window()->entryBox(7)->isEnabled() && !window()->entryBox(0)->isEnabled());
    QCOMPARE(window()->entryBox(7)->text(), u"#336699"_s);
    QCOMPARE(window()->entryBox(1)->text(), u"#ABCDEF"_s);
    QVERIFY(!SchemeChanged);

    platform().fileAnswers = {inFolder(u"seven.brw"_s)};
    trigger("mnuFileLoad");
    QVERIFY(!window()->baseColorCheck()->isChecked());
    QCOMPARE(window()->entryBox(0)->text(), u"#FF0000"_s);
    QCOMPARE(window()->entryBox(6)->text(), u"#00ff00"_s);
    QCOMPARE(window()->entryBox(1)->text(), u"#"_s); // missing keys leave "#"
    QCOMPARE(window()->entryBox(7)->text(), u"#336699"_s);
    QCOMPARE(window()->diagram()->DiagramElementColor(6), 0x00FF00);
    QCOMPARE(CurrentSchemeFile, inFolder(u"seven.brw"_s));
    QVERIFY(!SchemeChanged);
    QCOMPARE(platform().messages.size(), 1); // nothing was changed since the last load
}

void TestSchemeCommands::failedLoadsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("wrong-case header") << QByteArray(Header).toLower() << true;
    QTest::newRow("another kind") << QByteArray("<html></html>\r\n") << true;
    QTest::newRow("deleted") << QByteArray() << false;
}

void TestSchemeCommands::failedLoadsChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    const QString path = inFolder(u"bad.brw"_s);
    if (exists)
        write(path, bytes);
    window()->entryBox(2)->put(u"#123456"_s);
    platform().messageAnswers = {Result::No};
    platform().fileAnswers = {path};
    trigger("mnuFileLoad");

    QCOMPARE(platform().messageTitles(), (QStringList{u"Save Changes?"_s, u"Oops!"_s}));
    QCOMPARE(platform().messages[1].text,
             u"Could not load \"bad.brw\". The file is either corrupt, not a valid Barwright "
             "color scheme file, or no longer exists."_s);
    QCOMPARE(platform().messages[1].style, int(MessageBoxStyle::Exclamation));
    QCOMPARE(window()->entryBox(2)->text(), u"#123456"_s);
    QCOMPARE(window()->entryBox(0)->text(), u"#C0C0C0"_s);
    QVERIFY(SchemeChanged);
}

void TestSchemeCommands::questionsBeforeLoadingAndClosing()
{
    window()->entryBox(3)->put(u"#111111"_s);
    platform().messageAnswers = {Result::Cancel};
    QTest::mouseClick(window()->findChild<QPushButton *>(u"Command2"_s), Qt::LeftButton);
    QVERIFY(platform().fileDialogs.isEmpty());
    QCOMPARE(platform().messages[0].text,
             u"You have made changes to the current color scheme. Would you like to save it "
             "before loading another?"_s);
    QCOMPARE(platform().messages[0].style, 35);

    platform().messageAnswers = {Result::Yes}; // and the save dialog is cancelled
    trigger("mnuFileLoad");
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
    platform().fileAnswers = {inFolder(u"closing.brw"_s)};
    QVERIFY(window()->close());
    QVERIFY(QFile::exists(inFolder(u"closing.brw"_s)));
}

void TestSchemeCommands::restoreDefaults()
{
    trigger("mnuEditRestDef"); // nothing changed: no question
    QVERIFY(platform().messages.isEmpty());
    QVERIFY(SchemeChanged);

    window()->baseColorCheck()->setChecked(true);
    window()->entryBox(7)->put(u"#336699"_s);
    window()->entryBox(5)->put(u"#123456"_s);
    platform().messageAnswers = {Result::Cancel};
    trigger("mnuEditRestDef");
    QCOMPARE(platform().messages.last().text,
             u"This will restore all color values to the program defaults. Would you like to "
             "save the current color scheme first?"_s);
    QVERIFY(window()->baseColorCheck()->isChecked());
    QCOMPARE(window()->entryBox(5)->text(), u"#123456"_s);

    platform().messageAnswers = {Result::Yes}; // then the save dialog is cancelled: go on
    trigger("mnuEditRestDef");
    QVERIFY(!window()->baseColorCheck()->isChecked());
    QVERIFY(window()->entryBox(0)->isEnabled() && !window()->entryBox(7)->isEnabled());
    QVERIFY(!window()->diagram()->examplePanel()->isVisibleTo(window()));
    QCOMPARE(window()->entryBox(7)->text(), u"#"_s);
    QCOMPARE(window()->entryBox(5)->text(), u"#000000"_s);
    QCOMPARE(window()->diagram()->DiagramElementColor(5), 0);
    QVERIFY(SchemeChanged);
}

void TestSchemeCommands::baseColourNoticeIsShownUntilDeclined()
{
    QVERIFY(ProgramSettings().DeleteSetting(u"General"_s, u"Show Message 2"_s));
    const auto texts = window()->schemeTexts().texts;
    QStringList shown;
    const auto answer = [&](bool showAgain) {
        WhenModal<NoticeDialog>([&, showAgain](NoticeDialog *notice) {
            shown << notice->windowTitle();
            QVERIFY(notice->showAgainCheck()->isChecked());
            notice->showAgainCheck()->setChecked(showAgain);
            QTest::keyClick(notice, Qt::Key_Return); // OK is the default button
        });
    };
    QCheckBox *check = window()->baseColorCheck();
    answer(true);
    check->setChecked(true);
    QCOMPARE(shown, QStringList{u"Important Message"_s});
    QCOMPARE(ProgramSettings().GetSetting(u"General"_s, u"Show Message 2"_s), u"1"_s);
    check->setChecked(false); // unticking never asks
    answer(false);
    check->setChecked(true);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(ProgramSettings().GetSetting(u"General"_s, u"Show Message 2"_s), u"0"_s);
    check->setChecked(false);
    check->setChecked(true); // no notice now; a shown one would never be answered
    QVERIFY(window()->diagram()->examplePanel()->isVisibleTo(window()));

    QCOMPARE(window()->schemeTexts().texts, texts);
    QVERIFY(!SchemeChanged);
    QCOMPARE(window()->diagram()->DiagramElementColor(0), 0xC0C0C0);
}

void TestSchemeCommands::importFromPage()
{
    write(inFolder(u"old.htm"_s), "<BODY STYLE=\"scrollbar-face-color: #123456\">\r\n");
    write(inFolder(u"base.css"_s), "body { scrollbar-base-color: navy }\r\n");
    write(inFolder(u"none.css"_s), "textarea { scrollbar-face-color: red }\r\n");
    write(inFolder(u"junk.html"_s), QByteArray(4096, '\0'));
    CurrentSchemeFile = inFolder(u"mine.brw"_s);
    window()->entryBox(1)->put(u"#ABCDEF"_s);
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
    trigger("mnuFileImport");
    QCOMPARE(platform().messageTitles(), QStringList{u"Save Changes?"_s});
    QVERIFY(platform().fileDialogs.isEmpty());

    platform().messageAnswers = {Result::No};
    platform().fileAnswers = {inFolder(u"old.htm"_s)};
    readReport();
    trigger("mnuFileImport");
    QCOMPARE(platform().messages[1].text,
             u"You have made changes to the current color scheme. Would you like to save it "
             "before importing another?"_s);
    QCOMPARE(platform().fileDialogs[0].title, u"Import from Page..."_s);
    QCOMPARE(heading, u"The scrollbar colours of \"old.htm\" are now in the boxes."_s);
    QVERIFY(report.contains(u"Line 1, BODY style attribute: scrollbar-face-color: #123456, "
                            "applied."_s));
    QCOMPARE(platform().clipboard, report);
    QCOMPARE(window()->entryBox(0)->text(), u"#123456"_s);
    QCOMPARE(window()->entryBox(1)->text(), u"#FFFFFF"_s); // the default scheme's
    QCOMPARE(window()->diagram()->DiagramElementColor(0), 0x563412);
    QCOMPARE(CurrentSchemeFile, inFolder(u"mine.brw"_s));
    QVERIFY(SchemeChanged);

    platform().messageAnswers = {Result::No};
    platform().fileAnswers = {inFolder(u"base.css"_s)};
    readReport();
    trigger("mnuFileImport");
    QVERIFY(window()->baseColorCheck()->isChecked());
    QCOMPARE(window()->entryBox(7)->text(), u"#000080"_s);
    QVERIFY(window()->diagram()->examplePanel()->isVisibleTo(window()));

    const SchemeTexts before = window()->schemeTexts();
    SchemeChanged = false;
    platform().fileAnswers = {inFolder(u"none.css"_s)};
    readReport();
    trigger("mnuFileImport");
    QCOMPARE(heading, u"\"none.css\" has no legacy scrollbar colours for the page. The scheme "
                      "is unchanged."_s);
    QVERIFY(report.contains(u"not the page's own scrollbar"_s));
    QCOMPARE(window()->schemeTexts().texts, before.texts);
    QVERIFY(!SchemeChanged);

    const ModalWindowCatcher noReport(u"frmImportReport"_s);
    for (const char *file : {"junk.html", "missing.html"}) {
        platform().fileAnswers = {inFolder(QString::fromLatin1(file))};
        trigger("mnuFileImport");
    }
    QCOMPARE(platform().messages.size(), 5);
    QCOMPARE(platform().messages[3].text,
             u"Could not import \"junk.html\": the file is not text."_s);
    QCOMPARE(platform().messages[4].text, u"Could not import \"missing.html\": the file could "
                                          "not be read (No such file or directory)."_s);
    QCOMPARE(noReport.caught(), 0);
    QCOMPARE(window()->schemeTexts().texts, before.texts);
}

BARWRIGHT_TEST_MAIN(TestSchemeCommands)
#include "tst_SchemeCommands.moc"
