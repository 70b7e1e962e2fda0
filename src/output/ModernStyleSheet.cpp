#include "ModernStyleSheet.h"

#include <QRect>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Property
{
    const char16_t *name;
    int index; // an element's, or HoverIndex or PressedIndex
    const char16_t *forcedColor; // the system colour it takes in forced colours mode
};

const Property Properties[] = {
    {u"--scrollbar-face", FaceElement, u"ButtonFace"},
    {u"--scrollbar-arrow", ArrowElement, u"ButtonText"},
    {u"--scrollbar-highlight", HighlightElement, u"ButtonFace"},
    {u"--scrollbar-3dlight", Light3DElement, u"ButtonText"},
    {u"--scrollbar-shadow", ShadowElement, u"ButtonFace"},
    {u"--scrollbar-darkshadow", DarkShadowElement, u"ButtonText"},
    {u"--scrollbar-track", TrackElement, u"Canvas"},
    {u"--scrollbar-hover", HoverIndex, u"ButtonFace"},
    {u"--scrollbar-pressed", PressedIndex, u"ButtonFace"},
};

bool isState(const Property &property)
{
    return property.index >= EntryCount;
}

// Whether the variant gives a state a colour of its own.
bool hasStates(const SchemeColors &colors)
{
    return std::any_of(colors.states.begin(), colors.states.end(),
                       [&colors](QRgb state) { return state != colors[FaceElement]; });
}

QString var(int index)
{
    for (const Property &property : Properties) {
        if (property.index == index)
            return u"var("_s + QString::fromUtf16(property.name) + u')';
    }
    return {};
}

// Outside in: 3dlight and dark shadow bands, then highlight and shadow; the dark ones lie on
// top where bands meet, as on the magnified drawing.
QString raisedBevel()
{
    return u"box-shadow: inset -1px -1px "_s + var(DarkShadowElement) + u", inset 1px 1px "_s
        + var(Light3DElement) + u", inset -2px -2px "_s + var(ShadowElement) + u", inset 2px 2px "_s
        + var(HighlightElement) + u';';
}

QString sunkenBevel()
{
    return u"box-shadow: inset 1px 1px "_s + var(ShadowElement) + u", inset -1px -1px "_s
        + var(HighlightElement) + u", inset 2px 2px "_s + var(DarkShadowElement)
        + u", inset -2px -2px "_s + var(Light3DElement) + u';';
}

enum class Direction { Up, Down, Left, Right };

// A centred pyramid of one-pixel rows (or columns) in a square of `size` pixels, tip first.
QList<QRect> arrowRows(Direction direction, int size)
{
    const int base = std::max(3, (size * 7 / 16) | 1);
    const int depth = (base + 1) / 2;
    const int across = (size - base) / 2;
    const int along = (size - depth) / 2;
    const bool forward = direction == Direction::Down || direction == Direction::Right;
    const bool vertical = direction == Direction::Up || direction == Direction::Down;
    QList<QRect> rows;
    for (int step = 0; step < depth; ++step) {
        const int offset = along + (forward ? depth - 1 - step : step);
        const int start = across + depth - 1 - step;
        const int length = 2 * step + 1;
        rows << (vertical ? QRect(start, offset, length, 1) : QRect(offset, start, 1, length));
    }
    return rows;
}

// The arrow as an SVG picture in a data address; "#" and markup characters are
// percent-encoded.
QString arrowPicture(Direction direction, int size, const QString &fill)
{
    QString svg = u"<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'><g fill='%2'>"_s
                      .arg(size)
                      .arg(fill);
    for (const QRect &row : arrowRows(direction, size)) {
        svg += u"<rect x='%1' y='%2' width='%3' height='%4'/>"_s.arg(row.x())
                   .arg(row.y())
                   .arg(row.width())
                   .arg(row.height());
    }
    svg += u"</g></svg>"_s;
    svg.replace(u'%', u"%25"_s)
        .replace(u'#', u"%23"_s)
        .replace(u'<', u"%3C"_s)
        .replace(u'>', u"%3E"_s);
    return u"url(\"data:image/svg+xml,"_s + svg + u"\")"_s;
}

