#include "color/ColorValues.h"
#include "support/TestMain.h"

#include <QPalette>

using namespace Qt::StringLiterals;

class TestColorValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorToHex_data();
    void colorToHex();
    void hexToNumber_data();
    void hexToNumber();
    void hexToColorAndBack_data();
    void hexToColorAndBack();
    void filterHexKey();
    void acceptableEntries_data();
    void acceptableEntries();
    void translateColor();
};

void TestColorValues::colorToHex_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << 0 << u"#000000"_s;
    QTest::newRow("white") << 0xFFFFFF << u"#FFFFFF"_s;
    QTest::newRow("red is the low byte") << 0x0000FF << u"#FF0000"_s;
    QTest::newRow("single digits get a zero") << 0x000A0B0C << u"#0C0B0A"_s;
    QTest::newRow("mixed") << 0x00C08040 << u"#4080C0"_s;
}

void TestColorValues::colorToHex()
{
    QFETCH(int, color);
    QFETCH(QString, text);
    QCOMPARE(ColorToHex(color), text);
}

void TestColorValues::hexToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("number");
    QTest::newRow("empty") << QString() << true << 0;
    QTest::newRow("blanks") << u"   "_s << true << 0;
    QTest::newRow("FF") << u"FF"_s << true << 255;
    QTest::newRow("blanks around") << u" FF "_s << true << 255;
    QTest::newRow("colour text") << u"#C0C0C0"_s << true << -322912064;
    QTest::newRow("lower case reads as digits") << u"#c0c0c0"_s << true << -322912064;
    QTest::newRow("hash alone") << u"#"_s << true << -20;
    QTest::newRow("eight digits fail") << u"12345678"_s << false << 0;
    QTest::newRow("even eight zeros") << u"00000000"_s << false << 0;
    QTest::newRow("first char code 182 still fits")
        << (QChar(182) + u"FFFFFF"_s) << true << 2147483647;
    QTest::newRow("first char code 183 overflows") << (QChar(183) + u"000000"_s) << false << 0;
    QTest::newRow("euro sign, no Latin-1 code: refused") << u"\u20AC0"_s << false << 0;
    QTest::newRow("a wide character overflows") << (QChar(0x4E00) + u"123456"_s) << false << 0;
}

void TestColorValues::hexToNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(int, number);
    const std::optional<qint32> result = HexToNumber(text);
    QCOMPARE(result.has_value(), fits);
    if (fits)
        QCOMPARE(*result, number);
}

void TestColorValues::hexToColorAndBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("color");
    QTest::newRow("red") << u"#FF0000"_s << 255;
    QTest::newRow("silver") << u"#C0C0C0"_s << 0xC0C0C0;
    QTest::newRow("without hash") << u"C0C0C0"_s << 0xC0C0C0;
    QTest::newRow("hash alone") << u"#"_s << 0xECFFFF;
    QTest::newRow("lower case") << u"#1a2b3c"_s << 0x3C2B1A;
    QTest::newRow("too long") << u"12345678"_s << -1;
}

void TestColorValues::hexToColorAndBack()
{
    QFETCH(QString, text);
    QFETCH(int, color);
    QCOMPARE(HexToColor(text), color);
    if (color != -1 && text.size() == 7)
        QCOMPARE(ColorToHex(color), text.toUpper());
}

void TestColorValues::filterHexKey()
{
    const auto filter = [](char16_t code) {
        char16_t inOut = code;
        const char16_t result = FilterHexKey(inOut);
        if (inOut != result)
            return char16_t(0xFFFF); // the argument must carry the result too
        return result;
    };
    for (char16_t c : u"0123456789ABCDEF")
        if (c)
            QCOMPARE(filter(c), c);
    QCOMPARE(filter(u'c'), u'C');
    QCOMPARE(filter(u'f'), u'F');
    QCOMPARE(filter(8), char16_t(8));
    for (char16_t c : {u'#', u'g', u'G', u' ', char16_t(13), u'z', char16_t(0xE9)})
        QCOMPARE(filter(c), char16_t(0));
}

void TestColorValues::acceptableEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("colour text") << u"#12AB9f"_s << true;
    QTest::newRow("first character is never looked at") << u"ZC0C0C0"_s << true;
    QTest::newRow("G inside") << u"#12G456"_s << false;
    QTest::newRow("G last") << u"#12345G"_s << false;
    QTest::newRow("short") << u"#12345"_s << false;
    QTest::newRow("long") << u"#1234567"_s << false;
    QTest::newRow("backspace is no digit") << (u"#12"_s + QChar(8) + u"456"_s) << false;
    QTest::newRow("first char overflows") << (QChar(0xFF) + u"123456"_s) << false;
}

void TestColorValues::acceptableEntries()
{
    QFETCH(QString, text);
    QFETCH(bool, acceptable);
    QCOMPARE(IsAcceptableColorEntry(text), acceptable);
}

void TestColorValues::translateColor()
{
    QCOMPARE(TranslateColor(0x123456), 0x123456);
    QCOMPARE(TranslateColor(0x02123456), 0x123456);
    QCOMPARE(TranslateColor(0x05123456), 0);
    const QPalette palette = QGuiApplication::palette();
    QCOMPARE(TranslateColor(int(0x80000005u)), NumberFromColor(palette.color(QPalette::Base)));
    QCOMPARE(TranslateColor(int(0x80000008u)), NumberFromColor(palette.color(QPalette::Text)));
    QCOMPARE(TranslateColor(int(0x80000019u)), 0); // index 25 names no colour
    QCOMPARE(TranslateColor(int(0x800000FFu)), 0);
}

BARWRIGHT_TEST_MAIN(TestColorValues)
#include "tst_ColorValues.moc"
