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

class Window : public QWidget
{
public:
    Window()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *control : std::initializer_list<QWidget *>{box, check, other, defaultButton})
            layout->addWidget(control);
        box->setTypingLimit(7);
        DefaultButton::install(this, defaultButton);
    }
    EntryBox *box = new EntryBox(this);
    QCheckBox *check = new QCheckBox(u"check"_s, this);
    QPushButton *other = new QPushButton(u"other"_s, this);
    QPushButton *defaultButton = new QPushButton(u"default"_s, this);
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

    void typingLimitBindsTypingAndPastingOnly_data()
    {
        QTest::addColumn<QStringList>("puts");
        QTest::addColumn<QString>("typed"); // at the end
        QTest::addColumn<QString>("pasted"); // over the whole text
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("changes");
        const QString longer = u"a much longer text"_s;
        QTest::newRow("typed after a longer put")
            << QStringList{longer} << u"x"_s << QString() << longer << 1;
        // Seven characters remain, not the old length.
        QTest::newRow("pasted over a longer put")
            << QStringList{longer} << QString() << u"#123456789"_s << u"#123456"_s << 2;
        // A shorter put after a long one is neither cut nor reported twice, and typing stops at
        // seven characters again.
        QTest::newRow("typed after a shorter put")
            << QStringList{u"0123456789"_s, u"#12"_s} << u"3456789"_s << QString() << u"#123456"_s
            << 6;
        QTest::newRow("the same put again")
            << QStringList{u"#12"_s, u"#12"_s} << QString() << QString() << u"#12"_s << 2;
    }

    void typingLimitBindsTypingAndPastingOnly()
    {
        QFETCH(QStringList, puts);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        EntryBox *box = m_window->box;
        QSignalSpy changes(box, &EntryBox::changed);
        for (const QString &text : puts)
            box->put(text);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, typed);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        QTEST(box->text(), "expected");
        QTEST(int(changes.size()), "changes");
    }

    void keyFilterSeesTypedCharactersOnly()
    {
        EntryBox *box = m_window->box;
        box->setKeyFilter(FilterHexKey);
        QTest::keyClicks(box, u"#1g c-F"_s);
        QCOMPARE(box->text(), u"1CF"_s);
        box->select(1, 0); // typing in the middle keeps the caret
        QTest::keyClicks(box, u"AB"_s);
        QCOMPARE(box->text(), u"1ABCF"_s);
        QCOMPARE(box->cursorPosition(), 3);
    }

    void enterGoesToTheDefaultButton()
    {
        QSignalSpy defaultClicks(m_window->defaultButton, &QPushButton::clicked);
        QSignalSpy otherClicks(m_window->other, &QPushButton::clicked);
        m_window->check->setFocus();
        QTest::keyClick(m_window->check, Qt::Key_Enter);
        QCOMPARE(defaultClicks.size(), 1);
        QVERIFY(!m_window->check->isChecked());
        // A push button with the focus takes Enter itself.
        m_window->other->setFocus();
        QTest::keyClick(m_window->other, Qt::Key_Return);
        QCOMPARE(otherClicks.size(), 1);
        QCOMPARE(defaultClicks.size(), 1);
    }

    void messageBoxes_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("key"); // a button to click, or Escape or Return
        QTest::addColumn<int>("result");
        // Return clicks Yes and Escape clicks Cancel, so each answer's result comes up.
        for (const auto &[key, result] : {std::pair(int(QMessageBox::No), Result::No),
                                          {int(Qt::Key_Escape), Result::Cancel},
                                          {int(Qt::Key_Return), Result::Yes}})
            QTest::addRow("save question, %d", key) << 35 << key << int(result);
        // Escape answers OK where there is no Cancel.
        QTest::newRow("exclamation, escape") << 48 << int(Qt::Key_Escape) << int(Result::Ok);
    }

    void messageBoxes()
    {
        QFETCH(int, style);
        QFETCH(int, key);
        WhenModal<QMessageBox>([key](QMessageBox *box) {
            if (auto *button = box->button(QMessageBox::StandardButton(key)))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(box, Qt::Key(key));
        });
        QTEST(ShowMessageBox(nullptr, u"Text"_s, style, u"Title"_s), "result");
    }

private:
    std::unique_ptr<Window> m_window;
};

BARWRIGHT_TEST_MAIN(TestToolkit)
#include "tst_Toolkit.moc"