// The arrow as one gradient layer per row, in a colour that the page resolves: a system
// colour keyword inside a picture takes the picture's defaults, not the forced palette.
// Pressed, the rows lie one pixel down and to the right.
QStringList arrowLayers(Direction direction, int size, const QString &fill, bool pressed)
{
    QStringList images, sizes, positions;
    const int shift = pressed ? 1 : 0;
    for (const QRect &row : arrowRows(direction, size)) {
        images << u"linear-gradient(%1, %1)"_s.arg(fill);
        sizes << u"%1px %2px"_s.arg(row.width()).arg(row.height());
        positions << u"%1px %2px"_s.arg(row.x() + shift).arg(row.y() + shift);
    }
    const QString position = u"background-position: "_s + positions.join(u", "_s) + u';';
    if (pressed)
        return {position};
    return {u"background-image: "_s + images.join(u", "_s) + u';',
            u"background-size: "_s + sizes.join(u", "_s) + u';', position};
}

struct ArrowButton
{
    const char16_t *pseudoClasses;
    Direction direction;
};

const ArrowButton ArrowButtons[] = {
    {u":vertical:decrement", Direction::Up},
    {u":vertical:increment", Direction::Down},
    {u":horizontal:decrement", Direction::Left},
    {u":horizontal:increment", Direction::Right},
};

// Writes rules with two blanks of indent per level and CR LF line ends.
class CssWriter
{
public:
    void line(const QString &text) { m_text += QString(m_level * 2, u' ') + text + u"\r\n"_s; }
    void open(const QString &head)
    {
        line(head + u" {"_s);
        ++m_level;
    }
    void close()
    {
        --m_level;
        line(u"}"_s);
    }
    void rule(const QStringList &selectors, const QStringList &declarations)
    {
        for (qsizetype i = 0; i + 1 < selectors.size(); ++i)
            line(selectors[i] + u',');
        open(selectors.last());
        for (const QString &declaration : declarations)
            line(declaration);
        close();
    }
    QString text() const { return m_text; }

private:
    QString m_text;
    int m_level = 0;
};

class SheetBuilder
{
public:
    SheetBuilder(const SheetColors &colors, const ModernSheetOptions &options)
        : m_colors(colors)
        , m_width(std::clamp(options.width, MinimumScrollbarWidth, MaximumScrollbarWidth))
        , m_states(hasStates(colors.light) || (colors.dark && hasStates(*colors.dark)))
    {
        m_scopes = ScopeSelectorItems(options.scope);
    }

    QString build()
    {
        m_css.rule(scopeSelectors(), customProperties(&m_colors.light));
        m_css.open(BevelledCondition);
        bevelledRules(ColorText(m_colors.light[ArrowElement]));
        m_css.close();
        // Firefox's scrollbar-color reads the custom properties, the dark ones included.
        m_css.open(u"@supports not selector(::-webkit-scrollbar-thumb)"_s);
        m_css.rule(scopeSelectors(),
                   {u"scrollbar-color: "_s + var(FaceElement) + u' ' + var(TrackElement) + u';'});
        // Not inherited: given to the elements whose scrollbars the other branch narrows.
        if (m_width < 12)
            m_css.rule(scrollerSelectors(), {u"scrollbar-width: thin;"_s});
        m_css.close();
        if (m_colors.dark)
            darkRules(*m_colors.dark);
        // Last, so that it wins over both variants.
        m_css.open(u"@media (forced-colors: active)"_s);
        forcedColorRules();
        m_css.close();
        return m_css.text();
    }

