#include "storage/CRegSettings.h"
#include "support/TestMain.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRect>
#include <QSettings>

using namespace Qt::StringLiterals;

class TestCRegSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void readingAFreshStoreGivesDefaultsAndCreatesNothing();
    void savedTextsReadBack();
    void companyAndAppNameAreTrimmedWithDefaults();
    void deletingValuesAndSections();
    void allSettingsListsTextValuesOnly();

private:
    QString storeFile() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Fernwick"_s,
                         u"Barwright"_s)
            .fileName();
    }
    // The company-wide file beside it, which QSettings would read when the store lacks a value.
    QString companyFile() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Fernwick"_s).fileName();
    }
};

void TestCRegSettings::cleanup()
{
    QFile::remove(storeFile());
    QFile::remove(companyFile());
}

void TestCRegSettings::readingAFreshStoreGivesDefaultsAndCreatesNothing()
{
    // The test's own configuration folder, never the user's.
    QVERIFY(storeFile().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    const CRegSettings settings = ProgramSettings();
    QCOMPARE(settings.GetSetting(u"General"_s, u"Show Message 1"_s, u"1"_s), u"1"_s);
    QCOMPARE(settings.GetSetting(u"General"_s, u"Show Message 1"_s), QString());
    QVERIFY(!QFileInfo::exists(storeFile()));

    // Only the user's own store counts, not the files that stand behind it.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Fernwick"_s)
        .setValue(u"General/Show Message 1"_s, u"0"_s);
    QVERIFY(QFileInfo::exists(companyFile()));
    QCOMPARE(settings.GetSetting(u"General"_s, u"Show Message 1"_s, u"1"_s), u"1"_s);
    QVERIFY(settings.GetAllSettings(u"General"_s).isEmpty());
}

void TestCRegSettings::savedTextsReadBack()
{
    CRegSettings settings = ProgramSettings();
    QVERIFY(settings.SaveSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#12"_s));
    QVERIFY(QFileInfo::exists(storeFile()));
    QVERIFY(storeFile().endsWith(u"Fernwick/Barwright.conf"_s));
    QVERIFY(settings.SaveSetting(u"General"_s, u"Show Message 2"_s, QString()));
    QVERIFY(settings.SaveSetting(u"General"_s, u"*"_s, u"unnamed"_s));

    const CRegSettings fresh = ProgramSettings();
    QCOMPARE(fresh.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#000000"_s), u"#12"_s);
    // An empty text is a value, not an absent one.
    QCOMPARE(fresh.GetSetting(u"General"_s, u"Show Message 2"_s, u"1"_s), QString());
    QCOMPARE(fresh.GetSetting(u"General"_s, u"*"_s), u"unnamed"_s);
    QCOMPARE(fresh.GetSetting(u"Other"_s, u"fgcolor"_s, u"none"_s), u"none"_s);
}

void TestCRegSettings::companyAndAppNameAreTrimmedWithDefaults()
{
    CRegSettings settings;
    settings.setCompany(u"  Acme  "_s);
    QCOMPARE(settings.Company(), u"Acme"_s);
    settings.setCompany(QString());
    QCOMPARE(settings.Company(), u"Fernwick"_s);
    settings.setAppName(u" Tool "_s);
    QCOMPARE(settings.AppName(), u"Tool"_s);
    settings.setAppName(QString());
    QCOMPARE(settings.AppName(), u"Barwright"_s);

    settings.setAppName(u"Other"_s);
    QVERIFY(settings.SaveSetting(u"General"_s, u"x"_s, u"1"_s));
    QCOMPARE(ProgramSettings().GetSetting(u"General"_s, u"x"_s, u"absent"_s), u"absent"_s);
}

void TestCRegSettings::deletingValuesAndSections()
{
    CRegSettings settings = ProgramSettings();
    settings.SaveSetting(u"Preview Colors"_s, u"fgcolor"_s, u"#111111"_s);
    settings.SaveSetting(u"Preview Colors"_s, u"bgcolor"_s, u"#222222"_s);
    settings.SaveSetting(u"General"_s, u"Show Message 1"_s, u"0"_s);

    QVERIFY(settings.DeleteSetting(u"Preview Colors"_s, u"fgcolor"_s));
    QVERIFY(!settings.DeleteSetting(u"Preview Colors"_s, u"fgcolor"_s));
    QCOMPARE(settings.GetSetting(u"Preview Colors"_s, u"fgcolor"_s, u"d"_s), u"d"_s);
    QCOMPARE(settings.GetSetting(u"Preview Colors"_s, u"bgcolor"_s), u"#222222"_s);

    QVERIFY(settings.DeleteSetting(u"Preview Colors"_s));
    QCOMPARE(settings.GetSetting(u"Preview Colors"_s, u"bgcolor"_s, u"d"_s), u"d"_s);
    QCOMPARE(settings.GetSetting(u"General"_s, u"Show Message 1"_s), u"0"_s);
    QVERIFY(!settings.DeleteSetting(u"Missing"_s));
}

void TestCRegSettings::allSettingsListsTextValuesOnly()
{
    CRegSettings settings = ProgramSettings();
    QVERIFY(settings.GetAllSettings(u"General"_s).isEmpty());
    settings.SaveSetting(u"General"_s, u"Show Message 1"_s, u"1"_s);
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, u"Fernwick"_s, u"Barwright"_s);
        raw.setValue(u"General/Window"_s, QRect(1, 2, 3, 4)); // not a text
        raw.setValue(u"General/Count"_s, 42); // nor a number
        raw.sync();
        // Read again from the file, as a new process reads it.
        QFile file(raw.fileName());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2001, 1, 1), QTime()),
                                 QFileDevice::FileModificationTime));
    }
    const auto rows = settings.GetAllSettings(u"General"_s);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].first, u"Show Message 1"_s);
    QCOMPARE(rows[0].second, u"1"_s);
}

BARWRIGHT_TEST_MAIN(TestCRegSettings)
#include "tst_CRegSettings.moc"
