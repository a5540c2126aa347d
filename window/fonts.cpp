// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <algorithm>
#include <cmath>

namespace unitavo {

QFont fontLike(const char *family, double points)
{
    QFont font;
    // Arial and MS Sans Serif have metric-compatible or close free faces on Linux desktops.
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    return font;
}

QFont defaultFont()
{
    return fontLike(defaultFontFamily, 8.0);
}

QFont shrunkToFit(QFont font, const std::function<bool(const QFont &)> &fits)
{
    while (font.pixelSize() > 9 && !fits(font))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace unitavo
