#include "output/Stationery.h"
#include "output/StyleBlock.h"
#include "storage/CRegSettings.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "toolkit/EntryBox.h"
#include "toolkit/MessageBox.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStationery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pageHoldsTheBlockAndThePreviewColours();
    void incompleteSchemeOrCancelWritesNothing();
    void unwritableFileIsReported();

private:
    void saveAsStationery() { m_fixture->window->findChild<QAction *>(u"mnuFileOES"_s)->trigger(); }
    QString inFolder(const QString &name) const { return m_folder->filePath(name); }
    bool folderIsEmpty() const { return QDir(m_folder->path()).isEmpty(); }

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestStationery::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fixture->open());
    m_folder = std::make_unique<QTemporaryDir>();
}

void TestStationery::cleanup()
{
    m_fixture.reset();
    ProgramSettings().DeleteSetting(u"Preview Colors"_s);
}

void TestStationery::pageHoldsTheBlockAndThePreviewColours()
{
    // Default colours while nothing is stored.
    m_fixture->platform.fileAnswers = {inFolder(u"plain"_s)};
    saveAsStationery();
    const auto &dialog = m_fixture->platform.fileDialogs.constLast();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.title, u"Save as Outlook Express Stationery"_s);
    QCOMPARE(dialog.defaultSuffix, u"htm"_s);
    QVERIFY(dialog.filter.contains(u"*.htm"_s));
    const QByteArray page = contents(inFolder(u"plain.htm"_s)); // the extension is added
    const QByteArray block = BuildStyleBlock(m_fixture->window->schemeTexts()).toUtf8();
    QCOMPARE(block.count("\r\n"), 13);
    const qsizetype head = page.indexOf("<HEAD>\r\n");
    QVERIFY(head > 0);
    QVERIFY(page.indexOf(block) > head);
    QVERIFY(page.indexOf(block) + block.size() == page.indexOf("</HEAD>\r\n"));
    QVERIFY(page.contains("<BODY text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n"));
    QVERIFY(page.endsWith("</BODY>\r\n</HTML>\r\n"));
    QCOMPARE(page.count("\r\n"), page.count('\n'));

    // The stored preview colours; an existing file is replaced, and a name with an
    // extension is kept as it is.
    CRegSettings settings = ProgramSettings();
    settings.SaveSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#12"_s);
    settings.SaveSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#FFFF00\"><script>"_s);
    m_fixture->platform.fileAnswers = {inFolder(u"plain.htm"_s)};
    saveAsStationery();
    const QByteArray colored = contents(inFolder(u"plain.htm"_s));
    QVERIFY(colored.contains("<BODY text=\"#12\" bgcolor=\"#FFFF00&quot;&gt;&lt;script&gt;\">"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{u"plain.htm"_s});
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void TestStationery::incompleteSchemeOrCancelWritesNothing()
{
    m_fixture->window->entryBox(3)->put(u"#C0C0"_s);
    saveAsStationery();
    QCOMPARE(m_fixture->platform.messageTitles(), QStringList{u"Error"_s});
    QVERIFY(m_fixture->platform.fileDialogs.isEmpty());

    m_fixture->window->entryBox(3)->put(u"#C0C0C0"_s);
    saveAsStationery(); // the dialog is cancelled
    QCOMPARE(m_fixture->platform.fileDialogs.size(), 1);
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QVERIFY(folderIsEmpty());
}

void TestStationery::unwritableFileIsReported()
{
    m_fixture->platform.fileAnswers = {inFolder(u"missing/page.htm"_s)};
    saveAsStationery();
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const auto &message = m_fixture->platform.messages.constFirst();
    QCOMPARE(message.title, u"Error"_s);
    QCOMPARE(message.style, int(MessageBoxStyle::Critical));
    const QString lead
        = u"Barwright could not perform this operation due to the following error:\r\n\r\n\""_s;
    QVERIFY2(message.text.startsWith(lead) && message.text.endsWith(u'"')
                 && message.text.size() > lead.size() + 1,
             qPrintable(message.text));
    QVERIFY(folderIsEmpty());
}

BARWRIGHT_TEST_MAIN(TestStationery)
#include "tst_Stationery.moc"
