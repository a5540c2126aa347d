// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's layout in twips: a column of one button per quantity, the web link under the
// last button and the mail link under it. The window grows with the catalogue.

#include "quantities.h"
#include "quantity.h"

namespace unitavo::mainlayout {

// The main window's object name, by which tests and the page find it.
inline constexpr char kMainWindowName[] = "frm_conv";

constexpr int kButtonLeft = 195;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 255;
constexpr int kFirstButtonTop = 120;
constexpr int kButtonPitch = 360;

// The button of the quantity at this place in the catalogue.
constexpr Rect button(int index)
{
    return {kButtonLeft, kFirstButtonTop + kButtonPitch * index, kButtonWidth, kButtonHeight};
}

// Below the last button: the web link across the window, in a smaller face, then the mail link.
constexpr Rect webLink()
{
    return {15, button(kQuantityCount).top, 1695, 255};
}
constexpr Rect mailLink()
{
    return {kButtonLeft, webLink().top + 240, kButtonWidth, 255};
}
constexpr double kWebLinkPoints = 6.75;

constexpr int kClientWidth = 1725;
constexpr int kClientHeight = mailLink().top + mailLink().height + 75;

} // namespace unitavo::mainlayout
