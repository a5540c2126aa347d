// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>
#include <functional>

namespace unitavo {

// The font of every caption, close to an 8-point sans serif of the classic desktop: Arial, the
// face the layout was drawn in, on Windows; its metric twin elsewhere.
#ifdef Q_OS_WIN
inline constexpr char defaultFontFamily[] = "Arial";
#else
inline constexpr char defaultFontFamily[] = "Liberation Sans";
#endif
QFont defaultFont();
// The nearest available font to a named one at a size in points, sized in logical pixels so that
// it keeps its place beside controls that are sized in logical pixels too.
QFont fontLike(const char *family, double points);

// The font at its largest, from `font` down one pixel at a time to 9 pixels, for which fits()
// holds: captions keep their place in their controls with whatever fonts the system offers.
QFont shrunkToFit(QFont font, const std::function<bool(const QFont &)> &fits);

} // namespace unitavo
