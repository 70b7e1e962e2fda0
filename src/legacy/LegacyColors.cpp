#include "LegacyColors.h"

#include "LegacyColorValue.h"
#include "scheme/SchemeColors.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>
#include <tuple>
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

QString propertyOf(const LegacyDeclaration &d)
{
    return d.index == UnknownProperty ? d.unknownName : LegacyPropertyName(d.index).toString();
}

// A finding's place in the cascade; document order decides between equals.
auto weight(const LegacyDeclaration &d)
{
    return std::tuple(d.important, d.styleAttribute, d.specificity);
}

// Which finding gives each entry its colour: the readable one for the page that wins the
// cascade, or -1.
std::array<qsizetype, EntryCount> winners(const QList<LegacyDeclaration> &found,
                                          const std::vector<std::optional<QString>> &colors)
{
    std::array<qsizetype, EntryCount> winner;
    winner.fill(-1);
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (!found[i].forPage || !found[i].media.isEmpty() || !colors[size_t(i)])
            continue;
        qsizetype &w = winner[size_t(found[i].index)];
        if (w < 0 || weight(found[i]) >= weight(found[w]))
            w = i;
    }
    return winner;
}

// Why a finding for the page lost to the one that won.
QString lostTo(const LegacyDeclaration &d, const LegacyDeclaration &won)
{
    if (won.important != d.important)
        return tr(", set aside: line %1 is !important.").arg(won.line);
    if (won.styleAttribute != d.styleAttribute)
        return tr(", set aside: line %1 is a style attribute.").arg(won.line);
    if (won.specificity != d.specificity)
        return tr(", set aside: line %1 has a more specific selector.").arg(won.line);
    return tr(", set aside: line %1 sets it later.").arg(won.line);
}

// What became of one finding, with its line and its rule.
QString reportLine(const QList<LegacyDeclaration> &found, qsizetype i,
                   const std::optional<QString> &color,
                   const std::array<qsizetype, EntryCount> &winner, int given)
{
    const LegacyDeclaration &d = found[i];
    const QString where = d.condition.isEmpty()
        ? d.where
        : tr("%1, in the conditional comment [%2]").arg(d.where, d.condition);
    QString line = tr("Line %1, %2: %3: %4").arg(d.line).arg(where, propertyOf(d), d.value);
    if (color && color->compare(d.value, Qt::CaseInsensitive) != 0)
        line += u" ("_s + *color + u')';
    if (d.index == UnknownProperty)
        return line + tr(", set aside: not a scrollbar color Barwright knows.");
    if (!d.media.isEmpty())
        return line + tr(", set aside: only for %1.").arg(d.media);
    const qsizetype w = winner[size_t(d.index)];
    if (!d.forPage)
        return line + tr(", set aside: not the page's own scrollbar.");
    if (!color)
        return line + tr(", set aside: not a color Barwright can read.");
    if (w != i)
        return line + lostTo(d, found[w]);
    if (d.index == BaseColorIndex && given == ElementCount)
        return line + tr(", set aside: the page gives all seven element colors.");
    if (d.index == BaseColorIndex && given > 0)
        return line + tr(", applied: the element colors the page leaves out are derived from it.");
    return line + tr(", applied.");
}

// The element colours: the page's, and for the others the colours derived from a base colour or
// else the default scheme's. Returns the others' names with their colours, for the report.
QStringList fillElements(SchemeTexts &scheme, const std::array<qsizetype, EntryCount> &winner,
                         const std::vector<std::optional<QString>> &colors,
                         const std::optional<SchemeColors> &derived)
{
    QStringList omitted;
    for (int e = 0; e < ElementCount; ++e) {
        const qsizetype w = winner[size_t(e)];
        QString &text = scheme.texts[size_t(e)];
        if (w >= 0) {
            text = *colors[size_t(w)];
            continue;
        }
        text = derived ? ColorText(derived->rgb[size_t(e)]) : defaultText(e);
        omitted << partName(LegacyPropertyName(e)) + u' ' + text;
    }
    return omitted;
}

} // namespace

LegacyColorImport ImportLegacyColors(QByteArrayView text, LegacySource source)
{
    const QList<LegacyDeclaration> found = FindLegacyDeclarations(text, source);
    std::vector<std::optional<QString>> colors;
    for (const LegacyDeclaration &declaration : found) {
        colors.push_back(declaration.index == UnknownProperty ? std::nullopt
                                                              : LegacyColorText(declaration.value));
    }
    const std::array<qsizetype, EntryCount> winner = winners(found, colors);
    const int given = int(std::count_if(winner.begin(), winner.begin() + ElementCount,
                                        [](qsizetype w) { return w >= 0; }));
    const qsizetype baseAt = winner[BaseColorIndex];
    const QString base = baseAt >= 0 ? *colors[size_t(baseAt)] : QString();

    LegacyColorImport result;
    result.found = given > 0 || !base.isEmpty();
    result.scheme.baseColor = !base.isEmpty() && given == 0;
    // Like the browser these pages were written for: the base colour derives every element's
    // colour, and an element colour of the page overrides its own element.
    const std::optional<SchemeColors> derived = !base.isEmpty() && given > 0
        ? std::optional(DeriveFromBase(*ParseColorText(base)))
        : std::nullopt;
    const QStringList omitted = fillElements(result.scheme, winner, colors, derived);
    result.scheme.texts[BaseColorIndex]
        = result.scheme.baseColor ? base : QString::fromUtf16(BaseColorDefaultText);

    QStringList lines;
    if (!result.found)
        lines << tr("No legacy scrollbar colors for the page were found.");
    else if (result.scheme.baseColor)
        lines << tr("A base-color scheme: %1.").arg(result.scheme.texts[BaseColorIndex]);
    else
        lines << tr("A seven-color scheme, %1 of its colors from the page.").arg(given);
    for (qsizetype i = 0; i < found.size() && i < ReportLimit; ++i)
        lines << reportLine(found, i, colors[size_t(i)], winner, given);
    if (found.size() > ReportLimit)
        lines << tr("… and %1 more.").arg(found.size() - ReportLimit);
    if (given > 0 && !omitted.isEmpty()) {
        lines << (derived ? tr("Derived from the base color %1: %2.").arg(base)
                          : tr("Not set by the page, so from the default scheme: %1."))
                     .arg(omitted.join(u", "_s));
    }
    result.report = lines.join(u'\n') + u'\n';
    return result;
}
