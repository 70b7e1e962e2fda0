#include "output/CodeWindow.h"
#include "output/StyleBlock.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

using namespace Qt::StringLiterals;

class TestCodeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheWholeBlockSelectedAndCopiesIt();
};

void TestCodeWindow::showsTheWholeBlockSelectedAndCopiesIt()
{
    MainWindowFixture fixture;
    QVERIFY(fixture.open());
    MainWindow *main = fixture.window.get();
    main->entryBox(0)->put(u"#123456"_s);
    const QString block = BuildStyleBlock(main->schemeTexts());
    QVERIFY(block.contains(u"\r\nscrollbar-face-color:#123456;\r\n"_s));

    // From the button, then from the menu: each time a fresh window, everything selected.
    for (const bool fromMenu : {false, true}) {
        int copies = 0;
        WhenModal(u"Form2"_s, [&](QWidget *modal) {
            auto *window = qobject_cast<CodeWindow *>(modal);
            QCOMPARE(window->windowTitle(), u"Barwright - Code"_s);
            QPlainTextEdit *text = window->codeText();
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->toPlainText(), QString(block).replace(u"\r\n"_s, u"\n"_s));
            QCOMPARE(text->textCursor().selectionStart(), 0);
            QCOMPARE(text->textCursor().selectionEnd(), text->document()->characterCount() - 1);
            QCOMPARE(QApplication::focusWidget(), text);

            // A part selected: Copy still takes the whole block, CR LF kept, every time.
            QTextCursor part(text->document()->findBlockByNumber(3));
            part.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            text->setTextCursor(part);
            for (copies = 0; copies < 2; ++copies) {
                fixture.platform.clipboard.clear();
                window->copyButton()->click();
                QCOMPARE(fixture.platform.clipboard, block);
                const ScriptedPlatform::Message &told = fixture.platform.messages.last();
                QCOMPARE(told.title, u"Code Copied"_s);
                QCOMPARE(told.text, u"Code succesfully copied to clipboard."_s);
                QCOMPARE(told.style, int(MessageBoxStyle::Information));
                QCOMPARE(told.owner, window);
            }
            QVERIFY(window->isVisible());
            window->doneButton()->click();
        });
        if (fromMenu)
            main->findChild<QAction *>(u"mnuFileCopy"_s)->trigger();
        else
            main->findChild<QPushButton *>(u"Command1"_s)->click();
        QCOMPARE(copies, 2);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

BARWRIGHT_TEST_MAIN(TestCodeWindow)
#include "tst_CodeWindow.moc"
