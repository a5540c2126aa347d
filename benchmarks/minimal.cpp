// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the converter's start-up and memory: a Qt Widgets program that shows one
// empty window of the main window's size and quits once it has been painted, observed the same
// way as the converter.
//   unitavo_bench_minimal [--memory]   --memory: print the resident memory before quitting
#include "memorystatus.h"
#include "paintwatch.h"

#include <QApplication>

namespace {

void observe()
{
    const bool memory = QCoreApplication::arguments().contains(QLatin1String("--memory"));
    auto *watch = new unitavo::bench::PaintWatch;
    watch->setParent(QCoreApplication::instance());
    watch->afterFirstWindow([memory] {
        if (memory)
            unitavo::bench::printMemoryStatus();
        QCoreApplication::quit();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(observe)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(115, 286); // the main window's client area in logical pixels
    window.show();
    return app.exec();
}
