#pragma once

#include "LegacyColors.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Pages larger than this are refused rather than read.
constexpr qint64 LegacyPageLimit = 20 * 1024 * 1024;

// How a file's name says to read it: ".css" as a style sheet, anything else as a page.
LegacySource LegacySourceOf(const QString &path);

// Imports the legacy colours of an old page or style sheet read from a device (a file,
// standard input): at most LegacyPageLimit bytes of text in UTF-8, in UTF-16 with its byte
// order mark, or in a one-byte code page. A device that cannot be read, a larger page and one
// that is not text get the error instead.
LegacyColorImport ImportLegacyPage(QIODevice &device, LegacySource source);
LegacyColorImport ImportLegacyPage(const QString &path, LegacySource source);

// The text of a page as ImportLegacyPage reads it, in UTF-8 or a one-byte code page; nothing,
// and `error` telling why, for a device it refuses.
std::optional<QByteArray> ReadLegacyPageText(QIODevice &device, QString &error);

// Why a named file cannot be read, in a few words; nothing when it can.
QString LegacyFileProblem(const QString &path);
