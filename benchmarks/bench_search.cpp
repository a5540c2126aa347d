// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A query of the desktop's search as the service answers it, without the bus: KRunner's Match,
// and GNOME Shell's GetInitialResultSet followed by GetResultMetas for the results. Each should
// take well under a millisecond.
#include "service.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace unitavo::search;

const QLocale italian(QLocale::Italian, QLocale::Italy);

void ignore(const QStringList &) { }

void krunnerMatch(benchmark::State &state, const char *query)
{
    KRunner runner(ignore, italian);
    const QString text = QString::fromUtf8(query);
    for (auto _ : state) {
        RemoteMatches matches = runner.Match(text);
        benchmark::DoNotOptimize(matches);
    }
    state.SetLabel(std::to_string(runner.Match(text).size()) + " results");
}

void gnomeSearch(benchmark::State &state, const char *query)
{
    GnomeSearchProvider provider(ignore, italian);
    const QStringList terms = QString::fromUtf8(query).split(u' ');
    for (auto _ : state) {
        const QStringList ids = provider.GetInitialResultSet(terms);
        QList<QVariantMap> metas = provider.GetResultMetas(ids);
        benchmark::DoNotOptimize(metas);
    }
    state.SetLabel(std::to_string(provider.GetInitialResultSet(terms).size()) + " results");
}

// Two units with a word between; one unit and its useful targets; a value that is no number
// under Italian settings; the longest kind of name.
BENCHMARK_CAPTURE(krunnerMatch, pair, "10 km in mi");
BENCHMARK_CAPTURE(krunnerMatch, one_unit, "10 km");
BENCHMARK_CAPTURE(krunnerMatch, refused, "1.5 km in m");
BENCHMARK_CAPTURE(krunnerMatch, long_names, "2,5 chilometri all'ora in metri al secondo");
BENCHMARK_CAPTURE(gnomeSearch, pair, "10 km in mi");
BENCHMARK_CAPTURE(gnomeSearch, one_unit, "10 km");
BENCHMARK_CAPTURE(gnomeSearch, long_names, "2,5 chilometri all'ora in metri al secondo");

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    unitavo::search::registerTypes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
