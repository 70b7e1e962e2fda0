#include "color/ColorValues.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/DefaultButton.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
namespace Result = MessageBoxResult;
using Buttons = QMessageBox::StandardButtons;

// A window with an entry box, a check box, another push button and a default button.
class Window : public QWidget
{
public:
    Window()
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(box = new EntryBox);
        layout->addWidget(check = new QCheckBox(u"check"_s));
        layout->addWidget(other = new QPushButton(u"other"_s));
        layout->addWidget(defaultButton = new QPushButton(u"default"_s));
        box->setTypingLimit(7);
        DefaultButton::install(this, defaultButton);
    }
    EntryBox *box;
    QCheckBox *check;
    QPushButton *other;
    QPushButton *defaultButton;
};

// The entry box, the default button and the message box.
class TestToolkit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<Window>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->box->setFocus();
    }
    void cleanup() { m_window.reset(); }

    void typingLimitBindsTypingAndPastingOnly()
    {
        EntryBox *box = m_window->box;
        QTest::keyClicks(box, u"1234567890"_s);
        QCOMPARE(box->text(), u"1234567"_s);
        box->put(u"a much longer text"_s);
        QCOMPARE(box->text(), u"a much longer text"_s);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, u"x"_s);
        QCOMPARE(box->text(), u"a much longer text"_s); // no typing past the limit
        // Pasted over the whole long text, seven characters remain, not the old length.
        QGuiApplication::clipboard()->setText(u"#123456789"_s);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), u"#123456"_s);
        box->put(QString());
        QGuiApplication::clipboard()->setText(u"ABCDEFGHIJ"_s);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), u"ABCDEFG"_s);

        // A shorter put after a long one must neither cut nor report a second change.
        box->put(u"0123456789"_s);
        QSignalSpy changes(box, &EntryBox::changed);
        box->put(u"#12"_s);
        QCOMPARE(box->text(), u"#12"_s);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, u"3456789"_s);
        QCOMPARE(box->text(), u"#123456"_s);
        QCOMPARE(changes.size(), 5);
        box->put(u"#123456"_s); // the same text again still counts
        QCOMPARE(changes.size(), 6);
    }

    void nestedPutsRunBeforeTheOuterHandlerGoesOn()
    {
        EntryBox *box = m_window->box;
        QStringList seen;
        connect(box, &EntryBox::changed, box, [&] {
            seen << u"in:"_s + box->text();
            if (!box->text().startsWith(u'#'))
                box->put(u'#' + box->text());
            seen << u"out:"_s + box->text();
        });
        box->put(u"12345678"_s);
        QCOMPARE(seen, (QStringList{u"in:12345678"_s, u"in:#12345678"_s, u"out:#12345678"_s,
                                    u"out:#12345678"_s}));
    }

    void keyFilterSeesTypedCharactersOnly()
    {
        EntryBox *box = m_window->box;
        box->setKeyFilter(FilterHexKey);
        QTest::keyClicks(box, u"#1g c-F"_s);
        QCOMPARE(box->text(), u"1CF"_s);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), u"1C"_s);
        // The editing and clipboard shortcuts are no typed characters.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"1C"_s);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), u"1C"_s);
        QGuiApplication::clipboard()->setText(u"#zz"_s);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), u"1C#zz"_s); // a paste is not typing
        box->select(1, 0); // typing in the middle keeps the caret
        QTest::keyClicks(box, u"AB"_s);
        QCOMPARE(box->text(), u"1ABC#zz"_s);
        QCOMPARE(box->cursorPosition(), 3);
    }

    void enterGoesToTheDefaultButton()
    {
        QVERIFY(m_window->defaultButton->isDefault()); // what the style draws as the default
        QSignalSpy defaultClicks(m_window->defaultButton, &QPushButton::clicked);
        QSignalSpy otherClicks(m_window->other, &QPushButton::clicked);
        QTest::keyClick(m_window->box, Qt::Key_Return);
        QCOMPARE(defaultClicks.size(), 1);
        m_window->check->setFocus();
        QTest::keyClick(m_window->check, Qt::Key_Enter);
        QCOMPARE(defaultClicks.size(), 2);
        QVERIFY(!m_window->check->isChecked());
        // A push button with the focus takes Enter itself.
        m_window->other->setFocus();
        QTest::keyClick(m_window->other, Qt::Key_Return);
        QCOMPARE(otherClicks.size(), 1);
        QCOMPARE(defaultClicks.size(), 2);
        m_window->defaultButton->setEnabled(false);
        m_window->box->setFocus();
        QTest::keyClick(m_window->box, Qt::Key_Return);
        QCOMPARE(defaultClicks.size(), 2);
    }

    void messageBoxes_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<int>("key"); // a button to click, or Escape or Return
        QTest::addColumn<int>("result");
        const Buttons yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        for (const auto &[key, result] : {std::pair(int(QMessageBox::Yes), Result::Yes),
                                          {int(QMessageBox::No), Result::No},
                                          {int(QMessageBox::Cancel), Result::Cancel},
                                          {int(Qt::Key_Escape), Result::Cancel},
                                          {int(Qt::Key_Return), Result::Yes}})
            QTest::addRow("save question, %d", key)
                << 35 << QMessageBox::Question << yesNoCancel << key << int(result);
        QTest::newRow("error") << int(MessageBoxStyle::Critical) << QMessageBox::Critical
                               << Buttons(QMessageBox::Ok) << int(QMessageBox::Ok) << int(Result::Ok);
        QTest::newRow("notice") << int(MessageBoxStyle::Information) << QMessageBox::Information
                                << Buttons(QMessageBox::Ok) << int(QMessageBox::Ok)
                                << int(Result::Ok);
        QTest::newRow("oops") << 16432 << QMessageBox::Warning
                              << (QMessageBox::Ok | QMessageBox::Help) << int(QMessageBox::Ok)
                              << int(Result::Ok);
        QTest::newRow("exclamation, escape") << 48 << QMessageBox::Warning
                                             << Buttons(QMessageBox::Ok) << int(Qt::Key_Escape)
                                             << int(Result::Ok);
    }

    void messageBoxes()
    {
        QFETCH(int, style);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(Buttons, buttons);
        QFETCH(int, key);
        QFETCH(int, result);
        bool seen = false;
        WhenModal<QMessageBox>([&](QMessageBox *box) {
            seen = true;
            QCOMPARE(box->windowTitle(), u"Title"_s);
            QCOMPARE(box->text(), u"Text"_s);
            QCOMPARE(box->icon(), icon);
            QCOMPARE(box->standardButtons(), buttons);
            if (auto *button = box->button(QMessageBox::StandardButton(key)))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(ShowMessageBox(nullptr, u"Text"_s, style, u"Title"_s), result);
        QVERIFY(seen);
    }

    void helpButtonAsksForHelpAndKeepsTheBox()
    {
        int helps = 0;
        int shown = 0;
        std::function<void()> answer = [&] {
            WhenModal<QMessageBox>([&](QMessageBox *box) {
                if (++shown == 1)
                    answer(); // the box comes back after help
                box->button(shown == 1 ? QMessageBox::Help : QMessageBox::Ok)->click();
            });
        };
        answer();
        QCOMPARE(ShowMessageBox(nullptr, u"Text"_s, 16432, u"Oops!"_s, [&] { ++helps; }),
                 int(Result::Ok));
        QCOMPARE(helps, 1);
        QCOMPARE(shown, 2);
    }

private:
    std::unique_ptr<Window> m_window;
};

BARWRIGHT_TEST_MAIN(TestToolkit)
#include "tst_Toolkit.moc"
