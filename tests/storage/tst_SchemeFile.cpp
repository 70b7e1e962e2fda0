#include "storage/SchemeFile.h"
#include "support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

SchemeTexts defaults()
{
    return {{u"#C0C0C0"_s, u"#FFFFFF"_s, u"#FFFFFF"_s, u"#C0C0C0"_s, u"#808080"_s, u"#000000"_s,
             u"#E0E0E0"_s, u"#808080"_s},
            false};
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// How long a read of a hostile file may take. The sanitizer build runs many times slower; the
// limit is meant for the shipped build.
#ifdef __SANITIZE_ADDRESS__
constexpr qint64 ReadLimitMs = 20000;
#else
constexpr qint64 ReadLimitMs = 1000;
#endif

// The permission bits of a file.
unsigned mode(const QString &path)
{
    struct stat info = {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777u : 0u;
}

// Resident memory of this process, in KiB.
long residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

class TestSchemeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedFilesAreByteExact();
    void headerIsTheFirstFieldOfTheFirstLine_data();
    void headerIsTheFirstFieldOfTheFirstLine();
    void readingAcrossModesAndMissingKeys();
    void hostileFilesEndQuicklyInBoundedMemory();
    void aFailingSaveLeavesTheOldFile();
    void fileNameOf();

private:
    // Temporary files a save left behind.
    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList({u".*"_s}, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_dir;
};

void TestSchemeFile::savedFilesAreByteExact()
{
    const QString path = m_dir.filePath(u"default.brw"_s);
    QCOMPARE(WriteSchemeFile(path, defaults()), QString());
    QCOMPARE(read(path),
             "Barwright Color Scheme File (Do not edit manually)\r\n"
             "[Type]\r\nIsBase=0\r\n"
             "[Colors]\r\nValue 0=#C0C0C0\r\nValue 1=#FFFFFF\r\nValue 2=#FFFFFF\r\n"
             "Value 3=#C0C0C0\r\nValue 4=#808080\r\nValue 5=#000000\r\n"
             "Value 6=#E0E0E0\r\n");

    SchemeTexts base = defaults();
    base.baseColor = true;
    QCOMPARE(WriteSchemeFile(path, base), QString());
    QCOMPARE(read(path),
             "Barwright Color Scheme File (Do not edit manually)\r\n"
             "[Type]\r\nIsBase=1\r\n[Color]\r\nValue=#808080\r\n");
    // Saving starts a new file: switching back leaves no "Color" section.
    QCOMPARE(WriteSchemeFile(path, defaults()), QString());
    QVERIFY(!read(path).contains("[Color]"));
    QCOMPARE(leftovers(), QStringList());

    // Through a link the target is saved and the link stays; a replaced file keeps its mode,
    // a new one gets the umask.
    QCOMPARE(chmod(QFile::encodeName(path).constData(), 0700), 0);
    const QString link = m_dir.filePath(u"link.brw"_s);
    QVERIFY(QFile::link(path, link));
    QCOMPARE(WriteSchemeFile(link, base), QString());
    QVERIFY(QFileInfo(link).isSymLink() && read(path).contains("IsBase=1"));
    QCOMPARE(mode(path), 0700u);
    const mode_t umasked = umask(027);
    QCOMPARE(WriteSchemeFile(m_dir.filePath(u"new.brw"_s), base), QString());
    umask(umasked);
    QCOMPARE(mode(m_dir.filePath(u"new.brw"_s)), 0640u);
}

void TestSchemeFile::headerIsTheFirstFieldOfTheFirstLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("header");
    const QByteArray h = "Barwright Color Scheme File (Do not edit manually)";
    QTest::newRow("header") << h + "\r\n[Type]\r\n" << true;
    QTest::newRow("LF only, no more lines") << h + "\n" << true;
    QTest::newRow("then a comma") << h + ",more text\r\n" << true;
    QTest::newRow("leading blanks, quoted") << "   \"" + h + "\",x\r\n" << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("wrong case") << h.toUpper() + "\r\n" << false;
    QTest::newRow("another kind") << QByteArray("[Type]\r\nIsBase=0\r\n") << false;
    QTest::newRow("trailing text") << h + " v2\r\n" << false;
}

void TestSchemeFile::headerIsTheFirstFieldOfTheFirstLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, header);
    const QString path = m_dir.filePath(u"header.brw"_s);
    write(path, bytes);
    QCOMPARE(HasSchemeHeader(path), header);
    QVERIFY(!HasSchemeHeader(m_dir.filePath(u"deleted.brw"_s)));
}

