#include "CommandLine.h"

#include "OpenedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

CommandLine::CommandLine(const QStringList &arguments)
{
    const QStringList named = arguments.mid(1);
    if (named.isEmpty())
        return;
    const QString &file = named.first();
    m_valid = named.size() == 1 && !file.startsWith(u'-')
        && OpenedFileKindOf(file) != OpenedFileKind::Unknown;
    if (m_valid)
        m_file = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
}

namespace {

QStringList localArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

CommandLine::CommandLine(int argc, char **argv)
    : CommandLine(localArguments(argc, argv))
{
}

QString CommandLine::usage()
{
    return QCoreApplication::translate("CommandLine",
                                       "usage: barwright [SCHEME.brw | PAGE.html | PAGE.htm | "
                                       "SHEET.css]");
}
