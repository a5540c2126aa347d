// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    // The arguments as the application would read them (on Unix, argv in the local encoding).
    // Windows always has a display, and its arguments are read from the wide command line.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> status = unitavo::answerWithoutWindows(arguments))
        return *status;
#endif
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.unitavo.Unitavo"));
    // Every window, message boxes included, takes the application's icon.
    QApplication::setWindowIcon(unitavo::appIcon());
    // The program ends when its last window closes, whichever that is.
    return unitavo::start(QCoreApplication::arguments());
}