void TestSchemeFile::readingAcrossModesAndMissingKeys()
{
    const QString path = m_dir.filePath(u"read.brw"_s);
    const QByteArray header = "Barwright Color Scheme File (Do not edit manually)\r\n";
    write(path, header + "[TYPE]\r\nisbase=1\r\n[color]\r\nVALUE=#336699\r\n");
    SchemeFileContent content = ReadSchemeFile(path);
    QVERIFY(content.baseColor);
    QCOMPARE(content.baseText, u"#336699"_s);

    for (const QByteArray &isBase :
         {QByteArray("IsBase=0\r\n"), QByteArray("IsBase=01\r\n"), QByteArray()}) {
        write(path, header + "[Type]\r\n" + isBase + "[Colors]\r\nValue 2=#123456\r\n");
        content = ReadSchemeFile(path);
        QVERIFY(!content.baseColor);
        QCOMPARE(content.elementTexts[2], u"#123456"_s);
        QCOMPARE(content.elementTexts[0], QString()); // missing keys read empty
    }
}

void TestSchemeFile::hostileFilesEndQuicklyInBoundedMemory()
{
    const QByteArray header = "Barwright Color Scheme File (Do not edit manually)\r\n";
    QRandomGenerator random(7);
    QByteArray binary(1 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(binary.data()), binary.size() / 4);
    const QByteArray megabyteLine(1 << 20, 'x');

    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"binary", binary},
        {"header then binary", header + binary},
        {"NUL bytes", header + QByteArray("[Type]\0\r\nIsBase=1\0\r\n", 21)},
        {"megabyte lines", header + "[Colors]\r\n" + megabyteLine + "\r\nValue 0=" + megabyteLine},
        {"invalid UTF-8", header + "[Colors]\r\nValue 0=\xC3\x28\xFF\xFE\r\n"},
    };
    for (const Case &c : cases) {
        const QString path = m_dir.filePath(QString::fromLatin1(c.name));
        write(path, c.bytes);
        QElapsedTimer timer;
        timer.start();
        if (HasSchemeHeader(path))
            ReadSchemeFile(path);
        QVERIFY2(timer.elapsed() < ReadLimitMs, c.name);
    }

    // A 100 MB file with the header, and keys nowhere: every read scans all of it.
    const QString huge = m_dir.filePath(u"huge.brw"_s);
    {
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header + "[Colors]\r\n");
        const QByteArray block = QByteArray(1023, 'z') + '\n';
        for (int i = 0; i < 100 * 1024; ++i)
            file.write(block);
    }
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    QVERIFY(HasSchemeHeader(huge));
    const SchemeFileContent content = ReadSchemeFile(huge);
    QVERIFY2(timer.elapsed() < ReadLimitMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(content.elementTexts[6], QString());
    // The file is mapped, not copied into memory.
    QVERIFY(residentKiB() - before < 150 * 1024);
    QFile::remove(huge);

    // A folder and a pipe given as the name: refused at once, never waited on.
    QVERIFY(!HasSchemeHeader(m_dir.path()));
    const QString fifo = m_dir.filePath(u"pipe.brw"_s);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!HasSchemeHeader(fifo));
    QCOMPARE(ReadSchemeFile(fifo).elementTexts[0], QString());
}

void TestSchemeFile::aFailingSaveLeavesTheOldFile()
{
    const QString path = m_dir.filePath(u"kept.brw"_s);
    SchemeTexts base = defaults();
    base.baseColor = true;
    QCOMPARE(WriteSchemeFile(path, base), QString());
    const QByteArray before = read(path);

    // The disk fills up halfway through the new file.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{80, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const QString error = WriteSchemeFile(path, defaults());
    setrlimit(RLIMIT_FSIZE, &limit);

    QVERIFY(!error.isEmpty());
    QCOMPARE(read(path), before);
    QCOMPARE(leftovers(), QStringList());

    QVERIFY(!WriteSchemeFile(m_dir.filePath(u"kept.brw/inside.brw"_s), base).isEmpty());
}

void TestSchemeFile::fileNameOf()
{
    QCOMPARE(FileNameOf(uR"(C:\Schemes\blue.brw)"_s), u"blue.brw"_s);
    QCOMPARE(FileNameOf(u"/home/me/blue.brw"_s), u"blue.brw"_s);
    QCOMPARE(FileNameOf(u"blue.brw"_s), QString());
    QCOMPARE(FileNameOf(u"/home/me/"_s), QString());
}

BARWRIGHT_TEST_MAIN(TestSchemeFile)
#include "tst_SchemeFile.moc"