    QString buildPreview(EngineLook look)
    {
        if (look == EngineLook::Bevelled)
            return build();
        // Forced colours have no hover or pressed face of their own.
        if (look == EngineLook::ForcedColors)
            m_states = false;
        m_css.rule(scopeSelectors(),
                   customProperties(look == EngineLook::Firefox ? &m_colors.light : nullptr));
        if (look == EngineLook::Firefox) {
            firefoxLookRules();
        } else {
            bevelledRules(u"ButtonText"_s);
        }
        return m_css.text();
    }

private:
    static inline const QString BevelledCondition
        = u"@supports selector(::-webkit-scrollbar-thumb)"_s;

    // The scope itself: the root element for the whole page.
    QStringList scopeSelectors() const
    {
        return m_scopes.isEmpty() ? QStringList{u":root"_s} : m_scopes;
    }

    // The elements whose own scrollbars the sheet draws: the scope, or for the whole page
    // every element. For the whole page a type selector: as specific as a universal rule such
    // as a framework's * { scrollbar-color: … } and no more, so that a page's own rule for an
    // element, such as .strip { scrollbar-width: none }, wins over it.
    QStringList scrollerSelectors() const
    {
        return m_scopes.isEmpty() ? QStringList{u"html"_s, u"html *"_s} : m_scopes;
    }

    // The scope's scrollbar part `pseudo`, for every selector of the scope.
    QStringList part(const QString &pseudo) const
    {
        if (m_scopes.isEmpty())
            return {pseudo};
        QStringList selectors;
        for (const QString &scope : m_scopes)
            selectors << scope + pseudo;
        return selectors;
    }

    QString px(int pixels) const { return QString::number(pixels) + u"px"_s; }

    // The variant's colours, or the system colours of forced colours mode without one.
    QStringList customProperties(const SchemeColors *colors) const
    {
        QStringList declarations;
        for (const Property &property : Properties) {
            if (isState(property) && !m_states)
                continue;
            declarations << QString::fromUtf16(property.name) + u": "_s
                    + (colors ? ColorText(colors->at(property.index))
                              : QString::fromUtf16(property.forcedColor))
                    + u';';
        }
        return declarations;
    }

    void bevelledRules(const QString &arrowFill)
    {
        const QString button = u"::-webkit-scrollbar-button"_s;
        const QString single = button + u":single-button"_s;
        // A page's own scrollbar-color or scrollbar-width, even inherited, switches the
        // scrollbar pseudo-elements off; the scope takes the initial values back.
        m_css.rule(scrollerSelectors(), {u"scrollbar-color: auto;"_s, u"scrollbar-width: auto;"_s});
        m_css.rule(part(u"::-webkit-scrollbar"_s),
                   {u"width: "_s + px(m_width) + u';', u"height: "_s + px(m_width) + u';',
                    u"background-color: "_s + var(TrackElement) + u';'});
        m_css.rule(part(u"::-webkit-scrollbar-track"_s),
                   {u"background-color: "_s + var(TrackElement) + u';'});
        m_css.rule(part(u"::-webkit-scrollbar-corner"_s),
                   {u"background-color: "_s + var(FaceElement) + u';'});
        m_css.rule(part(u"::-webkit-scrollbar-thumb"_s) + part(single),
                   {u"background-color: "_s + var(FaceElement) + u';', raisedBevel()});
        m_css.rule(part(single),
                   {u"display: block;"_s, u"width: "_s + px(m_width) + u';',
                    u"height: "_s + px(m_width) + u';', u"background-repeat: no-repeat;"_s,
                    u"background-position: center;"_s});
        if (m_states) {
            m_css.rule(part(u"::-webkit-scrollbar-thumb:hover"_s) + part(single + u":hover"_s),
                       {u"background-color: "_s + var(HoverIndex) + u';'});
        }
        // Pressed: sunken, the arrow one pixel down and to the right. After the hover rule,
        // which also matches while pressed.
        QStringList pressed{sunkenBevel()};
        if (m_states)
            pressed.prepend(u"background-color: "_s + var(PressedIndex) + u';');
        m_css.rule(part(u"::-webkit-scrollbar-thumb:active"_s) + part(single + u":active"_s),
                   pressed);
        m_css.rule(part(single + u":active"_s), {u"background-position: 1px 1px;"_s});
        m_css.rule(part(button + u":double-button"_s)
                       + part(button + u":vertical:start:increment"_s)
                       + part(button + u":vertical:end:decrement"_s)
                       + part(button + u":horizontal:start:increment"_s)
                       + part(button + u":horizontal:end:decrement"_s),
                   {u"display: none;"_s});
        arrowRules(arrowFill);
    }

