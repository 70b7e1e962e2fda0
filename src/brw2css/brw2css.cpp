// brw2css: prints the code for a Barwright scheme file, or for the legacy scrollbar colours of
// an old page or style sheet, for build pipelines; or checks pages for what switches it off.

#include "StandardStreams.h"
#include "legacy/LegacyPageFile.h"
#include "legacy/PageCheck.h"
#include "output/CodeText.h"
#include "output/CssSelector.h"
#include "storage/SchemeFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

enum ExitCode { Success = 0, BadScheme = 1, Found = 1, BadUsage = 2 };

// Scheme files are a few hundred bytes; anything far larger is not one.
constexpr qint64 SchemeSizeLimit = 1 << 20;

// Echoed values are cut after this many characters.
constexpr qsizetype EchoLimit = 60;

// The text on one line: line breaks and other control characters escaped.
QString oneLine(const QString &text)
{
    QString line;
    for (const QChar c : text) {
        if (c == u'\n')
            line += u"\\n"_s;
        else if (c == u'\r')
            line += u"\\r"_s;
        else if (c == u'\t')
            line += u"\\t"_s;
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
                 || c.category() == QChar::Separator_Paragraph)
            line += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
        else
            line += c;
    }
    return line;
}

// A value from the command line in a message: quoted, on one line, cut when long.
QString echoed(const QString &value)
{
    const bool cut = value.size() > EchoLimit;
    return u'"' + oneLine(value.left(EchoLimit)) + (cut ? u"\u2026"_s : QString()) + u'"';
}

int fail(const QString &message, ExitCode code)
{
    std::fprintf(stderr, "brw2css: %s\n", qUtf8Printable(oneLine(message)));
    return code;
}

// A named file in a message: its name, on one line and cut when long, then a colon.
QString named(const QString &file)
{
    const QString name = file.size() > EchoLimit ? file.left(EchoLimit) + u"\u2026"_s : file;
    return oneLine(name) + u": "_s;
}

// Standard input copied into a file, so that it goes through the same reader as any file: on
// Windows a pipe cannot be read as one. More than `limit` bytes are refused.
bool copyStandardInput(QTemporaryFile &copy, qint64 limit = SchemeSizeLimit)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly) || !copy.open())
        return false;
    const QByteArray bytes = input.read(limit + 1);
    return bytes.size() <= limit && copy.write(bytes) == bytes.size() && copy.flush();
}

// Where the file keeps the text: "[Colors] Value 3", "[Dark Color] Value", "[States] Hover".
QString valueName(const SchemeTexts &variant, IncompleteColor where)
{
    const QString prefix = where.dark ? u"[Dark "_s : u"["_s;
    if (where.index == HoverIndex || where.index == PressedIndex)
        return prefix + u"States] "_s + (where.index == HoverIndex ? u"Hover"_s : u"Pressed"_s);
    return variant.baseColor ? prefix + u"Color] Value"_s
                             : prefix + u"Colors] Value "_s + QString::number(where.index);
}

// The scheme in a file, or an empty text and `error` telling what is wrong with the colours
// the format needs.
std::optional<SchemeVariants> readScheme(const QString &path, CodeFormat format, QString &error)
{
    const QFileInfo info(path);
    if (info.size() > SchemeSizeLimit || !HasSchemeHeader(path)) {
        error = u"is not a Barwright color scheme file"_s;
        return std::nullopt;
    }
    // As with the light colours, a text in a new section that is no colour is refused.
    const SchemeVariants scheme = SchemeVariantsOf(ReadSchemeFile(path));
    SchemeVariants needed = scheme;
    if (format == CodeFormat::Classic) {
        // The classic block's browser knew neither dark mode nor hover.
        needed.dark.reset();
        needed.light.states = {};
    }
    if (const std::optional<IncompleteColor> where = FirstIncompleteColor(needed)) {
        const SchemeTexts &variant = where->dark ? *scheme.dark : scheme.light;
        error = valueName(variant, *where) + u" is "_s + echoed(variant.at(where->index))
            + u", not a color"_s;
        return std::nullopt;
    }
    return scheme;
}

int print(const SchemeVariants &scheme, const CodeOptions &options)
{
    const QByteArray code = BuildCode(scheme, options).value_or(QString()).toUtf8();
    std::fwrite(code.constData(), 1, size_t(code.size()), stdout);
    return std::fflush(stdout) == 0 ? Success : fail(u"cannot write the output"_s, BadScheme);
}

