#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "toolkit/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
namespace Style = MessageBoxStyle;
namespace Result = MessageBoxResult;

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsIconsAndResults_data();
    void buttonsIconsAndResults();
    void escapeAnswers();
    void helpButtonAsksForHelpAndKeepsTheBox();
};

void TestMessageBox::buttonsIconsAndResults_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("click");
    QTest::addColumn<int>("result");
    const auto yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QTest::newRow("save question, yes")
        << 35 << QMessageBox::Question << QMessageBox::StandardButtons(yesNoCancel)
        << QMessageBox::Yes << int(Result::Yes);
    QTest::newRow("save question, no")
        << 35 << QMessageBox::Question << QMessageBox::StandardButtons(yesNoCancel)
        << QMessageBox::No << int(Result::No);
    QTest::newRow("save question, cancel")
        << 35 << QMessageBox::Question << QMessageBox::StandardButtons(yesNoCancel)
        << QMessageBox::Cancel << int(Result::Cancel);
    QTest::newRow("error") << int(Style::Critical) << QMessageBox::Critical
                           << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok
                           << int(Result::Ok);
    QTest::newRow("notice") << int(Style::Information) << QMessageBox::Information
                            << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok
                            << int(Result::Ok);
    QTest::newRow("oops") << 16432 << QMessageBox::Warning << (QMessageBox::Ok | QMessageBox::Help)
                          << QMessageBox::Ok << int(Result::Ok);
}

void TestMessageBox::buttonsIconsAndResults()
{
    QFETCH(int, style);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, click);
    QFETCH(int, result);

    bool seen = false;
    WhenModal<QMessageBox>([&](QMessageBox *box) {
        seen = true;
        QCOMPARE(box->windowTitle(), u"Title"_s);
        QCOMPARE(box->text(), u"Text"_s);
        QCOMPARE(box->icon(), icon);
        QCOMPARE(box->standardButtons(), buttons);
        QTest::mouseClick(box->button(click), Qt::LeftButton);
    });
    QCOMPARE(ShowMessageBox(nullptr, u"Text"_s, style, u"Title"_s), result);
    QVERIFY(seen);
}

void TestMessageBox::escapeAnswers()
{
    WhenModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(ShowMessageBox(nullptr, u"?"_s, 35, u"Save Changes?"_s), int(Result::Cancel));
    WhenModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(ShowMessageBox(nullptr, u"!"_s, 48, u"Oops!"_s), int(Result::Ok));
    // Enter takes the first button.
    WhenModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    QCOMPARE(ShowMessageBox(nullptr, u"?"_s, 35, u"Save Changes?"_s), int(Result::Yes));
}

void TestMessageBox::helpButtonAsksForHelpAndKeepsTheBox()
{
    int helps = 0;
    int shown = 0;
    std::function<void()> answer = [&] {
        WhenModal<QMessageBox>([&](QMessageBox *box) {
            ++shown;
            if (shown == 1) {
                answer(); // the box comes back after help
                QTest::mouseClick(box->button(QMessageBox::Help), Qt::LeftButton);
            } else {
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
    };
    answer();
    const int result = ShowMessageBox(nullptr, u"Text"_s, 16432, u"Oops!"_s, [&] { ++helps; });
    QCOMPARE(result, int(Result::Ok));
    QCOMPARE(helps, 1);
    QCOMPARE(shown, 2);
}

BARWRIGHT_TEST_MAIN(TestMessageBox)
#include "tst_MessageBox.moc"
