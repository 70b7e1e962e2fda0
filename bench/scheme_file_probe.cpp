// Reads a large scheme file whose keys are nowhere, so every read scans all of it, and prints
// how long the header check and the read took and how much resident memory grew meanwhile.
//
//   scheme_file_probe [MEGABYTES]
#include "storage/SchemeFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Resident memory of this process, in KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 100;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("huge.brw"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("Barwright Color Scheme File (Do not edit manually)\r\n[Colors]\r\n");
        const QByteArray block = QByteArray(1023, 'z') + '\n';
        for (int i = 0; i < megabytes * 1024; ++i)
            file.write(block);
    }
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    const bool header = HasSchemeHeader(path);
    const qint64 headerMs = timer.restart();
    const SchemeFileContent content = ReadSchemeFile(path);
    const qint64 readMs = timer.elapsed();
    std::printf("file %d MiB: header %s in %lld ms, read in %lld ms (value 6 %s), resident "
                "memory grew %ld KiB\n",
                megabytes, header ? "found" : "MISSING", static_cast<long long>(headerMs),
                static_cast<long long>(readMs), content.elementTexts[6].isEmpty() ? "empty" : "SET",
                residentKiB() - before);
    return header && content.elementTexts[6].isEmpty() ? 0 : 1;
}
