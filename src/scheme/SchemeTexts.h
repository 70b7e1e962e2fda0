#pragma once

#include "ElementTable.h"

#include <QString>

#include <array>
#include <optional>

// The two states whose face a variant may colour apart: under the pointer and while pressed.
// Their entry boxes and capture targets follow the eight of the element table.
enum StateIndex : int { HoverState, PressedState };

constexpr int StateCount = 2;
constexpr int HoverIndex = EntryCount + HoverState;
constexpr int PressedIndex = EntryCount + PressedState;

struct SchemeState
{
    const char16_t *caption;
    const char16_t *name; // what a screen reader calls the state's colour
    const char16_t *fileKey; // its key in a scheme file's states sections
};

inline constexpr std::array<SchemeState, StateCount> SchemeStates{{
    {u"Hover Face:", u"Hover Face Color", u"Hover"},
    {u"Pressed Face:", u"Pressed Face Color", u"Pressed"},
}};

// The colour of entry box `index` as the user knows it: its caption without the colon, such as
// "Face Color" or "Hover Face", and "Base Color".
inline QString EntryColorName(int index)
{
    if (index == BaseColorIndex)
        return QString::fromUtf16(BaseColorName);
    QString caption = QString::fromUtf16(index < ElementCount
                                             ? SchemeElements[size_t(index)].caption
                                             : SchemeStates[size_t(index - EntryCount)].caption);
    caption.chop(1);
    return caption;
}

// One variant of the scheme as its controls hold it: the texts of the eight entry boxes by
// element index, whether the base-colour check box is ticked, and the state faces by state
// index. A state text of "#" or nothing leaves that state to the face colour.
struct SchemeTexts
{
    std::array<QString, EntryCount> texts;
    bool baseColor = false;
    std::array<QString, StateCount> states;

    // The text of entry box `index`: an element's, the base colour's or a state's.
    const QString &at(int index) const
    {
        return index < EntryCount ? texts[size_t(index)] : states[size_t(index - EntryCount)];
    }

    bool operator==(const SchemeTexts &) const = default;
};

// A whole scheme: the light variant, and a dark one for pages in dark mode when it has one.
struct SchemeVariants
{
    SchemeTexts light;
    std::optional<SchemeTexts> dark;

    bool operator==(const SchemeVariants &) const = default;
};
