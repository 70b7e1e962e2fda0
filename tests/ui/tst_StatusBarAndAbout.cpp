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
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

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
    QImage blankStrip() const
    {
        QImage blank(m_marquee->strip()->image().size(), QImage::Format_RGB32);
        blank.fill(m_marquee->strip()->backColor());
        return blank;
    }

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
        StatusPanel *panel = bar()->marqueePanel();
        ticks(1);
        QCOMPARE(panel->text(), QString());
        QCOMPARE(panel->picture().toImage().convertToFormat(QImage::Format_RGB32), blankStrip());
        // Each draw covers what earlier ones left: the strip always looks like one draw of the
        // text on a clean strip, with the revealed part ending at the right edge. The panel
        // shows the strip as it was one tick before.
        for (const int count : {2, 50, 44}) {
            ticks(count);
            const QString revealed = MarqueeCycle::text().left(m_marquee->cycle().counter() - 1);
            QCOMPARE(panel->text(), revealed);
            MarqueeStrip clean(nullptr);
            clean.setFont(strip->font());
            clean.setTextColor(strip->textColor());
            clean.fit(strip->size());
            const QFontMetrics metrics = clean.fontMetrics();
            clean.drawText({clean.width() - metrics.horizontalAdvance(revealed),
                            (clean.height() - metrics.height()) / 2},
                           MarqueeCycle::text());
            QCOMPARE(strip->image().toImage(), clean.image().toImage());
            ticks(1);
            QCOMPARE(panel->picture().toImage(), clean.image().toImage());
        }
        // A pass is 111 ticks; then the strip is cleared and the colour moves on.
        QList<QColor> colours;
        for (int pass = 0; pass < 3; ++pass) {
            ticks(pass == 0 ? 111 - 100 : 111);
            QCOMPARE(m_marquee->cycle().counter(), 0);
            QCOMPARE(strip->image().toImage().convertToFormat(QImage::Format_RGB32), blankStrip());
            colours << strip->textColor();
        }
        QCOMPARE(colours, (QList<QColor>{Qt::red, Qt::yellow, Qt::blue}));
    }

    void marqueePanelIsALinkToTheSite()
    {
        const QRect panel = bar()->marqueePanel()->geometry();
        const int right = panel.left() + panel.width();
        // The pointer is a cross strictly inside the panel: over the notice panel, on the
        // panel's edges and just inside them.
        const std::pair<int, bool> places[] = {{panel.left() - 100, false},
                                               {panel.left(), false},
                                               {panel.left() + 1, true},
                                               {right - 1, true},
                                               {right, false}};
        for (const auto &[x, cross] : places) {
            for (const int y : {1, bar()->height() - 2}) {
                const QPointF at(x, y);
                QMouseEvent move(QEvent::MouseMove, at, bar()->mapToGlobal(at), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(bar(), &move);
                QCOMPARE(bar()->cursor().shape(), cross ? Qt::CrossCursor : Qt::ArrowCursor);
            }
        }

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
        WhenModal<AboutWindow>([&](AboutWindow *about) {
            QVERIFY(QTest::qWaitForWindowExposed(about));
            VerifyTextsFit(about);
            // A click that comes the way the desktop's clicks come does not reach the main
            // window.
            const QPoint marquee
                = bar()->mapTo(window(), bar()->marqueePanel()->geometry().center());
            QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, {}, marquee);
            QVERIFY(launched.isEmpty());
            QTest::mouseClick(about->homePageLink(), Qt::LeftButton);
            QTest::mouseClick(about->supportLink(), Qt::LeftButton);
            QTest::keyClick(about, Qt::Key_Return);
        });
        trigger(u"mnuHelpAbout"_s);
        QCOMPARE(launched, (QStringList{u"http://www.fernwick.example/"_s,
                                        u"mailto:support@fernwick.example"_s}));
        trigger(u"mnuHelpContents"_s);
        QCOMPARE(platform().helpRequests, 1);
        trigger(u"mnuHelpMoreFree"_s);
        QCOMPARE(launched.mid(2), QStringList{u"http://www.fernwick.example/"_s});
    }

    void helpButtonFindsThePageBesideTheProgram()
    {
        // The "Oops!" message's Help button, as the program ships it, whether or not the
        // program's folder ends in a separator.
        ShippedPlatform shipped;
        QDesktopServices::setUrlHandler(u"file"_s, &shipped, "open");
        auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });
        const QString folder = QDir::cleanPath(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR"));
        for (const QString &ending : {QString(), u"/"_s}) {
            shipped.folder = folder + ending;
            WhenModal<QMessageBox>([](QMessageBox *box) {
                WhenModal<QMessageBox>(
                    [](QMessageBox *again) { again->button(QMessageBox::Ok)->click(); });
                box->button(QMessageBox::Help)->click();
            });
            shipped.messageBox(nullptr, u"Oops"_s, 16432, u"Oops!"_s);
        }
        const QString page = folder + u"/brw.html"_s;
        QCOMPARE(shipped.opened, QList<QUrl>(2, QUrl::fromLocalFile(page)));

        // Without the page beside the program the user is told which file is missing.
        const QTemporaryDir empty;
        shipped.folder = empty.path();
        QString told;
        WhenModal<QMessageBox>([&told](QMessageBox *box) {
            told = box->windowTitle() + u' ' + box->text();
            box->button(QMessageBox::Ok)->click();
        });
        shipped.showHelp(nullptr);
        const QString missing = empty.filePath(u"brw.html"_s);
        QCOMPARE(told, u"Oops! Could not find the help page \"%1\"."_s.arg(missing));
        QCOMPARE(shipped.opened.size(), 2);
    }
};

BARWRIGHT_TEST_MAIN(TestStatusBarAndAbout)
#include "tst_StatusBarAndAbout.moc"
