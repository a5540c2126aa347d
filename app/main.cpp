// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.unitavo.Unitavo"));
    // Every window, message boxes included, takes the application's icon.
    QApplication::setWindowIcon(unitavo::appIcon());
    // The program ends when its last window closes, whichever that is.
    return unitavo::start(QCoreApplication::arguments());
}
