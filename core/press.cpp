// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "press.h"

#include "numbertext.h"

#include <cmath>

namespace unitavo {

namespace {

// Source phase. Returns false when the press ends here (a failure, or a hook that halted it).
bool enter(const Quantity &quantity, const UnitRow &row, PressContext &press, Value &pivot)
{
    PressOutcome &out = press.outcome;
    const bool held = quantity.pivot == PivotKind::WindowHeld;

    if (row.into.hook) {
        const Fallible<Value> v = row.into.hook(press);
        if (!v) {
            out.failure = v.failure();
            return false;
        }
        pivot = *v;
        return !press.halted();
    }

    const QString typed = press.text(kInputBox);
    if (row.into.asIs && !held) {
        pivot = Value::fromText(typed); // read as a number only when a step meets it
        return true;
    }

    const Fallible<double> x = textToNumber(typed, press.locale());
    if (!x) {
        out.failure = x.failure();
        return false;
    }
    const double p = applySteps(row.into.steps, *x);
    if (held)
        out.heldPivot = p; // held even when the step overflowed, like the stored result it is
    if (!std::isfinite(p)) {
        out.failure = Failure::OutOfRange;
        return false;
    }
    pivot = Value::fromDouble(p);
    return true;
}

Fallible<QString> leave(
    const Quantity &quantity, const UnitRow &row, PressContext &press, const Value &pivot)
{
    if (quantity.pivot == PivotKind::WindowHeld) {
        const double p = row.outOf.asIs ? press.outcome.heldPivot
                                        : applySteps(row.outOf.steps, press.outcome.heldPivot);
        if (!std::isfinite(p))
            return Failure::OutOfRange;
        return numberToText(p, press.locale());
    }

    if (row.outOf.hook)
        return row.outOf.hook(pivot, press);

    Value v = pivot;
    for (const Step &step : row.outOf.steps.view()) {
        const Fallible<Value> next = v.apply(step, press.locale());
        if (!next)
            return next.failure();
        v = *next;
    }
    return v.toText(press.locale());
}

} // namespace

std::optional<QString> PressOutcome::written(BoxName box) const
{
    for (auto it = writes.crbegin(); it != writes.crend(); ++it) {
        if (it->box == box)
            return it->text;
    }
    return std::nullopt;
}

PressContext::PressContext(const PressInput &input)
    : m_input(input)
{
    outcome.heldPivot = input.heldPivot;
}

QString PressContext::text(BoxName box) const
{
    if (const auto w = outcome.written(box))
        return *w;
    for (const BoxText &t : m_input.texts) {
        if (t.box == box)
            return t.text;
    }
    return QString();
}

void PressContext::write(BoxName box, QString text)
{
    outcome.writes.append(BoxText{box, std::move(text)});
}

double applySteps(const Sequence &steps, double x)
{
    for (const Step &step : steps.view())
        x = step.apply(x);
    return x;
}

PressOutcome press(const Quantity &quantity, const PressInput &input)
{
    PressContext context(input);
    Value pivot;
    const auto rows = quantity.rows;
    const auto valid = [&](int row) { return row >= 0 && std::size_t(row) < rows.size(); };

    if (valid(input.source) && !enter(quantity, rows[input.source], context, pivot))
        return std::move(context.outcome);

    if (valid(input.target)) {
        const Fallible<QString> text = leave(quantity, rows[input.target], context, pivot);
        if (!text)
            context.outcome.failure = text.failure();
        else
            context.write(kResultBox, *text);
    }
    return std::move(context.outcome);
}

} // namespace unitavo
