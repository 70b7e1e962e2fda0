#include "color/ColorDialog.h"
#include "color/ColorValues.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"

#include <QColorDialog>

using namespace Qt::StringLiterals;

// Colour numbers and texts, and the colour dialog.
class TestColorValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexAndColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        QTest::newRow("red is the low byte") << u"#FF0000"_s << 0x0000FF;
        QTest::newRow("single digits get a zero") << u"#0C0B0A"_s << 0x0A0B0C;
        QTest::newRow("without hash") << u"C0C0C0"_s << 0xC0C0C0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("blanks around") << u" FF "_s << 0xFF0000;
        // The number must fit 32 bits, by its digits' count and by a first character's code.
        QTest::newRow("eight digits") << u"12345678"_s << -1;
        QTest::newRow("first char 182 still fits") << (QChar(182) + u"FFFFFF"_s) << 0xFFFFFF;
        QTest::newRow("first char 183 overflows") << (QChar(183) + u"000000"_s) << -1;
    }

    void hexAndColor()
    {
        QFETCH(QString, text);
        QFETCH(int, color);
        QCOMPARE(HexToColor(text), color);
        if (text.startsWith(u'#') && text.size() == 7)
            QCOMPARE(ColorToHex(color), text.toUpper());
    }

    void acceptableEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("every end of the digit ranges") << u"#09AFaf"_s << true;
        QTest::newRow("first character is never looked at") << u"ZC0C0C0"_s << true;
        QTest::newRow("G last") << u"#12345G"_s << false;
        QTest::newRow("short") << u"#12345"_s << false;
        QTest::newRow("backspace is no digit") << (u"#12"_s + QChar(8) + u"456"_s) << false;
        QTest::newRow("first char overflows") << (QChar(0xFF) + u"123456"_s) << false;
    }

    void acceptableEntries()
    {
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        QCOMPARE(IsAcceptableColorEntry(text), acceptable);
    }

    void translateColor()
    {
        QCOMPARE(TranslateColor(0x02123456), 0x123456); // matched in the palette
        QCOMPARE(TranslateColor(0x05123456), 0);
        const QColor base = QGuiApplication::palette().color(QPalette::Base);
        QCOMPARE(TranslateColor(int(0x80000005u)), NumberFromColor(base));
        QCOMPARE(TranslateColor(int(0x800000FFu)), 0); // past the system colours
    }

    void colorDialog()
    {
        WhenModal<QColorDialog>([](QColorDialog *dialog) {
            QCOMPARE(dialog->currentColor(), QColor(0xFF, 0x80, 0x00));
            QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
            QColorDialog::setCustomColor(0, Qt::black);
            QColorDialog::setCustomColor(5, QColor(0x11, 0x22, 0x33));
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            dialog->accept();
        });
        QCOMPARE(ShowColorDialog(nullptr, 0x0080FF, true), 0x563412);
        QCOMPARE(CustomColors[5], 0x332211);

        // The next dialog offers the custom colours, black too; a cancel keeps them.
        const auto before = CustomColors;
        WhenModal<QColorDialog>([](QColorDialog *dialog) {
            QCOMPARE(QColorDialog::customColor(0), QColor(Qt::black));
            QCOMPARE(QColorDialog::customColor(5), QColor(0x11, 0x22, 0x33));
            QColorDialog::setCustomColor(3, Qt::red);
            dialog->reject();
        });
        QCOMPARE(ShowColorDialog(nullptr, 0, true), -1);
        QCOMPARE(CustomColors, before);
    }
};

BARWRIGHT_TEST_MAIN(TestColorValues)
#include "tst_ColorValues.moc"
