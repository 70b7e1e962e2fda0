#include "output/PreviewPage.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

// Where the preview page goes, and what happens when it cannot go anywhere.
class TestPreviewPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void pageGoesIntoTheProgramFolder();
    void aBlockedProgramFolderSendsItToTheUsersDataFolder();
    void aPageThatCannotBeWrittenAnywhereIsReported();

private:
    static QByteArray contents(const QString &path);
    QString dataFolder() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    }

    std::unique_ptr<QTemporaryDir> m_program;
};

QByteArray TestPreviewPage::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void TestPreviewPage::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    QFile picture(m_program->filePath(u"arrow.gif"_s));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("GIF89a picture");
    picture.close();
    QDir(dataFolder()).removeRecursively();
    QVERIFY(dataFolder().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
}

void TestPreviewPage::pageGoesIntoTheProgramFolder()
{
    const QString page = m_program->filePath(u"brwpreview.html"_s);
    QFile old(page);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4096, 'x')); // a longer earlier page is emptied first
    old.close();

    QString error;
    QCOMPARE(WritePreviewPage(m_program->path(), u"<HTML>\r\n"_s, error),
             QDir::toNativeSeparators(page));
    QCOMPARE(contents(page), QByteArray("<HTML>\r\n"));
    QVERIFY(error.isEmpty());
    QVERIFY(!QDir(dataFolder()).exists());
}

void TestPreviewPage::aBlockedProgramFolderSendsItToTheUsersDataFolder()
{
    // A folder in the page's place cannot be opened as a file, not even by the superuser.
    QVERIFY(QDir(m_program->path()).mkdir(u"brwpreview.html"_s));
    QString error;
    const QString page = WritePreviewPage(m_program->path(), u"page"_s, error);
    QCOMPARE(page, QDir::toNativeSeparators(dataFolder() + u"/brwpreview.html"_s));
    QCOMPARE(contents(page), QByteArray("page"));
    // The page's picture comes along, and follows a changed original.
    QCOMPARE(contents(dataFolder() + u"/arrow.gif"_s), QByteArray("GIF89a picture"));
    QFile picture(m_program->filePath(u"arrow.gif"_s));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("GIF89a another");
    picture.close();
    QCOMPARE(WritePreviewPage(m_program->path(), u"again"_s, error), page);
    QCOMPARE(contents(dataFolder() + u"/arrow.gif"_s), QByteArray("GIF89a another"));
    QVERIFY(error.isEmpty());
}

void TestPreviewPage::aPageThatCannotBeWrittenAnywhereIsReported()
{
    QVERIFY(QDir(m_program->path()).mkdir(u"brwpreview.html"_s));
    QVERIFY(QDir().mkpath(dataFolder() + u"/brwpreview.html"_s));
    QString error;
    QCOMPARE(WritePreviewPage(m_program->path(), u"page"_s, error), QString());
    // Both places, each with the system's reason.
    const QStringList lines = error.split(u'\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(QDir::toNativeSeparators(m_program->path())), qPrintable(error));
    QVERIFY2(lines[1].startsWith(QDir::toNativeSeparators(dataFolder())), qPrintable(error));
    for (const QString &line : lines)
        QVERIFY2(line.section(u"brwpreview.html: "_s, 1).size() > 3, qPrintable(line));
}

BARWRIGHT_TEST_MAIN(TestPreviewPage)
#include "tst_PreviewPage.moc"
