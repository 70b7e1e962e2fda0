#include "output/CodeWindow.h"
#include "output/StyleBlock.h"
#include "support/MainWindowTest.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/CodeTextView.h"
#include "toolkit/EntryBox.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>

using namespace Qt::StringLiterals;

class TestCodeWindow : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    // Opened from the menu here; the button's way in is proven with the Enter key.
    void showsTheWholeBlockSelectedAndCopiesIt()
    {
        box(0)->put(u"#123456"_s);
        const QString block = BuildStyleBlock(window()->schemeTexts());
        WhenModal(u"Form2"_s, [&](QWidget *modal) {
            auto *window = qobject_cast<CodeWindow *>(modal);
            QPlainTextEdit *text = window->codeText();
            QCOMPARE(text->toPlainText(), QString(block).replace(u"\r\n"_s, u"\n"_s));
            QCOMPARE(text->textCursor().selectionStart(), 0);
            QCOMPARE(text->textCursor().selectionEnd(), text->document()->characterCount() - 1);
            QTRY_COMPARE(QApplication::focusWidget(), text);
            // The desktop's copy keystroke takes CR LF too, and Enter leaves the window open.
            QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), block);
            QTest::keyClick(text, Qt::Key_Return);
            QVERIFY(window->isVisible());

            // A part selected: Copy still takes the whole block, CR LF kept, and says so.
            QTextCursor part(text->document()->findBlockByNumber(3));
            part.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            text->setTextCursor(part);
            window->copyButton()->click();
            QCOMPARE(platform().clipboard, block);
            QCOMPARE(platform().messages.size(), 1);
            QCOMPARE(platform().messages.last().owner, window);
            QVERIFY(window->isVisible());
            window->doneButton()->click();
        });
        trigger(u"mnuFileCopy"_s);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void formatAndOptionsAreRememberedAndChecked()
    {
        SchemeTexts scheme = window()->schemeTexts();
        {
            CodeWindow window({scheme, std::nullopt}, platform(), nullptr);
            QVERIFY(!window.widthField()->isEnabled());
            // The default thumb and white arrows hardly stand out from the grey around them.
            QCOMPARE(window.contrastLabel(0)->text(),
                     u"\u26A0 Thumb against track: 1.3:1 (under 3:1)"_s);
            QCOMPARE(window.contrastLabel(1)->text(),
                     u"\u26A0 Arrows against face: 1.8:1 (under 3:1)"_s);

            QTest::keyClick(window.formatChoice(), Qt::Key_Down);
            window.selectorChoice()->click();
            window.scopeField()->setText(u"a { color: red }"_s);
            Q_EMIT window.scopeField()->editingFinished();
            QCOMPARE(platform().messages.size(), 1);
            QVERIFY(window.wholePageChoice()->isChecked());
            QCOMPARE(window.scopeField()->selectedText(), u"a { color: red }"_s);
            QVERIFY(window.findChild<QLabel *>(u"Label1"_s)->text().contains(u"today's"_s));
            window.selectorChoice()->click();
            window.scopeField()->setText(u" .sidebar "_s);
            Q_EMIT window.scopeField()->editingFinished();
            window.widthField()->setValue(10);
            QCOMPARE(platform().messages.size(), 1);
            // Tab and the label's key reach the checked scope; the arrow keys move between them.
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            const QLineEdit *field = window.scopeField();
            QVERIFY(field->fontMetrics().horizontalAdvance(field->placeholderText())
                    < field->contentsRect().width() - 6);
            window.formatChoice()->setFocus();
            QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), window.selectorChoice());
            window.formatChoice()->setFocus();
            QTest::keyClick(window.formatChoice(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), window.selectorChoice());
            window.selectorChoice()->setFocus();
            QTest::keyClick(window.selectorChoice(), Qt::Key_Left);
            QVERIFY(window.codeText()->toPlainText().startsWith(u"<style>\n:root {"_s));
            QTest::keyClick(window.wholePageChoice(), Qt::Key_Right);
            QVERIFY(window.codeText()->toPlainText().contains(u".sidebar::-webkit-scrollbar {"_s));
            // A refused text stays for correcting, and the scope in force with it.
            window.scopeField()->setText(u".sidebar,"_s);
            Q_EMIT window.scopeField()->editingFinished();
            QCOMPARE(window.scopeField()->selectedText(), u".sidebar,"_s);
            QCOMPARE(platform().messages.size(), 2);
            QVERIFY(window.codeText()->toPlainText().contains(u".sidebar::-webkit-scrollbar {"_s));
        }
        // The next opening starts from the choices; an incomplete colour gives no code to copy.
        scheme.texts[ShadowElement] = u"#80"_s;
        CodeWindow window({scheme, std::nullopt}, platform(), nullptr);
        QCOMPARE(window.formatChoice()->currentText(), u"Today's browsers"_s);
        QCOMPARE(window.scopeField()->text(), u".sidebar"_s);
        QCOMPARE(window.widthField()->value(), 10);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.formatChoice()->setFocus();
        QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), window.selectorChoice());
        QVERIFY(!window.copyButton()->isEnabled());
        QVERIFY(window.codeText()->toPlainText().contains(u"Shadow Color"_s));
        QCOMPARE(window.contrastLabel(0)->text(), u"Thumb against track: \u2014"_s);
    }

    void contrastCoversBothVariantsAndTheHoverFace()
    {
        SchemeVariants scheme{window()->schemeTexts(), window()->schemeTexts()};
        scheme.light.states[HoverState] = u"#000000"_s;
        scheme.dark->texts[FaceElement] = u"#333333"_s;
        scheme.dark->texts[TrackElement] = u"#000000"_s;
        CodeWindow window(scheme, platform(), nullptr);
        QCOMPARE(window.contrastLabel(CodeWindow::HoverContrast)->text(),
                 u"Hover face against track: 15.9:1"_s);
        QCOMPARE(window.contrastLabel(CodeWindow::DarkThumbContrast)->text(),
                 u"\u26A0 Dark thumb against track: 1.6:1 (under 3:1)"_s);
        QVERIFY(window.contrastLabel(CodeWindow::DarkHoverContrast)->isHidden());
        QVERIFY(!window.contrastLabel(CodeWindow::DarkArrowContrast)->isHidden());
    }
};

BARWRIGHT_TEST_MAIN(TestCodeWindow)
#include "tst_CodeWindow.moc"
