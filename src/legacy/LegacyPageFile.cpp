#include "LegacyPageFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Binary data shows itself at once; the rest of a long page need not be looked at.
constexpr qsizetype TextProbe = 64 * 1024;

constexpr qint64 PipeChunk = 64 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("LegacyPageFile", text);
}

LegacyColorImport failure(const QString &error)
{
    LegacyColorImport result;
    result.error = error;
    return result;
}

std::nullopt_t failed(QString &error, const QString &why)
{
    error = why;
    return std::nullopt;
}

bool isControl(char c)
{
    const auto u = static_cast<unsigned char>(c);
    // Tabs, line ends, form feeds and the end-of-file mark of old editors are at home in text.
    return (u < 0x20 && !QByteArrayView("\t\n\r\f\x1A").contains(c)) || u == 0x7F;
}

// A page's bytes as UTF-8, or nothing when they are not text: a zero byte anywhere, or more
// control characters at the start than a page has by accident.
// Pages in a one-byte code page stay as they are: the properties and colours are plain ASCII.
std::optional<QByteArray> pageText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decode(QStringConverter::Utf16);
        const QString text = decode(bytes);
        if (decode.hasError() || text.contains(QChar(0)))
            return std::nullopt;
        return text.toUtf8();
    }
    const QByteArrayView start = QByteArrayView(bytes).first(std::min(bytes.size(), TextProbe));
    if (bytes.contains('\0')
        || std::count_if(start.begin(), start.end(), isControl) > start.size() / 100)
        return std::nullopt;
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

} // namespace

LegacySource LegacySourceOf(const QString &path)
{
    return QFileInfo(path).suffix().compare(u"css"_s, Qt::CaseInsensitive) == 0
        ? LegacySource::Css
        : LegacySource::Html;
}

std::optional<QByteArray> ReadLegacyPageText(QIODevice &device, QString &error)
{
    const QString tooLarge = tr("the file is larger than 20 MB");
    QByteArray bytes;
    if (!device.isSequential()) {
        if (device.size() > LegacyPageLimit)
            return failed(error, tooLarge);
        bytes = device.readAll();
    }
    // A pipe tells no size: it is read up to one byte past the limit.
    while (bytes.size() <= LegacyPageLimit) {
        const QByteArray chunk = device.read(PipeChunk);
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > LegacyPageLimit)
        return failed(error, tooLarge);
    if (auto *file = qobject_cast<QFileDevice *>(&device); file && file->error() != QFile::NoError)
        return failed(error, tr("the file could not be read (%1)").arg(file->errorString()));
    const std::optional<QByteArray> text = pageText(bytes);
    if (!text)
        return failed(error, tr("the file is not text"));
    return text;
}

LegacyColorImport ImportLegacyPage(QIODevice &device, LegacySource source)
{
    QString error;
    const std::optional<QByteArray> text = ReadLegacyPageText(device, error);
    return text ? ImportLegacyColors(*text, source) : failure(error);
}

LegacyColorImport ImportLegacyPage(const QString &path, LegacySource source)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(path).isDir() ? tr("it is a folder") : file.errorString();
        return failure(tr("the file could not be read (%1)").arg(reason));
    }
    return ImportLegacyPage(file, source);
}

QString LegacyFileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("no such file");
    if (info.isDir())
        return tr("is a folder, not a file");
    if (!info.isReadable())
        return tr("no permission to read it");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : tr("cannot be read");
}
