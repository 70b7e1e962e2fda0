#include "app/QtPlatformServices.h"
#include "support/MainWindowTest.h"
#include "support/ModalWindows.h"
#include "support/TestHelpers.h"
#include "support/TestMain.h"
#include "ui/AboutWindow.h"
#include "ui/LinkLabel.h"
#include "ui/MainStatusBar.h"
#include "ui/Marquee.h"
#include "ui/MarqueeStrip.h"
#include "ui/StatusPanel.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The desktop services as shipped, in a chosen program folder, with the documents they ask
// the desktop to open kept instead of opened.
class ShippedPlatform : public QObject, public QtPlatformServices
{
    Q_OBJECT

public:
    QString folder;
    QList<QUrl> opened;
    QString programFolder() const override { return folder; }

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

// The status bar with its marquee, the help commands and the About window.
class TestStatusBarAndAbout : public MainWindowTest
{
    Q_OBJECT

private:
    void ticks(int count) const
    {
        for (int i = 0; i < count; ++i)
            m_marquee->tick();
    }
    MainStatusBar *bar() const { return qobject_cast<MainStatusBar *>(window()->statusBar()); }

    Marquee *m_marquee = nullptr;

private Q_SLOTS:
    void init()
    {
        // Start-up fitted the strip and started the timer; the test ticks by hand from the
        // first tick on.
        m_fixture = std::make_unique<MainWindowFixture>();
        m_fixture->window = std::make_unique<MainWindow>(m_fixture->platform);
        m_marquee = window()->findChild<Marquee *>();
        QVERIFY(m_marquee->timer()->isActive());
        m_marquee->timer()->stop();
        QVERIFY(m_fixture->open());
    }

    void passesRunCleanlyInTurningColours()
    {
        MarqueeStrip *strip = m_marquee->strip();
        // Mid-way through the second pass the strip looks like one red draw of the text on a
        // clean strip, with the revealed part ending at the right edge: the blue pass ended after
        // 111 ticks, and each draw covers what earlier ones left. The panel shows the strip as
        // it was one tick before.
        ticks(111 + 52);
        const QString revealed = MarqueeCycle::text().left(51);
        QCOMPARE(bar()->marqueePanel()->text(), revealed);
        MarqueeStrip clean(nullptr);
        clean.setFont(strip->font());
        clean.setTextColor(Qt::red);
        clean.fit(strip->size());
        const QFontMetrics metrics = clean.fontMetrics();
        clean.drawText({clean.width() - metrics.horizontalAdvance(revealed),
                        (clean.height() - metrics.height()) / 2},
                       MarqueeCycle::text());
        QCOMPARE(strip->image().toImage(), clean.image().toImage());
        ticks(1);
        QCOMPARE(bar()->marqueePanel()->picture().toImage(), clean.image().toImage());
    }

    void marqueePanelIsALinkToTheSite()
    {
        const QRect panel = bar()->marqueePanel()->geometry();
        // Only a left click on the marquee panel opens the site, whatever the panel shows.
        const QStringList &launched = platform().launched;
        QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->noticePanel()->geometry().center());
        QTest::mouseClick(bar(), Qt::RightButton, {}, panel.center());
        QVERIFY(launched.isEmpty());
        for (const int count : {1, 1, 57, 52}) { // panel texts of 0, 1, 58 and 110 characters
            ticks(count);
            QTest::mouseClick(bar(), Qt::LeftButton, {}, panel.center());
        }
        QCOMPARE(launched, QStringList(4, u"http://www.webtemplates.example/"_s));
    }

    void aboutWindowLinksKeysAndModality()
    {
        QStringList &launched = platform().launched;
        // Found as the active modal window: the main window takes no input meanwhile.
        WhenModal<AboutWindow>([&](AboutWindow *about) {
            QVERIFY(QTest::qWaitForWindowExposed(about));
            VerifyTextsFit(about);
            QVERIFY(about->findChild<QLabel *>(u"lblDescription"_s)->text().contains(u"Today's"_s));
            QTest::mouseClick(about->homePageLink(), Qt::LeftButton);
            QTest::mouseClick(about->supportLink(), Qt::LeftButton);
            QTest::keyClick(about, Qt::Key_Return);
        });
        trigger(u"mnuHelpAbout"_s);
        QCOMPARE(
            launched,
            (QStringList{u"http://www.fernwick.example/"_s, u"mailto:support@fernwick.example"_s}));
        trigger(u"mnuHelpContents"_s);
        QCOMPARE(platform().helpRequests, 1);
        trigger(u"mnuHelpMoreFree"_s);
        QCOMPARE(launched.mid(2), QStringList{u"http://www.fernwick.example/"_s});
    }

    void helpButtonFindsThePageBesideTheProgram()
    {
        // The "Oops!" message's Help button, as the program ships it, with a program folder
        // that ends in a separator.
        ShippedPlatform shipped;
        QDesktopServices::setUrlHandler(u"file"_s, &shipped, "open");
        auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });
        const QString folder = QDir::cleanPath(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR"));
        shipped.folder = folder + u'/';
        WhenModal<QMessageBox>([](QMessageBox *box) {
            WhenModal<QMessageBox>(
                [](QMessageBox *again) { again->button(QMessageBox::Ok)->click(); });
            box->button(QMessageBox::Help)->click();
        });
        shipped.messageBox(nullptr, u"Oops"_s, 16432, u"Oops!"_s);
        QCOMPARE(shipped.opened, QList<QUrl>{QUrl::fromLocalFile(folder + u"/brw.html"_s)});

        // Without the page beside the program the user is told which file is missing.
        const QTemporaryDir empty;
        shipped.folder = empty.path();
        QString told;
        WhenModal<QMessageBox>([&told](QMessageBox *box) {
            told = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        shipped.showHelp(nullptr);
        QVERIFY2(told.contains(QDir::toNativeSeparators(empty.filePath(u"brw.html"_s))),
                 qPrintable(told));
    }
};

BARWRIGHT_TEST_MAIN(TestStatusBarAndAbout)
#include "tst_StatusBarAndAbout.moc"
