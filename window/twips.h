// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quantity.h"

#include <QRect>

namespace unitavo {

// Window definitions are in twips; fifteen of them make one logical pixel.
constexpr int fromTwips(int twips)
{
    return (twips + 7) / 15;
}
inline QRect fromTwips(const Rect &r)
{
    return QRect(fromTwips(r.left), fromTwips(r.top), fromTwips(r.width), fromTwips(r.height));
}

} // namespace unitavo
