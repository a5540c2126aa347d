// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pairs.h"

#include "suggestions.h"
#include "unitindex.h"

namespace unitavo {

namespace {

void appendNew(QList<UnitRef> &list, const QList<UnitRef> &more)
{
    for (const UnitRef unit : more) {
        if (!list.contains(unit))
            list.append(unit);
    }
}

QList<const Quantity *> quantitiesOf(const QList<UnitRef> &units)
{
    QList<const Quantity *> quantities;
    for (const UnitRef unit : units) {
        if (!quantities.contains(unit.quantity))
            quantities.append(unit.quantity);
    }
    return quantities;
}

// The closest units to `text` among each of the quantities, at most `count` in all.
QList<UnitRef> suggestionsAmong(
    QStringView text, const QList<const Quantity *> &quantities, int count)
{
    QList<UnitRef> found;
    for (const Quantity *q : quantities)
        appendNew(found, suggestions(text, q, count));
    return found.mid(0, count);
}

UnitRef unitOf(const QList<UnitRef> &units, const Quantity *quantity)
{
    for (const UnitRef unit : units) {
        if (unit.quantity == quantity)
            return unit;
    }
    return {};
}

} // namespace

PairResolution resolvePair(QStringView from, QStringView to, const Quantity *hint)
{
    PairResolution r;
    r.fromCandidates = findUnits(from, hint);
    r.toCandidates = findUnits(to, hint);
    if (r.fromCandidates.isEmpty() || r.toCandidates.isEmpty()) {
        r.problem = PairResolution::Problem::Unknown;
        if (r.fromCandidates.isEmpty())
            r.fromSuggestions = suggestions(from, hint);
        if (r.toCandidates.isEmpty())
            r.toSuggestions = suggestions(to, hint);
        return r;
    }

    for (const Quantity *q : catalogue()) {
        const UnitRef f = unitOf(r.fromCandidates, q);
        const UnitRef t = unitOf(r.toCandidates, q);
        if (f.isValid() && t.isValid()) {
            r.quantities.append(q);
            r.pair = {f, t};
        }
    }
    if (r.quantities.size() == 1) {
        r.problem = PairResolution::Problem::None;
    } else if (r.quantities.isEmpty()) {
        r.problem = PairResolution::Problem::DifferentQuantities;
        r.fromSuggestions = suggestionsAmong(from, quantitiesOf(r.toCandidates), 5);
        r.toSuggestions = suggestionsAmong(to, quantitiesOf(r.fromCandidates), 5);
    } else {
        r.problem = PairResolution::Problem::Ambiguous;
        r.pair = {};
    }
    return r;
}

UnitResolution resolveUnit(QStringView text, const Quantity *hint)
{
    UnitResolution r;
    r.candidates = findUnits(text, hint);
    if (r.candidates.isEmpty()) {
        r.problem = UnitResolution::Problem::Unknown;
        r.suggestions = suggestions(text, hint);
    } else if (r.candidates.size() == 1) {
        r.unit = r.candidates.first();
    } else {
        r.problem = UnitResolution::Problem::Ambiguous;
    }
    return r;
}

} // namespace unitavo
