#include "app/QtPlatformServices.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/MessageBox.h"
#include "toolkit/Twips.h"
#include "ui/AboutWindow.h"
#include "ui/LinkLabel.h"
#include "ui/MainStatusBar.h"
#include "ui/StatusPanel.h"
#include "ui/WebAddresses.h"

#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs `use` on the About window once it is up, while the menu entry's handler waits.
void whenAboutShown(const std::function<void(AboutWindow *)> &use)
{
    QTimer::singleShot(0, [use] {
        auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
        QVERIFY(about);
        use(about);
    });
}

// The desktop services as shipped, in a chosen program folder.
class ShippedPlatform : public QtPlatformServices
{
public:
    QString folder;
    QString programFolder() const override { return folder; }
};

// Takes the documents the desktop is asked to open, instead of opening them.
class DocumentCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestHelpAndAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void aboutWindowShowsItsDesign_data();
    void aboutWindowShowsItsDesign();
    void aboutLinksKeysAndModality();
    void helpMenuOpensHelpAndHomePage();
    void helpPageIsFoundBesideTheProgram_data();
    void helpPageIsFoundBesideTheProgram();

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

void TestHelpAndAbout::cleanup()
{
    m_fixture.reset();
}

void TestHelpAndAbout::aboutWindowShowsItsDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::newRow("icon") << u"picIcon"_s << QRect(240, 240, 480, 480) << QString();
    QTest::newRow("title") << u"lblTitle"_s << QRect(900, 240, 4065, 450) << u"Barwright"_s;
    QTest::newRow("version") << u"lblVersion"_s << QRect(900, 660, 3885, 225) << u"Version 3.1"_s;
    QTest::newRow("description")
        << u"lblDescription"_s << QRect(900, 1260, 3885, 840)
        << u"Add cool colorized scrollbars to your web page in a snap. (Only users of I.E. 5.5 "
           "or later will see the colors. All other browsers and versions will show normal "
           "scrollbars.)"_s;
    QTest::newRow("disclaimer") << u"lblDisclaimer"_s << QRect(2355, 2130, 2550, 435)
                                << u"Find more great free software titles from Fernwick at:"_s;
    QTest::newRow("home page") << u"Label1"_s << QRect(2175, 2580, 2925, 225)
                               << u"http://www.fernwick.example/"_s;
    QTest::newRow("support") << u"Label3"_s << QRect(2370, 2880, 2475, 225)
                             << u"support@fernwick.example"_s;
    QTest::newRow("ok") << u"cmdOK"_s << QRect(4140, 3210, 720, 405) << u"OK"_s;
}

void TestHelpAndAbout::aboutWindowShowsItsDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    AboutWindow about(m_fixture->window.get());
    QCOMPARE(about.objectName(), u"frmAbout"_s);
    QCOMPARE(about.windowTitle(), u"About..."_s);
    QCOMPARE(about.size(), twipsSize(5325, 4200));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    auto *control = about.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        if (!label->wordWrap() && !text.isEmpty())
            QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
        if (auto *link = qobject_cast<LinkLabel *>(label)) {
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(link->font().underline());
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(button->isDefault());
    }
}

void TestHelpAndAbout::aboutLinksKeysAndModality()
{
    MainStatusBar *statusBar = qobject_cast<MainStatusBar *>(m_fixture->window->statusBar());
    QStringList &launched = m_fixture->platform.launched;
    bool shown = false;
    whenAboutShown([&](AboutWindow *about) {
        shown = true;
        QCOMPARE(about->parentWidget(), m_fixture->window.get());
        QVERIFY(QTest::qWaitForWindowExposed(about));
        // The main window takes no input: its marquee panel does not answer a click that
        // comes the way the desktop's clicks come.
        MainWindow *window = m_fixture->window.get();
        const QPoint marquee
            = statusBar->mapTo(window, statusBar->marqueePanel()->geometry().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, marquee);
        QVERIFY(launched.isEmpty());
        QTest::mouseClick(about->homePageLink(), Qt::LeftButton);
        QTest::mouseClick(about->supportLink(), Qt::LeftButton);
        QTest::keyClick(about, Qt::Key_Return);
    });
    trigger(u"mnuHelpAbout"_s);
    QVERIFY(shown);
    QCOMPARE(
        launched,
        (QStringList{u"http://www.fernwick.example/"_s, u"mailto:support@fernwick.example"_s}));
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    shown = false;
    whenAboutShown([&](AboutWindow *about) {
        shown = true;
        QTest::keyClick(about, Qt::Key_Escape);
    });
    trigger(u"mnuHelpAbout"_s);
    QVERIFY(shown);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestHelpAndAbout::helpMenuOpensHelpAndHomePage()
{
    trigger(u"mnuHelpContents"_s);
    QCOMPARE(m_fixture->platform.helpRequests, 1);
    trigger(u"mnuHelpMoreFree"_s);
    QCOMPARE(m_fixture->platform.launched, QStringList{QString::fromUtf16(WebAddresses::HomePage)});
}

void TestHelpAndAbout::helpPageIsFoundBesideTheProgram_data()
{
    QTest::addColumn<bool>("endsInSeparator");
    QTest::newRow("plain folder") << false;
    QTest::newRow("folder ending in a separator") << true;
}

void TestHelpAndAbout::helpPageIsFoundBesideTheProgram()
{
    // The "Oops!" message's Help button, as the program ships it, opens the help page.
    QFETCH(bool, endsInSeparator);
    ShippedPlatform platform;
    platform.folder = QDir::cleanPath(qEnvironmentVariable("BARWRIGHT_PROGRAM_DIR"))
        + (endsInSeparator ? u"/"_s : QString());
    DocumentCatcher catcher;
    QDesktopServices::setUrlHandler(u"file"_s, &catcher, "open");
    auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });

    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTimer::singleShot(0, [] {
            auto *again = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(again);
            again->button(QMessageBox::Ok)->click();
        });
        box->button(QMessageBox::Help)->click();
    });
    QCOMPARE(platform.messageBox(nullptr, u"Oops"_s, 16432, u"Oops!"_s), int(MessageBoxResult::Ok));
    QCOMPARE(catcher.opened.size(), 1);
    const QString path = catcher.opened.constFirst().toLocalFile();
    QCOMPARE(path, QDir::cleanPath(platform.folder) + u"/brw.html"_s);
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
}

BARWRIGHT_TEST_MAIN(TestHelpAndAbout)
#include "tst_HelpAndAbout.moc"
