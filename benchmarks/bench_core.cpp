// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text and the core press, without widgets. Every figure here should stay well under a
// microsecond: a press is one text read, a few multiplications and one text written.
#include "catalogue.h"
#include "numbertext.h"
#include "press.h"
#include "representative.h"

#include <benchmark/benchmark.h>

namespace {

using namespace unitavo;

const QLocale italian(QLocale::Italian, QLocale::Italy);
const QLocale english(QLocale::English, QLocale::UnitedStates);
// Settings whose own number system writes U+2212 and "×10^": number text is the same all the same.
const QLocale swedish(QLocale::Swedish, QLocale::Sweden);

const QLocale &localeNamed(const char *name)
{
    switch (name[0]) {
    case 'i':
        return italian;
    case 's':
        return swedish;
    default:
        return english;
    }
}

// Typed numbers: a plain one, a long fraction, an exponent; zero, which takes the general way.
void textToNumberCase(benchmark::State &state, const char *localeName, const char *typed)
{
    const QLocale &locale = localeNamed(localeName);
    const QString text = QString::fromLatin1(typed);
    if (!textToNumber(text, locale)) {
        state.SkipWithError("not a number");
        return;
    }
    for (auto _ : state) {
        Fallible<double> value = textToNumber(text, locale);
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(typed);
}

void numberToTextCase(benchmark::State &state, const char *localeName, double number)
{
    const QLocale &locale = localeNamed(localeName);
    for (auto _ : state) {
        QString text = numberToText(number, locale);
        benchmark::DoNotOptimize(text);
    }
    state.SetLabel(numberToText(number, locale).toStdString());
}

BENCHMARK_CAPTURE(textToNumberCase, it_IT_plain, "it_IT", "12,5");
BENCHMARK_CAPTURE(textToNumberCase, it_IT_long, "it_IT", "0,986923266716013");
BENCHMARK_CAPTURE(textToNumberCase, it_IT_exponent, "it_IT", "1,5E-05");
BENCHMARK_CAPTURE(textToNumberCase, en_US_plain, "en_US", "12.5");
BENCHMARK_CAPTURE(textToNumberCase, en_US_long, "en_US", "0.986923266716013");
BENCHMARK_CAPTURE(textToNumberCase, en_US_exponent, "en_US", "1.5E-05");
BENCHMARK_CAPTURE(textToNumberCase, it_IT_zero, "it_IT", "0");
BENCHMARK_CAPTURE(textToNumberCase, sv_SE_exponent, "sv_SE", "-1,5e-05");
BENCHMARK_CAPTURE(numberToTextCase, it_IT_plain, "it_IT", 12.5);
BENCHMARK_CAPTURE(numberToTextCase, it_IT_long, "it_IT", 0.986923266716013);
BENCHMARK_CAPTURE(numberToTextCase, it_IT_exponent, "it_IT", 1.5e-05);
BENCHMARK_CAPTURE(numberToTextCase, en_US_plain, "en_US", 12.5);
BENCHMARK_CAPTURE(numberToTextCase, en_US_long, "en_US", 0.986923266716013);
BENCHMARK_CAPTURE(numberToTextCase, en_US_exponent, "en_US", 1.5e-05);
BENCHMARK_CAPTURE(numberToTextCase, sv_SE_exponent, "sv_SE", -1.5e-05);

// One representative press of a quantity, under Italian settings, input 12,5.
void pressCase(benchmark::State &state, const Quantity *quantity)
{
    const bench::Conversion c = bench::representative(*quantity);
    PressInput input;
    input.source = c.source;
    input.target = c.target;
    input.texts.append({kInputBox, QStringLiteral("12,5")});
    input.locale = italian;

    const PressOutcome check = press(*quantity, input);
    const auto result = check.written(kResultBox);
    if (check.failure || !result) {
        state.SkipWithError("the press wrote no result");
        return;
    }
    for (auto _ : state) {
        PressOutcome outcome = press(*quantity, input);
        benchmark::DoNotOptimize(outcome);
    }
    const UnitRow &from = quantity->rows[c.source];
    const UnitRow &to = quantity->rows[c.target];
    state.SetLabel(
        std::string(from.source) + " -> " + to.target + ": 12,5 -> " + result->toStdString());
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (const Quantity *q : catalogue())
        benchmark::RegisterBenchmark((std::string("press/") + q->name).c_str(), pressCase, q);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
