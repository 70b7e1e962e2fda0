#pragma once

#include <QString>

#include <array>

// The scheme's elements, by element index: 0 face, 1 arrow, 2 highlight, 3 3dlight, 4 shadow,
// 5 darkshadow, 6 track; index 7 is the base colour. The index is that of the element's
// entry box, palette button, capture button and diagram group.
enum ElementIndex : int {
    FaceElement,
    ArrowElement,
    HighlightElement,
    Light3DElement,
    ShadowElement,
    DarkShadowElement,
    TrackElement,
};

constexpr int ElementCount = 7;
constexpr int BaseColorIndex = 7;
constexpr int EntryCount = 8;

struct SchemeElement
{
    const char16_t *caption;
    const char16_t *captionName; // object name of the caption label
    const char16_t *name; // what a screen reader calls the element's colour
    const char16_t *defaultText;
};

inline constexpr std::array<SchemeElement, ElementCount> SchemeElements{{
    {u"Face Color:", u"Label3", u"Face Color", u"#C0C0C0"},
    {u"Arrow Color:", u"Label7", u"Arrow Color", u"#FFFFFF"},
    {u"Highlight Color:", u"Label4", u"Highlight Color", u"#FFFFFF"},
    {u"3dlight Color:", u"Label1", u"3dlight Color", u"#C0C0C0"},
    {u"Shadow Color:", u"Label2", u"Shadow Color", u"#808080"},
    {u"Darkshadow Color:", u"Label5", u"Darkshadow Color", u"#000000"},
    {u"Track Color:", u"Label6", u"Track Color", u"#E0E0E0"},
}};

// The base colour box starts without a colour.
inline constexpr char16_t BaseColorDefaultText[] = u"#";
inline constexpr char16_t BaseColorName[] = u"Base Color";