enum class InputKind { Scheme, Page, StyleSheet };

// What the input is: named by --input, or told by the file's extension.
std::optional<InputKind> inputKind(const QString &named, const QString &file)
{
    const QString kind = (named.isEmpty() ? QFileInfo(file).suffix() : named).toLower();
    if (kind == u"html"_s || kind == u"htm"_s)
        return InputKind::Page;
    if (kind == u"css"_s)
        return InputKind::StyleSheet;
    if (named.isEmpty() || kind == u"brw"_s)
        return InputKind::Scheme;
    return std::nullopt;
}

// The scheme of an old page's legacy scrollbar colours, or nothing and `error` telling why.
std::optional<SchemeTexts> importPage(const QString &file, LegacySource source, bool report,
                                      QString &error)
{
    // One byte past the limit, so that the reader refuses a page too large.
    QTemporaryFile standardInput;
    if (file == u"-"_s && !copyStandardInput(standardInput, LegacyPageLimit + 1)) {
        error = u"cannot be read"_s;
        return std::nullopt;
    }
    const LegacyColorImport imported
        = ImportLegacyPage(file == u"-"_s ? standardInput.fileName() : file, source);
    if (report && imported.error.isEmpty())
        std::fputs(imported.report.toUtf8().constData(), stderr);
    error = imported.error;
    if (error.isEmpty() && !imported.found)
        error = u"no legacy scrollbar colors for the page"_s;
    if (!error.isEmpty())
        return std::nullopt;
    return imported.scheme;
}

// Prints a check's findings, and tells the exit code they make.
int printFindings(const QList<PageFinding> &findings)
{
    static constexpr const char *Severities[] = {"warning", "note", "error"};
    int code = Success;
    for (const PageFinding &finding : findings) {
        if (finding.severity == PageFinding::Warning)
            code = std::max<int>(code, Found);
        if (finding.severity == PageFinding::Error)
            code = BadUsage;
        if (finding.line == 0) {
            fail(named(finding.file) + finding.message, BadUsage);
            continue;
        }
        const QByteArray line = oneLine(finding.file + u':' + QString::number(finding.line) + u':'
                                        + QString::number(finding.column) + u": "_s
                                        + QString::fromLatin1(Severities[finding.severity])
                                        + u": "_s + finding.message)
                                    .toUtf8()
            + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    return code;
}

// brw2css --check: the kind of every file first, so that wrong usage checks nothing.
int checkPages(const QStringList &files, const QString &input, const QStringList &scope)
{
    if (files.isEmpty())
        return fail(u"name the pages and style sheets to check, or - for standard input"_s,
                    BadUsage);
    QList<LegacySource> sources;
    for (const QString &file : files) {
        const QString told = input.isEmpty() && file == u"-"_s ? u"html"_s : input;
        const std::optional<InputKind> kind = inputKind(told, file);
        if (!kind || (*kind == InputKind::Scheme && !told.isEmpty()))
            return fail(u"unknown input "_s + echoed(input) + u" for --check"_s, BadUsage);
        if (*kind == InputKind::Scheme) {
            const QString problem = LegacyFileProblem(file);
            return fail(named(file)
                            + (problem.isEmpty()
                                   ? u"is no page or style sheet; --input tells its kind"_s
                                   : problem),
                        BadUsage);
        }
        sources << (*kind == InputKind::StyleSheet ? LegacySource::Css : LegacySource::Html);
    }
    PageCheck checker(scope);
    int code = Success;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QTemporaryFile standardInput;
        if (files[i] != u"-"_s)
            code = std::max(code, printFindings(checker.checkFile(files[i], sources[i])));
        else if (copyStandardInput(standardInput, LegacyPageLimit + 1) && standardInput.reset())
            code = std::max(
                code, printFindings(checker.checkDevice(standardInput, sources[i], files[i])));
        else
            code = fail(u"-: cannot be read"_s, BadUsage);
    }
    return std::fflush(stdout) == 0 ? code : fail(u"cannot write the output"_s, BadUsage);
}

} // namespace

