#include "output/PreviewPage.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// Where the preview page goes, and what is said when it cannot go anywhere.
class TestPreviewPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageGoesWhereItCanBeWritten();
};

void TestPreviewPage::pageGoesWhereItCanBeWritten()
{
    QTemporaryDir program;
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    QVERIFY(data.path().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    write(program.filePath(u"arrow.gif"_s), "GIF89a one");
    write(program.filePath(u"brwpreview.html"_s), QByteArray(4096, 'x'));

    // An earlier, longer page is emptied first.
    QString error;
    const QString inProgram = QDir::toNativeSeparators(program.filePath(u"brwpreview.html"_s));
    QCOMPARE(WritePreviewPage(program.path(), u"<HTML>\r\n"_s, error), inProgram);
    QCOMPARE(contents(inProgram), QByteArray("<HTML>\r\n"));
    QVERIFY(!data.exists());

    // A folder in the page's place cannot be opened as a file, not even by the superuser: the
    // page goes to the user's data folder, with the picture, which follows a changed original.
    QVERIFY(QFile::remove(inProgram) && QDir(program.path()).mkdir(u"brwpreview.html"_s));
    const QString inData = QDir::toNativeSeparators(data.filePath(u"brwpreview.html"_s));
    QCOMPARE(WritePreviewPage(program.path(), u"page"_s, error), inData);
    QCOMPARE(contents(inData), QByteArray("page"));
    QCOMPARE(contents(data.filePath(u"arrow.gif"_s)), QByteArray("GIF89a one"));
    write(program.filePath(u"arrow.gif"_s), "GIF89a two");
    QCOMPARE(WritePreviewPage(program.path(), u"page"_s, error), inData);
    QCOMPARE(contents(data.filePath(u"arrow.gif"_s)), QByteArray("GIF89a two"));
    QVERIFY(error.isEmpty());

    // Nowhere: both places, each with the system's reason.
    QVERIFY(QFile::remove(inData) && data.mkdir(u"brwpreview.html"_s));
    QCOMPARE(WritePreviewPage(program.path(), u"page"_s, error), QString());
    const QStringList lines = error.split(u'\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(inProgram + u": "_s) && lines[0].size() > inProgram.size() + 5,
             qPrintable(error));
    QVERIFY2(lines[1].startsWith(inData + u": "_s) && lines[1].size() > inData.size() + 5,
             qPrintable(error));
}

BARWRIGHT_TEST_MAIN(TestPreviewPage)
#include "tst_PreviewPage.moc"
