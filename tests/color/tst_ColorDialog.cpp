#include "color/ColorDialog.h"
#include "color/ColorValues.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"

#include <QColorDialog>
#include <QTimer>

#include <functional>

class TestColorDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsFromTheInitialColourAndReturnsTheChoice();
    void cancelReturnsMinusOneAndKeepsCustomColours();
    void customColoursCarryOverAndBlackStaysBlack();
};

void TestColorDialog::startsFromTheInitialColourAndReturnsTheChoice()
{
    QColor initial;
    WhenModal<QColorDialog>([&](QColorDialog *dialog) {
        initial = dialog->currentColor();
        QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    QCOMPARE(ShowColorDialog(nullptr, 0x0080FF, true), 0x563412);
    QCOMPARE(initial, QColor(0xFF, 0x80, 0x00));
}

void TestColorDialog::cancelReturnsMinusOneAndKeepsCustomColours()
{
    const auto before = CustomColors;
    WhenModal<QColorDialog>([](QColorDialog *dialog) {
        QColorDialog::setCustomColor(3, Qt::red);
        dialog->reject();
    });
    QCOMPARE(ShowColorDialog(nullptr, 0, true), -1);
    QCOMPARE(CustomColors, before);
}

void TestColorDialog::customColoursCarryOverAndBlackStaysBlack()
{
    QCOMPARE(CustomColors[0], 0xFFFFFF); // unused slots start white
    WhenModal<QColorDialog>([](QColorDialog *dialog) {
        QColorDialog::setCustomColor(0, Qt::black);
        QColorDialog::setCustomColor(5, QColor(0x11, 0x22, 0x33));
        dialog->accept();
    });
    ShowColorDialog(nullptr, 0, true);

    QColor offered0, offered5;
    WhenModal<QColorDialog>([&](QColorDialog *dialog) {
        offered0 = QColorDialog::customColor(0);
        offered5 = QColorDialog::customColor(5);
        dialog->reject();
    });
    ShowColorDialog(nullptr, 0, true);
    QCOMPARE(offered0, QColor(Qt::black));
    QCOMPARE(offered5, QColor(0x11, 0x22, 0x33));
    QCOMPARE(CustomColors[5], 0x332211);
}

BARWRIGHT_TEST_MAIN(TestColorDialog)
#include "tst_ColorDialog.moc"