    // The dark variant's colours; the arrow pictures hold their colour in themselves.
    void darkRules(const SchemeColors &dark)
    {
        m_css.open(u"@media (prefers-color-scheme: dark)"_s);
        m_css.rule(scopeSelectors(), customProperties(&dark));
        m_css.open(BevelledCondition);
        arrowRules(ColorText(dark[ArrowElement]));
        m_css.close();
        m_css.close();
    }

    // Firefox's look drawn with the bevelled engines' rules: the face as a rounded thumb on
    // the track, no arrows, no bevel.
    void firefoxLookRules()
    {
        const int width = m_width < 12 ? 8 : m_width;
        m_css.rule(part(u"::-webkit-scrollbar"_s) + part(u"::-webkit-scrollbar-track"_s)
                       + part(u"::-webkit-scrollbar-corner"_s),
                   {u"width: "_s + px(width) + u';', u"height: "_s + px(width) + u';',
                    u"background-color: "_s + var(TrackElement) + u';'});
        m_css.rule(part(u"::-webkit-scrollbar-thumb"_s),
                   {u"background-color: "_s + var(FaceElement) + u';',
                    u"border: 2px solid transparent;"_s, u"background-clip: padding-box;"_s,
                    u"border-radius: "_s + px(width) + u';'});
        m_css.rule(part(u"::-webkit-scrollbar-button"_s), {u"display: none;"_s});
    }

    // Arrows in a colour text as pictures; in a system colour as gradients.
    void arrowRules(const QString &fill)
    {
        for (const ArrowButton &arrow : ArrowButtons) {
            const QString button
                = u"::-webkit-scrollbar-button"_s + QString::fromUtf16(arrow.pseudoClasses);
            if (fill.startsWith(u'#')) {
                m_css.rule(part(button),
                           {u"background-image: "_s + arrowPicture(arrow.direction, m_width, fill)
                            + u';'});
                continue;
            }
            m_css.rule(part(button), arrowLayers(arrow.direction, m_width, fill, false));
            m_css.rule(part(button + u":active"_s),
                       arrowLayers(arrow.direction, m_width, fill, true));
        }
    }

    // The user's high-contrast colours replace the scheme's, bevel and arrows included.
    void forcedColorRules()
    {
        m_css.rule(scopeSelectors(), customProperties(nullptr));
        m_css.rule(part(u"::-webkit-scrollbar"_s) + part(u"::-webkit-scrollbar-thumb"_s)
                       + part(u"::-webkit-scrollbar-button"_s),
                   {u"forced-color-adjust: none;"_s});
        arrowRules(u"ButtonText"_s);
    }

    const SheetColors m_colors;
    const int m_width;
    bool m_states; // whether the sheet colours hover and pressed faces
    QStringList m_scopes;
    CssWriter m_css;
};

} // namespace

std::optional<SheetColors> ResolveSheetColors(const SchemeVariants &scheme)
{
    const std::optional<SchemeColors> light = ResolveSchemeColors(scheme.light);
    if (!light)
        return std::nullopt;
    SheetColors colors{*light, std::nullopt};
    if (scheme.dark) {
        colors.dark = ResolveSchemeColors(*scheme.dark);
        if (!colors.dark)
            return std::nullopt;
    }
    return colors;
}

QString BuildModernStyleSheet(const SheetColors &colors, const ModernSheetOptions &options)
{
    return SheetBuilder(colors, options).build();
}

QString BuildPreviewSheet(const SchemeColors &colors, EngineLook look,
                          const ModernSheetOptions &options)
{
    return SheetBuilder({colors, std::nullopt}, options).buildPreview(look);
}
