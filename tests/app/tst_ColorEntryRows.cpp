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
#include <QClipboard>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const QString OopsText = u"Please enter a valid color value or click the color palette button "
                         "to choose a color."_s;
enum { Face, Arrow, Highlight, Light3D, Shadow, DarkShadow, Track, Base };

} // namespace

class TestColorEntryRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWithTheDefaultScheme();
    void theHashCannotBeTypedAndComesBack();
    void diagramFollowsOnlyCompleteEntries();
    void refusedEntriesAreRepairedFromTheDiagram_data();
    void refusedEntriesAreRepairedFromTheDiagram();
    void baseColourKeepsARefusedEntry();
    void lowerCaseEntriesAreAccepted();
    void typingOverTheHashGivesAnEightCharacterText();
    void overflowingEntriesAreRefused();
    void paletteButton();
    void anyTextCanBePutOrPasted();
    void enterRunsGenerateCode();

private:
    EntryBox *box(int index) const { return m_fixture->window->entryBox(index); }
    int shown(int element) const { return m_fixture->diagram->DiagramElementColor(element); }
    void paste(int index, const QString &text);

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestColorEntryRows::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
}

void TestColorEntryRows::cleanup()
{
    m_fixture.reset();
}

void TestColorEntryRows::paste(int index, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box(index)->setFocus();
    QTest::keyClick(box(index), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box(index), Qt::Key_V, Qt::ControlModifier);
}

void TestColorEntryRows::startsWithTheDefaultScheme()
{
    const QStringList defaults{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s,
                               u"#808080"_s, u"#000000"_s, u"#E0E0E0"_s, u"#"_s};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(box(i)->text(), defaults[i]);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(ColorToHex(shown(i)), defaults[i]);
    QVERIFY(!SchemeChanged);
    QVERIFY(m_fixture->platform.messages.isEmpty());
    for (int i = 0; i < 7; ++i)
        QVERIFY(box(i)->isEnabled());
    QVERIFY(!box(Base)->isEnabled());
    QVERIFY(!m_fixture->window->baseColorCheck()->isChecked());
}

void TestColorEntryRows::theHashCannotBeTypedAndComesBack()
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
    QVERIFY(!face->hasSelectedText());
    QVERIFY(SchemeChanged);
}

void TestColorEntryRows::diagramFollowsOnlyCompleteEntries()
{
    EntryBox *shadow = box(Shadow);
    shadow->setFocus();
    QTest::keyClick(shadow, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(shadow, u"c"_s);
    QCOMPARE(shadow->text(), u"#C"_s);
    QCOMPARE(shadow->cursorPosition(), 2);
    QVERIFY(SchemeChanged);

    QTest::keyClicks(shadow, u"1a2b"_s);
    QCOMPARE(shadow->text(), u"#C1A2B"_s);
    QCOMPARE(shown(Shadow), 0x808080);
    QTest::keyClicks(shadow, u"3"_s);
    QCOMPARE(shadow->text(), u"#C1A2B3"_s);
    QCOMPARE(shown(Shadow), 0xB3A2C1);
    QCOMPARE(m_fixture->diagram->DiagramElementColor(Face), 0xC0C0C0);
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void TestColorEntryRows::refusedEntriesAreRepairedFromTheDiagram_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("repaired");
    QTest::addColumn<QString>("selected");
    QTest::newRow("G inside, highlight")
        << int(Highlight) << u"#12G456"_s << u"#FFFFFF"_s << u"FFFFFF"_s;
    QTest::newRow("G last, track") << int(Track) << u"#12345G"_s << u"#E0E0E0"_s << u"E0E0E0"_s;
    QTest::newRow("blank inside, face") << int(Face) << u"#12 456"_s << u"#C0C0C0"_s << u"C0C0C0"_s;
    // The "#" put in front makes it complete and refused; the caret then goes to the end.
    QTest::newRow("without hash, shadow")
        << int(Shadow) << u"1234G6"_s << u"#808080"_s << QString();
}

void TestColorEntryRows::refusedEntriesAreRepairedFromTheDiagram()
{
    QFETCH(int, index);
    QFETCH(QString, pasted);
    QFETCH(QString, repaired);
    QFETCH(QString, selected);
    const int before = shown(index);
    paste(index, pasted);

    const auto &messages = m_fixture->platform.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"Oops!"_s);
    QCOMPARE(messages[0].text, OopsText);
    QCOMPARE(messages[0].style, 16432);
    QCOMPARE(box(index)->text(), repaired);
    QCOMPARE(box(index)->selectedText(), selected);
    if (selected.isEmpty())
        QCOMPARE(box(index)->cursorPosition(), 7);
    QCOMPARE(m_fixture->window->focusWidget(), box(index));
    QCOMPARE(shown(index), before);
}

void TestColorEntryRows::baseColourKeepsARefusedEntry()
{
    box(Base)->put(u"#12G456"_s);
    QCOMPARE(m_fixture->platform.messageTitles(), QStringList{u"Oops!"_s});
    QCOMPARE(box(Base)->text(), u"#12G456"_s);
    QCOMPARE(box(Base)->selectedText(), u"12G456"_s);
}

