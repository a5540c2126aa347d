// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows, offscreen: a press through the widgets, building and showing the main window, and
// the first opening of each converter window (its object created, its controls loaded, painted).
// Qt's own start-up (fonts, style) is paid once before the first figure; the cost of a cold
// process is measured by scripts/bench with unitavo_bench_startup.
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "paintwatch.h"
#include "reporter.h"
#include "representative.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace unitavo;

bench::PaintWatch *watch = nullptr;

// Set txt_conv, click btn_Calcola, read txt_sol, in one open window.
void windowPress(benchmark::State &state, const Quantity *quantity)
{
    ConverterWindow window(*quantity);
    window.present();
    watch->waitFor(&window);
    const bench::Conversion c = bench::representative(*quantity);
    window.findChild<QRadioButton *>(bench::latin1(quantity->rows[c.source].source))->click();
    window.findChild<QRadioButton *>(bench::latin1(quantity->rows[c.target].target))->click();
    auto *input = window.findChild<QLineEdit *>(kInputBox.latin1());
    auto *result = window.findChild<QLineEdit *>(kResultBox.latin1());
    auto *calcola = window.findChild<QPushButton *>(bench::latin1(kCalcola));
    const QString typed = QStringLiteral("12,5");

    for (auto _ : state) {
        input->setText(typed);
        calcola->click();
        QString text = result->text();
        benchmark::DoNotOptimize(text);
    }
    if (result->text().isEmpty())
        state.SkipWithError("the press wrote no result");
    state.SetLabel(std::string(quantity->name) + ": 12,5 -> " + result->text().toStdString());
    watch->clear();
}

// A new main window, shown and painted.
void mainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        auto main = std::make_unique<MainWindow>();
        main->show();
        watch->waitFor(main.get());
        state.PauseTiming();
        main.reset();
        watch->clear();
        state.ResumeTiming();
    }
}

// Clicks the main window's button of each quantity in the list, in turn, each time until the new
// converter window has painted. The main window is new for every iteration, so every click opens
// a window for the first time.
void firstOpening(benchmark::State &state, std::vector<int> indices)
{
    const auto &quantities = catalogue();
    for (auto _ : state) {
        state.PauseTiming();
        auto main = std::make_unique<MainWindow>();
        std::vector<QPushButton *> buttons;
        for (int i : indices)
            buttons.push_back(main->findChild<QPushButton *>(bench::latin1(quantities[i]->button)));
        state.ResumeTiming();
        for (std::size_t k = 0; k < indices.size(); ++k) {
            buttons[k]->click();
            watch->waitFor(main->existingWindow(*quantities[indices[k]]));
        }
        state.PauseTiming();
        main.reset();
        watch->clear();
        state.ResumeTiming();
    }
    state.counters["windows"] = double(indices.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    bench::silenceOffscreenRaise();
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // A failed press would otherwise open a modal dialog and stop the run.
    setReporter([](QWidget *, const QString &) { std::fprintf(stderr, "a press failed\n"); });
    bench::PaintWatch paintWatch;
    watch = &paintWatch;

    // Qt loads fonts, style and platform pieces on the first window; that is start-up, measured
    // with the whole process, not here.
    {
        MainWindow warmUp;
        warmUp.showQuantity(*unitavo::catalogue()[2]);
        warmUp.show();
        paintWatch.waitFor(&warmUp);
        paintWatch.clear();
    }

    benchmark::RegisterBenchmark("window_press/frm_forze", windowPress, &quantities::forze())
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("main_window_shown", mainWindowShown)
        ->Unit(benchmark::kMillisecond);
    std::vector<int> all;
    const auto &quantities = catalogue();
    for (int i = 0; i < int(quantities.size()); ++i) {
        all.push_back(i);
        benchmark::RegisterBenchmark((std::string("first_open/") + quantities[i]->name).c_str(),
            firstOpening, std::vector<int>{i})
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("first_open/all_one_after_another", firstOpening, all)
        ->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
