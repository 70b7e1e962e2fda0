#include "color/ColorValues.h"
#include "support/TestMain.h"
#include "toolkit/DefaultButton.h"
#include "toolkit/EntryBox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// A window with a default button, an entry box, a check box and another push button.
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

class TestEntryBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void typingLimitBindsTypingAndPastingOnly();
    void everyPutRunsTheChangeHandling();
    void nestedPutsRunBeforeTheOuterHandlerGoesOn();
    void keyFilterSeesTypedCharactersOnly();
    void typingInTheMiddleKeepsTheCaret();
    void enterGoesToTheDefaultButton();

private:
    Window *m_window = nullptr;
};

void TestEntryBox::init()
{
    m_window = new Window;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->box->setFocus();
}

void TestEntryBox::cleanup()
{
    delete m_window;
}

void TestEntryBox::typingLimitBindsTypingAndPastingOnly()
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
    QCOMPARE(changes.size(), 1);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, u"3456789"_s);
    QCOMPARE(box->text(), u"#123456"_s);
}

void TestEntryBox::everyPutRunsTheChangeHandling()
{
    EntryBox *box = m_window->box;
    QSignalSpy changes(box, &EntryBox::changed);
    box->put(u"#123"_s);
    box->put(u"#123"_s); // the same text again still counts
    QCOMPARE(changes.size(), 2);
    QTest::keyClicks(box, u"4"_s);
    QCOMPARE(changes.size(), 3);
}

void TestEntryBox::nestedPutsRunBeforeTheOuterHandlerGoesOn()
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
    QCOMPARE(
        seen,
        (QStringList{u"in:12345678"_s, u"in:#12345678"_s, u"out:#12345678"_s, u"out:#12345678"_s}));
    QCOMPARE(box->text(), u"#12345678"_s);
}

void TestEntryBox::keyFilterSeesTypedCharactersOnly()
{
    EntryBox *box = m_window->box;
    box->setKeyFilter(FilterHexKey);
    QTest::keyClicks(box, u"#1g c-F"_s);
    QCOMPARE(box->text(), u"1CF"_s);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), u"1C"_s);

    // The editing and clipboard shortcuts are no typed characters.
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->selectedText(), u"1C"_s);
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
}

void TestEntryBox::typingInTheMiddleKeepsTheCaret()
{
    EntryBox *box = m_window->box;
    box->put(u"#1234"_s);
    box->select(2, 0);
    QTest::keyClicks(box, u"AB"_s);
    QCOMPARE(box->text(), u"#1AB234"_s);
    QCOMPARE(box->cursorPosition(), 4);
}

void TestEntryBox::enterGoesToTheDefaultButton()
{
    QVERIFY(m_window->defaultButton->isDefault()); // what the style draws as the default
    QSignalSpy defaultClicks(m_window->defaultButton, &QPushButton::clicked);
    QSignalSpy otherClicks(m_window->other, &QPushButton::clicked);
    const QString before = m_window->box->text();
    QTest::keyClick(m_window->box, Qt::Key_Return);
    QCOMPARE(defaultClicks.size(), 1);
    QCOMPARE(m_window->box->text(), before);

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

BARWRIGHT_TEST_MAIN(TestEntryBox)
#include "tst_EntryBox.moc"
