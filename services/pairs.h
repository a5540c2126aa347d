// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What unit texts name when a quantity must be found for them. A symbol may belong to units of
// several quantities ("g" is the gram and the standard gravity): a pair of units then takes the
// quantity that has both.

#include "unitrefs.h"

#include <QList>
#include <QStringView>

namespace unitavo {

struct UnitPair {
    UnitRef from;
    UnitRef to;
};

// What a pair of unit texts names.
struct PairResolution {
    enum class Problem {
        None, // `pair` holds the two units
        Unknown, // FROM or TO (or both) names no unit (of the hinted quantity, if one is given)
        DifferentQuantities, // both name units, but no quantity has both
        Ambiguous, // several quantities have both: `quantities` lists them
    };
    Problem problem = Problem::None;
    UnitPair pair;
    QList<UnitRef> fromCandidates; // what FROM names; empty when unknown
    QList<UnitRef> toCandidates;
    QList<const Quantity *> quantities; // Ambiguous: the quantities that have both
    // The closest units to a text that names none; for different quantities, the closest units
    // to each text among the quantities of the other.
    QList<UnitRef> fromSuggestions;
    QList<UnitRef> toSuggestions;

    bool ok() const { return problem == Problem::None; }
};

// Resolves a pair of unit texts: the quantity that has a unit named FROM and a unit named TO.
// With a hint only the hint's units count.
PairResolution resolvePair(QStringView from, QStringView to, const Quantity *hint = nullptr);

// What one unit text names, when no second unit can decide its quantity.
struct UnitResolution {
    enum class Problem { None, Unknown, Ambiguous };
    Problem problem = Problem::None;
    UnitRef unit;
    QList<UnitRef> candidates; // Ambiguous: one unit per quantity
    QList<UnitRef> suggestions; // Unknown: the closest units

    bool ok() const { return problem == Problem::None; }
};

UnitResolution resolveUnit(QStringView text, const Quantity *hint = nullptr);

} // namespace unitavo
