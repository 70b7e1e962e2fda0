#include "app/QtPlatformServices.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"
#include "support/TestMain.h"
#include "ui/AboutWindow.h"
#include "ui/LinkLabel.h"
#include "ui/MainStatusBar.h"
#include "ui/StatusPanel.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
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

class TestHelpAndAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_fixture.reset(); }

    void aboutWindowShowsItsDesign();
    void aboutLinksKeysAndModality();
    void helpMenuOpensHelpAndHomePage();
    void helpButtonFindsThePageBesideTheProgram();

private:
    void trigger(const QString &entry)
    {
        m_fixture->window->findChild<QAction *>(entry)->trigger();
    }
    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestHelpAndAbout::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
}

void TestHelpAndAbout::aboutWindowShowsItsDesign()
{
    const AboutWindow about(m_fixture->window.get());
    QCOMPARE(about.minimumSize(), about.maximumSize());
    // Every text is whole, whatever the desktop's font: one line fits the width, wrapped
    // lines fit the height.
    for (const QLabel *label : about.findChildren<QLabel *>()) {
        const QRect needed = label->fontMetrics().boundingRect(
            label->rect(), label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->objectName()));
    }
    QCOMPARE(about.homePageLink()->text(), u"http://www.fernwick.example/"_s);
    QCOMPARE(about.homePageLink()->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(about.supportLink()->font().underline());
    QVERIFY(about.okButton()->isDefault());
    QCOMPARE(about.windowType(), Qt::Tool);
}

void TestHelpAndAbout::aboutLinksKeysAndModality()
{
    MainWindow *window = m_fixture->window.get();
    QStringList &launched = m_fixture->platform.launched;
    WhenModal<AboutWindow>([&](AboutWindow *about) {
        QVERIFY(QTest::qWaitForWindowExposed(about));
        // A click that comes the way the desktop's clicks come does not reach the main window.
        auto *bar = qobject_cast<MainStatusBar *>(window->statusBar());
        const QPoint marquee = bar->mapTo(window, bar->marqueePanel()->geometry().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, marquee);
        QVERIFY(launched.isEmpty());
        QTest::mouseClick(about->homePageLink(), Qt::LeftButton);
        QTest::mouseClick(about->supportLink(), Qt::LeftButton);
        QTest::keyClick(about, Qt::Key_Return);
    });
    trigger(u"mnuHelpAbout"_s);
    QCOMPARE(
        launched,
        (QStringList{u"http://www.fernwick.example/"_s, u"mailto:support@fernwick.example"_s}));
    WhenModal<AboutWindow>([](AboutWindow *about) { QTest::keyClick(about, Qt::Key_Escape); });
    trigger(u"mnuHelpAbout"_s);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpAndAbout::helpMenuOpensHelpAndHomePage()
{
    trigger(u"mnuHelpContents"_s);
    QCOMPARE(m_fixture->platform.helpRequests, 1);
    trigger(u"mnuHelpMoreFree"_s);
    QCOMPARE(m_fixture->platform.launched, QStringList{u"http://www.fernwick.example/"_s});
}

void TestHelpAndAbout::helpButtonFindsThePageBesideTheProgram()
{
    // The "Oops!" message's Help button, as the program ships it, whether or not the
    // program's folder ends in a separator.
    ShippedPlatform platform;
    QDesktopServices::setUrlHandler(u"file"_s, &platform, "open");
    auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });
    const QString folder = QDir::cleanPath(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR"));
    for (const QString &ending : {QString(), u"/"_s}) {
        platform.folder = folder + ending;
        WhenModal<QMessageBox>([](QMessageBox *box) {
            WhenModal<QMessageBox>(
                [](QMessageBox *again) { again->button(QMessageBox::Ok)->click(); });
            box->button(QMessageBox::Help)->click();
        });
        platform.messageBox(nullptr, u"Oops"_s, 16432, u"Oops!"_s);
    }
    QCOMPARE(platform.opened.size(), 2);
    for (const QUrl &url : platform.opened) {
        QCOMPARE(url.toLocalFile(), folder + u"/brw.html"_s);
        QVERIFY(QFileInfo(url.toLocalFile()).isFile());
    }

    // Without the page beside the program the user is told which file is missing.
    const QTemporaryDir empty;
    platform.folder = empty.path();
    QString told;
    WhenModal<QMessageBox>([&told](QMessageBox *box) {
        told = box->windowTitle() + u' ' + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    platform.showHelp(nullptr);
    QCOMPARE(told,
             u"Oops! Could not find the help page \"%1\"."_s.arg(empty.filePath(u"brw.html"_s)));
    QCOMPARE(platform.opened.size(), 2);
}

BARWRIGHT_TEST_MAIN(TestHelpAndAbout)
#include "tst_HelpAndAbout.moc"
