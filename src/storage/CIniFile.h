#pragma once

#include <QString>

// Reads and writes single values of an INI file, one call at a time: nothing is kept open
// or cached between calls. Set Path, Section and Key, then read or assign Value. Names match
// without regard to letter case. Files are single-byte (Latin-1) text with CR LF line ends;
// LF alone is read too. Nothing raises an error: a read that fails yields Default, a write
// that fails shows as 0 in LastReturnCode.
class CIniFile
{
public:
    QString Path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    QString Section() const { return m_section; }
    void setSection(const QString &section) { m_section = section; }
    QString Key() const { return m_key; }
    void setKey(const QString &key) { m_key = key; }
    QString Default() const { return m_default; }
    void setDefault(const QString &text) { m_default = text; }
    qint32 LastReturnCode() const { return m_lastReturnCode; }
    // The system's description of the last write's failure; empty after a success.
    QString lastErrorString() const { return m_lastError; }

    // At most 254 characters, as the classic 255-character buffer holds.
    QString Value() const;
    // Creates the file, the section and the key as needed; NUL characters are dropped.
    void setValue(const QString &value);

    // The section's key names in file order, each followed by a NUL character.
    QString INISection() const;
    // Replaces the section's keys with these NUL-separated names, each with an empty value.
    void setINISection(const QString &names);

    void DeleteSection();
    void DeleteValue();

private:
    template<typename Edit> void rewrite(Edit edit, bool createsFile);

    QString m_path;
    QString m_section;
    QString m_key;
    QString m_default;
    qint32 m_lastReturnCode = 0;
    QString m_lastError;
};
