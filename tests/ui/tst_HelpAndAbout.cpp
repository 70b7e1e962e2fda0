#include "app/QtPlatformServices.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/Twips.h"
#include "ui/AboutWindow.h"
#include "ui/LinkLabel.h"
#include "ui/MainStatusBar.h"
#include "ui/StatusPanel.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
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

// Answers the modal window that comes up next.
template<typename Window> void whenShown(const std::function<void(Window *)> &answer)
{
    QTimer::singleShot(0, [answer] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        QVERIFY(window);
        answer(window);
    });
}

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
    QCOMPARE(about.windowTitle(), u"About..."_s);
    QCOMPARE(about.size(), twipsSize(5325, 4200));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    const struct
    {
        const char16_t *name;
        QRect twips;
        const char16_t *text;
    } controls[] = {
        {u"picIcon", {240, 240, 480, 480}, u""},
        {u"lblTitle", {900, 240, 4065, 450}, u"Barwright"},
        {u"lblVersion", {900, 660, 3885, 225}, u"Version 3.1"},
        {u"lblDescription",
         {900, 1260, 3885, 840},
         u"Add cool colorized scrollbars to your web page in a snap. (Only users of I.E. 5.5 or "
         u"later will see the colors. All other browsers and versions will show normal "
         u"scrollbars.)"},
        {u"lblDisclaimer",
         {2355, 2130, 2550, 435},
         u"Find more great free software titles from Fernwick at:"},
        {u"Label1", {2175, 2580, 2925, 225}, u"http://www.fernwick.example/"},
        {u"Label3", {2370, 2880, 2475, 225}, u"support@fernwick.example"},
        {u"cmdOK", {4140, 3210, 720, 405}, u"OK"},
    };
    for (const auto &[name, twips, text] : controls) {
        const auto *control = about.findChild<QWidget *>(QString::fromUtf16(name));
        QVERIFY2(control, qPrintable(QString::fromUtf16(name)));
        QCOMPARE(control->geometry(),
                 twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *button = qobject_cast<const QPushButton *>(control);
        QCOMPARE(label ? label->text() : button->text(), QString::fromUtf16(text));
        // Every text is whole: one line fits the width, wrapped lines fit the height.
        const QRect needed = control->fontMetrics().boundingRect(
            control->rect(), label && label->wordWrap() ? Qt::TextWordWrap : 0,
            QString::fromUtf16(text));
        QVERIFY2(needed.width() <= control->width() && needed.height() <= control->height(),
                 qPrintable(QString::fromUtf16(name)));
    }
    QCOMPARE(about.homePageLink()->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(about.supportLink()->font().underline());
    QVERIFY(about.okButton()->isDefault());
}

void TestHelpAndAbout::aboutLinksKeysAndModality()
{
    MainWindow *window = m_fixture->window.get();
    QStringList &launched = m_fixture->platform.launched;
    whenShown<AboutWindow>([&](AboutWindow *about) {
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
    whenShown<AboutWindow>([](AboutWindow *about) { QTest::keyClick(about, Qt::Key_Escape); });
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
        whenShown<QMessageBox>([](QMessageBox *box) {
            whenShown<QMessageBox>(
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
}

BARWRIGHT_TEST_MAIN(TestHelpAndAbout)
#include "tst_HelpAndAbout.moc"
