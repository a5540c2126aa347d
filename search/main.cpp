// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// unitavo-search: Unitavo's conversions in the desktop's search, GNOME Shell's and KRunner's, as
// a service on the session bus, started by the bus when a search first asks for it.
#include "service.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("unitavo-search"));
    return unitavo::search::runService();
}
