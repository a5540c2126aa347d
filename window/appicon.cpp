// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"

namespace unitavo {

QIcon appIcon()
{
    // Built once and shared by every window, so that each image is decoded only once. The larger
    // renderings are the installed theme's, for the desktop; a window frame needs no more than 64.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64})
            i.addFile(QStringLiteral(":/icons/unitavo-%1.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}

} // namespace unitavo
