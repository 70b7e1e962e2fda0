#include "LegacyColors.h"

#include "LegacyColorValue.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A page with more findings than this gets the first ones listed and a count of the rest.
constexpr qsizetype ReportLimit = 100;

QString tr(const char *text)
{
    return QCoreApplication::translate("LegacyColors", text);
}

// "face" for scrollbar-face-color.
QString partName(QStringView property)
{
    return property.sliced(10).chopped(6).toString();
}

QString defaultText(int element)
{
    return QString::fromUtf16(SchemeElements[size_t(element)].defaultText);
}

// Which finding gives each entry its colour: the last readable one for the page, or -1.
std::array<qsizetype, EntryCount> winners(const QList<LegacyDeclaration> &found,
                                          const std::vector<std::optional<QString>> &colors)
{
    std::array<qsizetype, EntryCount> winner;
    winner.fill(-1);
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (found[i].forPage && colors[size_t(i)])
            winner[size_t(found[i].index)] = i;
    }
    return winner;
}

// What became of one finding, with its line and its rule.
QString reportLine(const QList<LegacyDeclaration> &found, qsizetype i,
                   const std::optional<QString> &color,
                   const std::array<qsizetype, EntryCount> &winner, bool elements)
{
    const LegacyDeclaration &d = found[i];
    QString line = tr("Line %1, %2: %3: %4")
                       .arg(d.line)
                       .arg(d.where, LegacyPropertyName(d.index).toString(), d.value);
    if (color && color->compare(d.value, Qt::CaseInsensitive) != 0)
        line += u" ("_s + *color + u')';
    const qsizetype w = winner[size_t(d.index)];
    if (!d.forPage)
        return line + tr(", set aside: not the page's own scrollbar.");
    if (!color)
        return line + tr(", set aside: not a colour Barwright can read.");
    if (w != i)
        return line + tr(", set aside: line %1 sets it later.").arg(found[w].line);
    if (d.index == BaseColorIndex && elements)
        return line + tr(", set aside: the element colours win.");
    return line + tr(", applied.");
}

} // namespace

LegacyColorImport ImportLegacyColors(QByteArrayView text, LegacySource source)
{
    const QList<LegacyDeclaration> found = FindLegacyDeclarations(text, source);
    std::vector<std::optional<QString>> colors;
    for (const LegacyDeclaration &declaration : found)
        colors.push_back(LegacyColorText(declaration.value));
    const std::array<qsizetype, EntryCount> winner = winners(found, colors);
    const bool elements = std::any_of(winner.begin(), winner.begin() + ElementCount,
                                      [](qsizetype w) { return w >= 0; });
    const bool base = winner[BaseColorIndex] >= 0;

    LegacyColorImport result;
    result.found = elements || base;
    result.scheme.baseColor = base && !elements;
    QStringList defaulted;
    for (int e = 0; e < ElementCount; ++e) {
        const qsizetype w = winner[size_t(e)];
        result.scheme.texts[size_t(e)] = w >= 0 ? *colors[size_t(w)] : defaultText(e);
        if (w < 0)
            defaulted << partName(LegacyPropertyName(e)) + u' ' + defaultText(e);
    }
    result.scheme.texts[BaseColorIndex] = result.scheme.baseColor
        ? *colors[size_t(winner[BaseColorIndex])]
        : QString::fromUtf16(BaseColorDefaultText);

    QStringList lines;
    if (!result.found)
        lines << tr("No legacy scrollbar colours for the page were found.");
    else if (result.scheme.baseColor)
        lines << tr("A base-colour scheme: %1.").arg(result.scheme.texts[BaseColorIndex]);
    else
        lines << tr("A seven-colour scheme, %1 of its colours from the page.")
                     .arg(ElementCount - defaulted.size());
    for (qsizetype i = 0; i < found.size() && i < ReportLimit; ++i)
        lines << reportLine(found, i, colors[size_t(i)], winner, elements);
    if (found.size() > ReportLimit)
        lines << tr("… and %1 more.").arg(found.size() - ReportLimit);
    if (elements && !defaulted.isEmpty())
        lines << tr("Not set by the page, so from the default scheme: %1.")
                     .arg(defaulted.join(u", "_s));
    result.report = lines.join(u'\n') + u'\n';
    return result;
}
