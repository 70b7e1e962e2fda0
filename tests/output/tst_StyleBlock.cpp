#include "output/StyleBlock.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"

using namespace Qt::StringLiterals;

namespace {

SchemeTexts scheme(const QStringList &texts, bool base)
{
    SchemeTexts s;
    for (int i = 0; i < 8; ++i)
        s.texts[size_t(i)] = texts.value(i);
    s.baseColor = base;
    return s;
}

const QStringList Defaults{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s,
                           u"#808080"_s, u"#000000"_s, u"#E0E0E0"_s, u"#"_s};

} // namespace

class TestStyleBlock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void elementModeBlock();
    void baseModeBlock();
    void checkLooksAtLengthsOfTheModesTextsOnly();
};

void TestStyleBlock::elementModeBlock()
{
    QStringList texts = Defaults;
    texts[1] = u"#000000"_s; // arrow
    const QString block = BuildStyleBlock(scheme(texts, false));
    QCOMPARE(block.size(), 292);
    const QStringList lines = block.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 14); // 13 lines, each ended
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines[3], u"scrollbar-face-color:#C0C0C0;"_s);
    QCOMPARE(lines[9], u"scrollbar-track-color:#E0E0E0;"_s);
    QCOMPARE(block,
             u"<STYLE type=\"text/css\">\r\n<!--\r\nBODY {\r\n"
             "scrollbar-face-color:#C0C0C0;\r\n"
             "scrollbar-highlight-color:#FFFFFF;\r\n"
             "scrollbar-3dlight-color:#C0C0C0;\r\n"
             "scrollbar-darkshadow-color:#000000;\r\n"
             "scrollbar-shadow-color:#808080;\r\n"
             "scrollbar-arrow-color:#000000;\r\n"
             "scrollbar-track-color:#E0E0E0;\r\n"
             "}\r\n-->\r\n</STYLE>\r\n"_s);

    // Texts go in verbatim, whatever they hold.
    texts[6] = u"#c0c0c0"_s;
    texts[4] = u"#GGGGGG"_s;
    const QString verbatim = BuildStyleBlock(scheme(texts, false));
    QVERIFY(verbatim.contains(u"scrollbar-track-color:#c0c0c0;\r\n"_s));
    QVERIFY(verbatim.contains(u"scrollbar-shadow-color:#GGGGGG;\r\n"_s));
    QVERIFY(!verbatim.contains(u"base"_s));
}

void TestStyleBlock::baseModeBlock()
{
    const QString block = BuildStyleBlock(scheme({{}, {}, {}, {}, {}, {}, {}, u"#336699"_s}, true));
    QCOMPARE(block.size(), 88);
    QCOMPARE(block,
             u"<STYLE type=\"text/css\">\r\n<!--\r\nBODY {\r\n"
             "scrollbar-base-color:#336699;\r\n}\r\n-->\r\n</STYLE>\r\n"_s);
}

void TestStyleBlock::checkLooksAtLengthsOfTheModesTextsOnly()
{
    ScriptedPlatform platform;
    QVERIFY(CheckStyleInput(scheme(Defaults, false), platform, nullptr)); // base "#" unseen
    QStringList base(8);
    base[7] = u"#GGGGGG"_s; // only the length counts
    QVERIFY(CheckStyleInput(scheme(base, true), platform, nullptr));
    QVERIFY(platform.messages.isEmpty());

    QStringList incomplete = Defaults;
    incomplete[3] = u"#C0C0"_s;
    incomplete[5] = QString();
    QVERIFY(!CheckStyleInput(scheme(incomplete, false), platform, nullptr));
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, u"Error"_s);
    QCOMPARE(platform.messages[0].style, 48);
    QCOMPARE(platform.messages[0].text,
             u"Can't show preview. Please enter a valid hex color value or click the palette "
             "button to choose a color for all elements."_s);

    QVERIFY(!CheckStyleInput(scheme(Defaults, true), platform, nullptr));
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[1].text,
             u"Can't show preview. Please enter a valid hex color value or click the palette "
             "button to choose a base color."_s);
}

BARWRIGHT_TEST_MAIN(TestStyleBlock)
#include "tst_StyleBlock.moc"