int main(int argc, char *argv[])
{
    UseBinaryStandardStreams();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"brw2css"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(BARWRIGHT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints the style sheet text for a Barwright color scheme file, or for the legacy "
        "scrollbar colors of an old page or style sheet (- reads standard input)."_s);
    const QCommandLineOption format(u"format"_s,
                                    u"classic, modern (the default), both, or css (the modern "
                                    "sheet without its STYLE element)."_s,
                                    u"format"_s, u"modern"_s);
    const QCommandLineOption scope(u"scope"_s,
                                   u"A CSS selector whose scrollbars get the colors; the whole "
                                   "page when left out."_s,
                                   u"selector"_s);
    const QCommandLineOption width(u"width"_s, u"Scrollbar width in pixels, 8 to 32 (16)."_s,
                                   u"px"_s, u"16"_s);
    const QCommandLineOption input(u"input"_s,
                                   u"What FILE is: html, css (an old page or style sheet whose "
                                   "legacy scrollbar colors are imported) or brw; by default its "
                                   "extension tells, .html, .htm or .css, and anything else is a "
                                   "scheme file."_s,
                                   u"kind"_s);
    const QCommandLineOption report(
        u"report"_s,
        u"Writes what was found in an old page, applied and set aside, to standard error."_s);
    const QCommandLineOption check(
        u"check"_s,
        u"Checks pages and style sheets, and the local style sheets a page links, for what "
        "switches the colors off or hides scrollbars: one line per finding, FILE:LINE:COLUMN: "
        "warning: …; the exit code is 1 when it finds any, 2 when a file cannot be read."_s);
    parser.addOptions({format, scope, width, input, report, check});
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        u"FILE"_s,
        u"The scheme file, old page or style sheet, or - for standard input; with --check, "
        "any number of pages and style sheets."_s);

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText(), BadUsage);
    if (parser.isSet(u"help"_s))
        parser.showHelp(Success);
    if (parser.isSet(u"version"_s))
        parser.showVersion();

    if (parser.isSet(check)
        && (parser.isSet(format) || parser.isSet(width) || parser.isSet(report)))
        return fail(u"--check takes no --format, --width or --report"_s, BadUsage);

    CodeOptions options;
    const std::optional<CodeFormat> chosen = CodeFormatFromName(parser.value(format));
    if (!chosen)
        return fail(u"unknown format "_s + echoed(parser.value(format)), BadUsage);
    options.format = *chosen;
    bool number = false;
    options.modern.width = parser.value(width).toInt(&number);
    if (!number || options.modern.width < MinimumScrollbarWidth
        || options.modern.width > MaximumScrollbarWidth)
        return fail(u"the width must be a whole number from 8 to 32"_s, BadUsage);
    if (parser.isSet(scope)) {
        const std::optional<QString> selector = ScopeSelector(parser.value(scope));
        if (!selector) {
            const QString problem = ScopeSelectorProblem(parser.value(scope));
            return fail(echoed(parser.value(scope)) + u" cannot be the scope"_s
                            + (problem.isEmpty() ? QString() : u": "_s + problem),
                        BadUsage);
        }
        options.modern.scope = *selector;
    }
    if (parser.isSet(check))
        return checkPages(parser.positionalArguments(), parser.value(input),
                          ScopeSelectorItems(options.modern.scope));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return fail(u"name one scheme file, or - for standard input"_s, BadUsage);

    const std::optional<InputKind> kind = inputKind(parser.value(input), files.first());
    if (!kind)
        return fail(u"unknown input "_s + echoed(parser.value(input)), BadUsage);
    if (files.first() != u"-"_s) {
        if (const QString problem = LegacyFileProblem(files.first()); !problem.isEmpty())
            return fail(named(files.first()) + problem, BadScheme);
    }
    if (*kind != InputKind::Scheme) {
        const LegacySource source
            = *kind == InputKind::StyleSheet ? LegacySource::Css : LegacySource::Html;
        QString error;
        const std::optional<SchemeTexts> imported
            = importPage(files.first(), source, parser.isSet(report), error);
        if (!imported)
            return fail(named(files.first()) + error, BadScheme);
        return print({*imported, std::nullopt}, options);
    }

    QString path = files.first();
    QTemporaryFile standardInput;
    if (path == u"-"_s) {
        if (!copyStandardInput(standardInput))
            return fail(u"-: is not a Barwright color scheme file"_s, BadScheme);
        path = standardInput.fileName();
    }
    QString error;
    const std::optional<SchemeVariants> scheme = readScheme(path, options.format, error);
    if (!scheme)
        return fail(named(files.first()) + error, BadScheme);
    return print(*scheme, options);
}
