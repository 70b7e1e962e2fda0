#include "storage/CIniFile.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestCIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readsFallBackToTheDefault();
    void writesCreateAndReplaceInPlace();
    void namesMatchWithoutRegardToCase();
    void valuesAreCutAndCleaned();
    void sectionKeyListsAndDeletion();

private:
    QByteArray contents() const;
    void setContents(const QByteArray &bytes) const;
    CIniFile at(const QString &section, const QString &key) const;

    QTemporaryDir m_dir;
    QString m_path;
};

void TestCIniFile::init()
{
    m_path = m_dir.filePath(u"t%1.ini"_s.arg(QLatin1StringView(QTest::currentTestFunction())));
}

QByteArray TestCIniFile::contents() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestCIniFile::setContents(const QByteArray &bytes) const
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

CIniFile TestCIniFile::at(const QString &section, const QString &key) const
{
    CIniFile ini;
    ini.setPath(m_path);
    ini.setSection(section);
    ini.setKey(key);
    return ini;
}

void TestCIniFile::readsFallBackToTheDefault()
{
    CIniFile ini = at(u"Colors"_s, u"Value 0"_s);
    QCOMPARE(ini.Value(), QString()); // no file
    QVERIFY(!QFile::exists(m_path)); // setting names alone touches nothing
    ini.setDefault(u"#123456"_s);
    QCOMPARE(ini.Value(), u"#123456"_s);

    setContents("[Colors]\r\nValue 1=#FFFFFF\r\n[Other]\r\nValue 0=#000000\r\n");
    QCOMPARE(ini.Value(), u"#123456"_s); // the key is in another section
    ini.setSection(u"Other"_s);
    QCOMPARE(ini.Value(), u"#000000"_s);
    QCOMPARE(ini.LastReturnCode(), 0); // reads leave it alone

    ini.setPath(m_dir.path()); // a folder
    QCOMPARE(ini.Value(), u"#123456"_s);
}

void TestCIniFile::writesCreateAndReplaceInPlace()
{
    CIniFile ini = at(u"Type"_s, u"IsBase"_s);
    ini.setValue(u"0"_s);
    QCOMPARE(ini.LastReturnCode(), 1);
    QCOMPARE(contents(), "[Type]\r\nIsBase=0\r\n");

    // A header line the reader does not understand stays where it is; LF alone is read.
    setContents("Header line\n[Type]\nIsBase=0\n[Colors]\nValue 0=#C0C0C0\n");
    ini.setValue(u"1"_s);
    at(u"Colors"_s, u"Value 1"_s).setValue(u"#FFFFFF"_s);
    at(u"New"_s, u"Key"_s).setValue(u"v"_s);
    QCOMPARE(contents(),
             "Header line\r\n[Type]\r\nIsBase=1\r\n[Colors]\r\nValue 0=#C0C0C0\r\n"
             "Value 1=#FFFFFF\r\n[New]\r\nKey=v\r\n");

    CIniFile broken = at(u"Type"_s, u"IsBase"_s);
    broken.setPath(m_dir.filePath(u"no/such/folder/x.ini"_s));
    broken.setValue(u"1"_s);
    QCOMPARE(broken.LastReturnCode(), 0);
    QVERIFY(!broken.lastErrorString().isEmpty());
}

void TestCIniFile::namesMatchWithoutRegardToCase()
{
    setContents("[colors]\r\nvalue 0 = #aBcDeF \r\nQuoted=\"  spaced  \"\r\n");
    QCOMPARE(at(u"COLORS"_s, u"Value 0"_s).Value(), u"#aBcDeF"_s);
    QCOMPARE(at(u"Colors"_s, u"quoted"_s).Value(), u"  spaced  "_s);
    at(u"COLORS"_s, u"VALUE 0"_s).setValue(u"#000000"_s);
    QCOMPARE(contents(), "[colors]\r\nvalue 0=#000000\r\nQuoted=\"  spaced  \"\r\n");
}

void TestCIniFile::valuesAreCutAndCleaned()
{
    CIniFile ini = at(u"S"_s, u"K"_s);
    const QString long300(300, u'x');
    ini.setValue(long300);
    QCOMPARE(ini.Value(), long300.left(254));
    ini.setValue(u"a"_s + QChar(0) + u"b"_s);
    QCOMPARE(ini.Value(), u"ab"_s);
    ini.setDefault(long300);
    ini.setKey(u"Missing"_s);
    QCOMPARE(ini.Value().size(), 254);
}

void TestCIniFile::sectionKeyListsAndDeletion()
{
    setContents("[A]\r\nFirst=1\r\nSecond=2\r\n[B]\r\nThird=3\r\n");
    CIniFile ini = at(u"A"_s, u"Second"_s);
    QCOMPARE(ini.INISection(), u"First"_s + QChar(0) + u"Second"_s + QChar(0));

    ini.DeleteValue();
    QCOMPARE(contents(), "[A]\r\nFirst=1\r\n[B]\r\nThird=3\r\n");

    ini.setINISection(u"X"_s + QChar(0) + u"Y"_s + QChar(0));
    QCOMPARE(contents(), "[A]\r\nX=\r\nY=\r\n[B]\r\nThird=3\r\n");

    ini.DeleteSection();
    QCOMPARE(contents(), "[B]\r\nThird=3\r\n");
    QCOMPARE(ini.LastReturnCode(), 1);
    ini.setKey(u"X"_s);
    QCOMPARE(ini.Value(), QString());
}

BARWRIGHT_TEST_MAIN(TestCIniFile)
#include "tst_CIniFile.moc"
