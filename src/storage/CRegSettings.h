#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Small per-user settings kept as texts under company / application / section / value name,
// in the desktop's own store: the registry under HKEY_CURRENT_USER\Software on Windows, the
// user's configuration folder elsewhere. The value name "*" stands for the section's unnamed
// default value. Nothing is kept open between calls, and no call reports an error but
// through its result.
class CRegSettings
{
public:
    CRegSettings();

    QString Company() const { return m_company; }
    void setCompany(const QString &company); // blanks around are dropped; empty: the default
    QString AppName() const { return m_appName; }
    void setAppName(const QString &appName); // blanks around are dropped; empty: the product

    QString GetSetting(const QString &section, const QString &name,
                       const QString &defaultText = {}) const;
    bool SaveSetting(const QString &section, const QString &name, const QString &text);
    // With no name, removes the whole section. False when there was nothing to remove.
    bool DeleteSetting(const QString &section, const QString &name = {});
    // The section's text values as (name, text) pairs; empty when there are none.
    QList<QPair<QString, QString>> GetAllSettings(const QString &section) const;

private:
    QString m_company;
    QString m_appName;
};

// The company and application the program keeps its settings under.
CRegSettings ProgramSettings();
