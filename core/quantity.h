// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "value.h"

#include <QLatin1String>
#include <array>
#include <span>
#include <string_view>

namespace unitavo {

class PressContext;

// Extra steps a quantity needs beyond plain arithmetic (percent slope, fractional inches).
// An into-hook returns the pivot; an out-of-hook returns the text for the result box.
using IntoHook = Fallible<Value> (*)(PressContext &press);
using OutOfHook = Fallible<QString> (*)(const Value &pivot, PressContext &press);

// Up to three arithmetic steps, applied in order, each to the result of the one before.
struct Sequence {
    std::array<Step, 3> steps{};
    int count = 0;

    std::span<const Step> view() const { return {steps.data(), std::size_t(count)}; }
};

template <typename... S> constexpr Sequence sequence(S... s)
{
    static_assert(sizeof...(S) <= 3);
    return Sequence{{s...}, int(sizeof...(S))};
}

constexpr Step times(Constant k)
{
    return {Op::Multiply, k};
}
constexpr Step over(Constant k)
{
    return {Op::Divide, k};
}
constexpr Step plus(Constant k)
{
    return {Op::Add, k};
}
constexpr Step minus(Constant k)
{
    return {Op::Subtract, k};
}

// How a unit enters the pivot: as is (the typed text, or its number for a window-held pivot),
// through arithmetic steps, or through a hook.
struct Into {
    bool asIs = true;
    Sequence steps;
    IntoHook hook = nullptr;
};

// How the pivot leaves for a unit: as is (the pivot's own text), through steps, or a hook.
struct OutOf {
    bool asIs = true;
    Sequence steps;
    OutOfHook hook = nullptr;
};

constexpr Into intoAsIs()
{
    return {};
}
template <typename... S> constexpr Into into(S... s)
{
    return {false, sequence(s...), nullptr};
}
constexpr Into into(IntoHook hook)
{
    return {false, {}, hook};
}

constexpr OutOf outAsIs()
{
    return {};
}
template <typename... S> constexpr OutOf outOf(S... s)
{
    return {false, sequence(s...), nullptr};
}
constexpr OutOf outOf(OutOfHook hook)
{
    return {false, {}, hook};
}

// Positions and sizes are in twips, as the window definitions give them.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A small "2" or "3" right after a unit caption, one in each frame, with its own names.
struct Superscript {
    const char *text = nullptr; // nullptr: the row has none
    int width = 255;
    int height = 135;
    const char *sourceLabel = nullptr;
    const char *targetLabel = nullptr;

    // The superscript as one character, UTF-8, as it is read aloud and written in running text.
    constexpr const char *character() const
    {
        if (!text)
            return "";
        return text[0] == '2' ? "\u00B2" : text[0] == '3' ? "\u00B3" : text;
    }
};

// A "2" after a caption, so that it reads as a square unit (m², cm/sec²).
constexpr Superscript squared(const char *sourceLabel, const char *targetLabel, int width = 255)
{
    return {"2", width, 135, sourceLabel, targetLabel};
}

// A "3" after a caption, so that it reads as a cubic unit (kg/m³).
constexpr Superscript cubed(const char *sourceLabel, const char *targetLabel)
{
    return {"3", 255, 135, sourceLabel, targetLabel};
}

// One unit: its option buttons in both frames, captions, geometry and steps.
struct UnitRow {
    const char *source = nullptr;
    const char *target = nullptr;
    const char *sourceCaption = nullptr;
    const char *targetCaption = nullptr; // nullptr: same as the source caption
    // What people type for the unit outside the window: a short ASCII symbol, unique within the
    // quantity, and the other names it goes by (Italian and English, singular and plural),
    // separated by "|".
    const char *symbol = "";
    const char *names = "";
    int top = 0;
    int sourceWidth = 0;
    int targetWidth = 0; // 0: same as the source width
    int height = 255;
    Superscript superscript;
    Into into;
    OutOf outOf;
    int inputLayout = 0; // index into Quantity::inputLayouts, chosen when the source is clicked

    const char *captionFor(bool sourceSide) const
    {
        return sourceSide || !targetCaption ? sourceCaption : targetCaption;
    }
    int widthFor(bool sourceSide) const
    {
        return sourceSide || !targetWidth ? sourceWidth : targetWidth;
    }
};

enum class PivotKind {
    WindowHeld, // a double kept by the window between presses and across reloads
    PerPress, // a value that lives for one press and starts empty
};

// A control beyond the common ones (the fraction boxes of the lengths window).
struct ExtraControl {
    enum class Kind { TextBox, Label };
    const char *name = nullptr;
    Kind kind = Kind::TextBox;
    Rect rect; // inside the source frame
    const char *text = ""; // initial text or caption
    const char *fontFamily = nullptr; // nullptr: the window's font
    double fontPoints = 0.0;
    const char *accessibleName = nullptr; // what a screen reader calls a box with no caption
};

// What a click on a source button does to the input row.
struct InputLayout {
    int inputWidth = 0; // width of txt_conv, twips
    bool extrasVisible = false;
};

struct Layout {
    int clientWidth = 0;
    int clientHeight = 0;
    Rect frame1;
    Rect frame2;
    Rect input; // txt_conv, in the source frame
    Rect result; // txt_sol, in the target frame or on the window
    bool resultOnWindow = false;
    Rect calcola;
};

// The object name of a text box that a press reads or writes. Two names are the same box when
// they are spelled alike, wherever their characters are stored.
class BoxName {
public:
    constexpr BoxName() = default; // the empty name, of no box
    constexpr explicit BoxName(const char *name)
        : m_name(name)
    { }

    constexpr const char *name() const { return m_name; }
    QLatin1String latin1() const { return QLatin1String(m_name); }
    constexpr bool operator==(const BoxName &other) const
    {
        return std::string_view(m_name) == std::string_view(other.m_name);
    }

private:
    const char *m_name = "";
};

inline constexpr BoxName kInputBox{"txt_conv"};
inline constexpr BoxName kResultBox{"txt_sol"};
inline constexpr const char *kCalcola = "btn_Calcola";

// Everything that makes one converter window: names, units table, pivot kind, layout and what the
// quantity adds to the common pattern.
struct Quantity {
    // What `unitavo --open`, `unitavo-converti --quantity`, the desktop's search and the session
    // bus call the quantity: lower case, ASCII, for good ("lunghezze"). Not derived from `name`,
    // so that renaming a window cannot change it.
    const char *id = nullptr;
    const char *name = nullptr; // window object name, frm_...
    const char *caption = nullptr; // window caption, also the main window's button caption
    const char *button = nullptr; // the main window's button, btn_...
    PivotKind pivot = PivotKind::PerPress;
    std::span<const UnitRow> rows;
    Layout layout;
    const char *sourceFrame = "Frame1";
    const char *targetFrame = "Frame2";
    std::span<const char *const> tabTail = {}; // controls moved to the end of the tab chain
    std::span<const ExtraControl> extras = {};
    std::span<const InputLayout> inputLayouts = {}; // empty: source clicks change nothing
};

} // namespace unitavo