void TestColorEntryRows::lowerCaseEntriesAreAccepted()
{
    paste(Arrow, u"#1a2b3c"_s);
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(box(Arrow)->text(), u"#1a2b3c"_s);
    // The diagram shows the colour the style sheet will get.
    QCOMPARE(ColorToHex(shown(Arrow)), u"#1A2B3C"_s);
}

void TestColorEntryRows::typingOverTheHashGivesAnEightCharacterText()
{
    m_fixture->diagram->paintElementColor(Shadow, 0);
    EntryBox *shadow = box(Shadow);
    shadow->setFocus();
    shadow->select(0, 1);
    QTest::keyClicks(shadow, u"1"_s);
    // "1808080" is complete: the diagram shows #808080, then the "#" comes back in front.
    QCOMPARE(shown(Shadow), 0x808080);
    QCOMPARE(shadow->text(), u"#1808080"_s);
    QCOMPARE(shadow->cursorPosition(), 8);
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void TestColorEntryRows::overflowingEntriesAreRefused()
{
    box(Light3D)->put(QChar(0xFF) + u"123456"_s);
    QCOMPARE(m_fixture->platform.messageTitles(), QStringList{u"Oops!"_s});
    QCOMPARE(box(Light3D)->text(), u"#C0C0C0"_s);
    QCOMPARE(shown(Light3D), 0xC0C0C0);

    box(Base)->put(QChar(0x4E00) + u"123456"_s);
    QCOMPARE(m_fixture->platform.messages.size(), 2);
    // Refused and left as it is, without a "#" in front.
    QCOMPARE(box(Base)->text(), QChar(0x4E00) + u"123456"_s);
}

void TestColorEntryRows::paletteButton()
{
    ScriptedPlatform &platform = m_fixture->platform;
    platform.colorAnswers = {-1};
    QTest::mouseClick(m_fixture->window->findChild<QPushButton *>(u"selbttn2"_s), Qt::LeftButton);
    QCOMPARE(platform.colorRequests, QList<int>{0xFFFFFF});
    QCOMPARE(box(Highlight)->text(), u"#FFFFFF"_s);
    QVERIFY(!SchemeChanged);

    platform.colorAnswers = {0x0000FF};
    QTest::mouseClick(m_fixture->window->findChild<QPushButton *>(u"selbttn0"_s), Qt::LeftButton);
    QCOMPARE(box(Face)->text(), u"#FF0000"_s);
    QCOMPARE(shown(Face), 0x0000FF);
    QCOMPARE(m_fixture->diagram->arrowBox()->backColor(), 0x0000FF);
    QVERIFY(SchemeChanged);

    // The same colour again still counts as a change.
    SchemeChanged = false;
    platform.colorAnswers = {0x0000FF};
    QTest::mouseClick(m_fixture->window->findChild<QPushButton *>(u"selbttn0"_s), Qt::LeftButton);
    QVERIFY(SchemeChanged);

    // The base colour's "#" opens the dialog on #FFFFEC.
    ProgramSettings().SaveSetting(u"General"_s, u"Show Message 2"_s, u"0"_s);
    m_fixture->window->baseColorCheck()->setChecked(true);
    platform.colorAnswers = {0x336699};
    QTest::mouseClick(m_fixture->window->findChild<QPushButton *>(u"selbttn7"_s), Qt::LeftButton);
    QCOMPARE(platform.colorRequests.last(), HexToColor(u"#FFFFEC"_s));
    QCOMPARE(box(Base)->text(), u"#996633"_s);
    QVERIFY(platform.messages.isEmpty());
}

void TestColorEntryRows::anyTextCanBePutOrPasted()
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 40; ++round) {
        QString text;
        const int length = round == 0 ? 1000 : int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(random.bounded(1, 0xD7FF)));
        const int index = int(random.bounded(8));
        box(index)->put(text);
        // Kept as put, with a "#" in front, unless a complete entry was refused: then rows
        // 0 to 6 show their diagram colour again and the base row keeps it.
        const QString now = box(index)->text();
        if (text.startsWith(u'#'))
            QVERIFY(now == text || (index < 7 && now == ColorToHex(shown(index))));
        else if (text.size() == 7 && !IsAcceptableColorEntry(text))
            QCOMPARE(now, index < 7 ? ColorToHex(shown(index)) : text);
        else
            QVERIFY(now == u'#' + text || (index < 7 && now == ColorToHex(shown(index))));
    }
    const QString thousand(1000, u'9');
    paste(Track, thousand);
    // Seven characters are pasted and shown; the "#" then comes in front.
    QCOMPARE(box(Track)->text(), u"#9999999"_s);
    QCOMPARE(shown(Track), 0x999999);
}

void TestColorEntryRows::enterRunsGenerateCode()
{
    QSignalSpy generate(m_fixture->window->findChild<QPushButton *>(u"Command1"_s),
                        &QPushButton::clicked);
    WhenModal(u"Form2"_s, [](QWidget *codeWindow) { codeWindow->close(); });
    box(Track)->setFocus();
    QTest::keyClick(box(Track), Qt::Key_Return);
    QCOMPARE(generate.size(), 1);
    QCOMPARE(box(Track)->text(), u"#E0E0E0"_s);
}

BARWRIGHT_TEST_MAIN(TestColorEntryRows)
#include "tst_ColorEntryRows.moc"
