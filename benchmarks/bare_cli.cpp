// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the command-line converter: a Qt Core program that prints one line, as any
// command-line Qt program does at the least.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << QStringLiteral("1,8641135766") << '\n';
    return 0;
}
