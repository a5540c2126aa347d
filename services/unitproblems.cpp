// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unitproblems.h"

#include "messages.h"
#include "unitindex.h"

namespace unitavo {

namespace {

QStringList quantityIdsOf(const QList<UnitRef> &units)
{
    QStringList ids;
    for (const UnitRef unit : units)
        ids << quantityId(*unit.quantity);
    return ids;
}

} // namespace

QString unknownUnitLine(QStringView text, const QList<UnitRef> &closest, const Quantity *within)
{
    return unknownUnitMessage(
        text, within ? quantityId(*within) : QString(), unitDescriptions(closest));
}

QStringList unitDescriptions(const QList<UnitRef> &units)
{
    QStringList parts;
    for (const UnitRef unit : units)
        parts << unitDescription(unitSymbol(unit), quantityId(*unit.quantity), unitCaption(unit));
    return parts;
}

QStringList problemLines(
    const PairResolution &r, QStringView from, QStringView to, const Quantity *hint)
{
    using Problem = PairResolution::Problem;
    QStringList lines;
    switch (r.problem) {
    case Problem::None:
        break;
    case Problem::Unknown:
        if (r.fromCandidates.isEmpty())
            lines << unknownUnitLine(from, r.fromSuggestions, hint);
        if (r.toCandidates.isEmpty())
            lines << unknownUnitLine(to, r.toSuggestions, hint);
        break;
    case Problem::DifferentQuantities:
        lines << differentQuantitiesMessage(
            from, quantityIdsOf(r.fromCandidates), to, quantityIdsOf(r.toCandidates));
        if (!r.fromSuggestions.isEmpty())
            lines << nearUnitsMessage(from, unitDescriptions(r.fromSuggestions));
        if (!r.toSuggestions.isEmpty())
            lines << nearUnitsMessage(to, unitDescriptions(r.toSuggestions));
        break;
    case Problem::Ambiguous: {
        QStringList ids, fromCaptions, toCaptions;
        for (const Quantity *q : r.quantities) {
            ids << quantityId(*q);
            fromCaptions << unitCaption(findUnits(from, q).value(0));
            toCaptions << unitCaption(findUnits(to, q).value(0));
        }
        lines << ambiguousPairMessage(from, to, ids, fromCaptions, toCaptions);
        break;
    }
    }
    return lines;
}

QStringList problemLines(const UnitResolution &r, QStringView text, const Quantity *hint)
{
    switch (r.problem) {
    case UnitResolution::Problem::None:
        break;
    case UnitResolution::Problem::Unknown:
        return {unknownUnitLine(text, r.suggestions, hint)};
    case UnitResolution::Problem::Ambiguous: {
        QStringList captions;
        for (const UnitRef unit : r.candidates)
            captions << unitCaption(unit);
        return {ambiguousUnitMessage(text, quantityIdsOf(r.candidates), captions)};
    }
    }
    return {};
}

} // namespace unitavo
