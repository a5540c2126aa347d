// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One press of "Calcola" under arbitrary input, for every quantity that has units: any source and
// target row (none selected included), any typed texts, any window-held pivot, Italian or English.
// A press either writes sound texts or reports a failure; it never writes the text of a non-finite
// number, never writes the result box when it fails, and touches no other box but the empty
// fraction boxes of the lengths window, which get "0".
#include "catalogue.h"
#include "fuzzcheck.h"
#include "press.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>

using namespace unitavo;
using namespace unitavo::fuzz;
using namespace unitavo::invariants;

namespace {

// What a user may type or paste: digits, signs, both separators, exponents at and beyond the
// double range, blanks, words of infinity and NaN, hexadecimal and other non-ASCII characters.
constexpr const char *kPieces[] = {"0", "1", "2", "5", "9", "12", "32", "0,5", "0.5", "-", "+",
    "\xe2\x88\x92", ",", ".", "E", "e", "E+", "E-", "308", "309", "324", "400", "99999", "1E+308",
    "1,79769313486232E+308", "1.79769313486232E+308", "4,94065645841247E-324", " ", "  ", "\t",
    "\xc2\xa0", "\xe3\x80\x80", "inf", "-inf", "nan", "NaN", "Infinity", "\xe2\x88\x9e", "0x", "1F",
    "\xc3\xa9", "\xe2\x82\xac", "\xd9\xa1", "\xef\xbc\x91", "(", ")", "'", "/", "\xe2\x80\x8b",
    "\n"};

QString makeText(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
        return QString();
    case 1:
        return QString::fromUtf8(in.ConsumeRandomLengthString(48));
    case 2: {
        QString text;
        const int count = in.ConsumeIntegralInRange<int>(1, 8);
        for (int i = 0; i < count; ++i)
            text += QString::fromUtf8(in.PickValueInArray(kPieces));
        return text;
    }
    case 3: { // a number's text, in either locale
        const double x = in.ConsumeFloatingPoint<double>();
        return numberToText(x, in.ConsumeBool() ? italian() : english());
    }
    default: { // digits with an exponent anywhere from far below to far beyond the double range
        QString text = QString::number(in.ConsumeIntegralInRange<int>(-99999, 99999));
        if (in.ConsumeBool())
            text += (in.ConsumeBool() ? QStringLiteral(",") : QStringLiteral("."))
                + QString::number(in.ConsumeIntegral<std::uint16_t>());
        return text + QStringLiteral("E") + QString::number(in.ConsumeIntegralInRange(-800, 800));
    }
    }
}

