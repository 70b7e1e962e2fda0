#pragma once

#include <QString>
#include <QStringList>

// The program's command line: `barwright [FILE]`, where FILE is a scheme to load or an old page
// or style sheet to import. Anything else is a mistake, answered with the usage line. Qt's own
// options are not read: they are mistakes too.
class CommandLine
{
public:
    // The arguments as the program got them, its name first.
    explicit CommandLine(const QStringList &arguments);
    // The same from main()'s arguments, in the local 8-bit encoding.
    CommandLine(int argc, char **argv);

    bool isValid() const { return m_valid; }
    // The file to open, as a full path; empty when none was named.
    QString file() const { return m_file; }

    static QString usage();

    // What the program ends with after the usage line.
    static constexpr int UsageExitCode = 2;

private:
    bool m_valid = true;
    QString m_file;
};
