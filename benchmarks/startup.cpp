// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program as it starts: built from the program's own app/main.cpp and libraries, with an
// observer that the application installs when it is created. The observer ends the run from the
// event loop once the main window has been painted. What it does besides is told by the words of
// UNITAVO_BENCH_STARTUP, since the program's own command line refuses options it does not know:
//   unitavo_bench_startup                 start, show the main window, quit
//   UNITAVO_BENCH_STARTUP=all-windows unitavo_bench_startup
//                                         then click the ten buttons one after the other, each
//                                         waiting for its window's first paint, print the times
//                                         in milliseconds (wall clock, then processor) and quit
//                                         with all windows open
//   memory (alone or beside all-windows)  also prints the resident memory before quitting
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "memorystatus.h"
#include "paintwatch.h"

#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Processor time used by the whole process so far, in milliseconds.
double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

unitavo::MainWindow *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<unitavo::MainWindow *>(w))
            return main;
    }
    return nullptr;
}

// Opens every converter window through its button on the main window, as a user would.
void openAll(const unitavo::bench::PaintWatch &watch)
{
    unitavo::MainWindow *main = mainWindow();
    const auto &quantities = unitavo::catalogue();
    double total = 0.0;
    double totalCpu = 0.0;
    int opened = 0;
    for (int i = 0; i < int(quantities.size()); ++i) {
        const unitavo::Quantity &q = *quantities[i];
        auto *button = main->findChild<QPushButton *>(QLatin1String(q.button));
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = cpuMilliseconds();
        button->click();
        watch.waitFor(main->existingWindow(q));
        const double ms = millisecondsSince(start);
        const double cpu = cpuMilliseconds() - startCpu;
        std::printf("%s %.3f %.3f\n", q.name, ms, cpu);
        total += ms;
        totalCpu += cpu;
        ++opened;
    }
    std::printf("total %.3f %.3f\nopened %d\n", total, totalCpu, opened);
    std::fflush(stdout);
}

void observe()
{
    unitavo::bench::silenceOffscreenRaise();
    const QStringList words = qEnvironmentVariable("UNITAVO_BENCH_STARTUP").split(u' ');
    const bool allWindows = words.contains(QLatin1String("all-windows"));
    const bool memory = words.contains(QLatin1String("memory"));
    auto *watch = new unitavo::bench::PaintWatch;
    watch->setParent(QCoreApplication::instance());
    watch->afterFirstWindow([watch, allWindows, memory] {
        if (allWindows)
            openAll(*watch);
        if (memory)
            unitavo::bench::printMemoryStatus();
        QCoreApplication::quit();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(observe)