double makeHeldPivot(FuzzedDataProvider &in)
{
    constexpr double special[] = {0.0, -0.0, 1.0, DBL_MAX, -DBL_MAX, 1e308, DBL_TRUE_MIN,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()};
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        return in.PickValueInArray(special);
    case 1:
        return in.ConsumeFloatingPoint<double>();
    default: { // any bit pattern, infinities and NaNs included
        const auto bits = in.ConsumeIntegral<std::uint64_t>();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
    }
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool isTextBox(const Quantity &q, BoxName box)
{
    for (const ExtraControl &extra : q.extras) {
        if (extra.kind == ExtraControl::Kind::TextBox && BoxName(extra.name) == box)
            return true;
    }
    return false;
}

QString typedInto(const PressInput &input, BoxName box)
{
    for (const BoxText &t : input.texts) {
        if (t.box == box)
            return t.text;
    }
    return QString();
}

QString describe(const Quantity &q, const PressInput &input)
{
    const auto rowName = [&](int row, bool source) {
        if (row < 0 || std::size_t(row) >= q.rows.size())
            return QStringLiteral("none (%1)").arg(row);
        return QString::fromLatin1(source ? q.rows[row].source : q.rows[row].target);
    };
    QString text = QStringLiteral("%1 under %2, source %3, target %4, held pivot %5")
                       .arg(QString::fromLatin1(q.name), localeName(input.locale),
                           rowName(input.source, true), rowName(input.target, false))
                       .arg(input.heldPivot, 0, 'g', 17);
    for (const BoxText &t : input.texts)
        text += QStringLiteral(", %1 %2").arg(t.box.latin1(), spelled(t.text));
    return text;
}

QString describe(const PressOutcome &o)
{
    QString text = o.failure ? QStringLiteral("failure %1").arg(int(*o.failure))
                             : QStringLiteral("no failure");
    for (const BoxText &w : o.writes)
        text += QStringLiteral(", wrote %1 into %2").arg(spelled(w.text), w.box.latin1());
    return text + QStringLiteral(", held pivot %1").arg(o.heldPivot, 0, 'g', 17);
}

bool sameOutcome(const PressOutcome &a, const PressOutcome &b, bool swapped)
{
    if (a.failure != b.failure || !sameBits(a.heldPivot, b.heldPivot)
        || a.writes.size() != b.writes.size())
        return false;
    for (qsizetype i = 0; i < a.writes.size(); ++i) {
        const QString expected = swapped ? swapSeparators(a.writes[i].text) : a.writes[i].text;
        if (a.writes[i].box != b.writes[i].box || b.writes[i].text != expected)
            return false;
    }
    return true;
}

void checkOutcome(const Quantity &q, const PressInput &input, const PressOutcome &out)
{
    const auto where
        = [&] { return describe(q, input) + QStringLiteral("\n  gave ") + describe(out); };
    const auto valid = [&](int row) { return row >= 0 && std::size_t(row) < q.rows.size(); };
    const std::optional<QString> result = out.written(kResultBox);

    if (out.failure)
        check(!result, "a failed press leaves the result box as it was", where);
    else if (valid(input.target))
        check(result.has_value(), "a press with a target writes a result or reports a failure",
            where);
    const bool hookedSource = valid(input.source) && q.rows[input.source].into.hook;
    if (!valid(input.target))
        check(!result || (hookedSource && result->isEmpty()),
            "a press with no target writes no result, or empties it from a refusing source step",
            where);
    if (!valid(input.source) && !valid(input.target))
        check(out.writes.isEmpty() && !out.failure, "a press with no unit selected does nothing",
            where);

    for (const BoxText &w : out.writes) {
        if (w.box == kResultBox)
            continue;
        check(isTextBox(q, w.box) && w.text == QStringLiteral("0")
                && typedInto(input, w.box).isEmpty(),
            "a press writes nothing but its result and a 0 into an empty fraction box", where);
    }

    if (result) {
        const QString typed = typedInto(input, kInputBox);
        const QString problem
            = resultProblem(q, input.source, input.target, typed, *result, input.locale);
        check(problem.isEmpty(), "the result is a number's text, a fractional inch or a copy",
            [&] { return where() + QStringLiteral("\n  ") + problem; });
        check(!looksNonFinite(*result) || *result == typed,
            "no result is the text of a non-finite number", where);
    }

    if (q.pivot == PivotKind::PerPress || !valid(input.source)) {
        check(sameBits(out.heldPivot, input.heldPivot),
            "only a source unit of a window-held window sets the held pivot", where);
    } else if (!out.failure) {
        check(
            std::isfinite(out.heldPivot), "a press that went through holds a finite pivot", where);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &all = catalogue();
    FuzzedDataProvider in(data, size);
    const Quantity &q = *all[in.ConsumeIntegralInRange<std::size_t>(0, all.size() - 1)];
    const int rows = int(q.rows.size());

    PressInput input;
    input.locale = in.ConsumeBool() ? italian() : english();
    input.source = in.ConsumeIntegralInRange<int>(-1, rows); // rows itself: out of range
    input.target = in.ConsumeIntegralInRange<int>(-1, rows);
    input.heldPivot = makeHeldPivot(in);
    input.texts.append({kInputBox, makeText(in)});
    for (const ExtraControl &extra : q.extras) {
        if (extra.kind == ExtraControl::Kind::TextBox)
            input.texts.append({BoxName(extra.name), makeText(in)});
    }
    input.texts.append({kResultBox, QStringLiteral("previous")});

    const PressOutcome out = press(q, input);
    checkOutcome(q, input, out);

    const PressOutcome again = press(q, input);
    check(sameOutcome(out, again, false), "a press depends on nothing but its input", [&] {
        return describe(q, input) + QStringLiteral("\n  gave ") + describe(out)
            + QStringLiteral("\n  then ") + describe(again);
    });

    // The same keys under the other locale: point and comma trade roles, nothing else changes.
    PressInput other = input;
    other.locale = otherLocale(input.locale);
    for (BoxText &t : other.texts)
        t.text = swapSeparators(t.text);
    const PressOutcome swapped = press(q, other);
    check(sameOutcome(out, swapped, true), "the locale changes only the separators", [&] {
        return describe(q, input) + QStringLiteral("\n  gave ") + describe(out)
            + QStringLiteral("\n  while ") + describe(q, other) + QStringLiteral("\n  gave ")
            + describe(swapped);
    });
    return 0;
}
