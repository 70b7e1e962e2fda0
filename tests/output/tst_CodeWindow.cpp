#include "output/CodeWindow.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"
#include "toolkit/Twips.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

using namespace Qt::StringLiterals;

class TestCodeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsStandWhereTheyAreDesigned();
    void generateCodeShowsTheWholeBlockSelected_data();
    void generateCodeShowsTheWholeBlockSelected();
    void copyTakesTheWholeBlockWithItsLineEnds();

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestCodeWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
    m_fixture->window->entryBox(0)->put(u"#123456"_s);
}

void TestCodeWindow::cleanup()
{
    m_fixture.reset();
}

void TestCodeWindow::controlsStandWhereTheyAreDesigned()
{
    CodeWindow window(u"code"_s, m_fixture->platform, nullptr);
    QCOMPARE(window.objectName(), u"Form2"_s);
    QCOMPARE(window.windowTitle(), u"Barwright - Code"_s);
    QCOMPARE(window.size(), twipsSize(4950, 4710));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const std::pair<const char16_t *, QRect> controls[] = {
        {u"Label1", {90, 60, 4815, 465}},
        {u"Text1", {90, 600, 4755, 3525}},
        {u"Command2", {1560, 4200, 2205, 435}},
        {u"Command1", {3840, 4200, 1035, 435}},
    };
    for (const auto &[name, twips] : controls) {
        auto *control = window.findChild<QWidget *>(QString::fromUtf16(name));
        QVERIFY(control);
        QCOMPARE(control->geometry(),
                 twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }
    QCOMPARE(window.copyButton()->text(), u"Copy to Clipboard"_s);
    QCOMPARE(window.doneButton()->text(), u"Done"_s);
    QVERIFY(window.codeText()->isReadOnly());
}

void TestCodeWindow::generateCodeShowsTheWholeBlockSelected_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("menu entry") << true;
    QTest::newRow("button") << false;
}

void TestCodeWindow::generateCodeShowsTheWholeBlockSelected()
{
    QFETCH(bool, fromMenu);
    MainWindow *main = m_fixture->window.get();
    // Twice: each opening is a fresh window with everything selected again.
    for (int opening = 0; opening < 2; ++opening) {
        bool answered = false;
        WhenModal(u"Form2"_s, [&](QWidget *modal) {
            auto *window = qobject_cast<CodeWindow *>(modal);
            QVERIFY(window);
            QPlainTextEdit *text = window->codeText();
            const QString block = BuildStyleBlock(main->schemeTexts());
            QVERIFY(block.contains(u"scrollbar-face-color:#123456;\r\n"_s));
            QCOMPARE(text->toPlainText(), QString(block).replace(u"\r\n"_s, u"\n"_s));
            QCOMPARE(text->textCursor().selectionStart(), 0);
            QCOMPARE(text->textCursor().selectionEnd(), text->document()->characterCount() - 1);
            QCOMPARE(QApplication::focusWidget(), text);
            answered = true;
            text->moveCursor(QTextCursor::End); // dropped with the window
            window->doneButton()->click();
        });
        if (fromMenu)
            main->findChild<QAction *>(u"mnuFileCopy"_s)->trigger();
        else
            main->findChild<QPushButton *>(u"Command1"_s)->click();
        QVERIFY(answered);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void TestCodeWindow::copyTakesTheWholeBlockWithItsLineEnds()
{
    ScriptedPlatform &platform = m_fixture->platform;
    const QString block = BuildStyleBlock(m_fixture->window->schemeTexts());
    WhenModal(u"Form2"_s, [&](QWidget *modal) {
        auto *window = qobject_cast<CodeWindow *>(modal);
        QTextCursor part(window->codeText()->document()->findBlockByNumber(3));
        part.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        window->codeText()->setTextCursor(part);
        QCOMPARE(part.selectedText(), u"scrollbar-face-color:#123456;"_s);

        window->copyButton()->click();
        platform.clipboard.clear();
        window->copyButton()->click();
        QCOMPARE(platform.clipboard, block);
        QCOMPARE(platform.messages.size(), 2);
        for (const ScriptedPlatform::Message &message : std::as_const(platform.messages)) {
            QCOMPARE(message.title, u"Code Copied"_s);
            QCOMPARE(message.text, u"Code succesfully copied to clipboard."_s);
            QCOMPARE(message.style, int(MessageBoxStyle::Information));
            QCOMPARE(message.owner, window);
        }
        QVERIFY(window->isVisible());
        window->doneButton()->click();
    });
    m_fixture->window->findChild<QAction *>(u"mnuFileCopy"_s)->trigger();
    QCOMPARE(platform.messages.size(), 2);
}

BARWRIGHT_TEST_MAIN(TestCodeWindow)
#include "tst_CodeWindow.moc"
