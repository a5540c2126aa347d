// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Units by the names people type: a unit's symbol ("km") or any of its names ("chilometri",
// "miles"), matched whatever the case, with or without accents ("reaumur" is "Réaumur"), with
// "²" and "³" read as 2 and 3, and hyphens, parentheses and runs of blanks read as one blank.
// A symbol may belong to units of several quantities ("g" is the gram and the standard gravity):
// a pair of units then takes the quantity that has both.

#include "catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace unitavo {

// One unit of the catalogue: a quantity and a row of its units table.
struct UnitRef {
    const Quantity *quantity = nullptr;
    int row = -1;

    bool isValid() const
    {
        return quantity && row >= 0 && std::size_t(row) < quantity->rows.size();
    }
    const UnitRow &unit() const { return quantity->rows[row]; }
    friend bool operator==(const UnitRef &, const UnitRef &) = default;
};

QString unitSymbol(UnitRef unit);
// The unit's other names, as its table writes them; the symbol is not among them.
QStringList unitNames(UnitRef unit);
// The caption of the unit's source button with its runs of blanks collapsed and its superscript
// written after it, as the window reads: "chilometri (km)", "kg/m³".
QString unitCaption(UnitRef unit);

// Every unit of the quantity, or of the whole catalogue for nullptr, in the catalogue's order.
QList<UnitRef> allUnits(const Quantity *within = nullptr);

// The form in which texts are compared: lower case, no accents, "²" as 2, blanks collapsed.
QString matchKey(QStringView text);

// The units whose symbol or one of whose names is the text, in the catalogue's order; only those
// of `within` when it is given. Within one quantity a text names at most one unit.
QList<UnitRef> findUnits(QStringView text, const Quantity *within = nullptr);

// The units whose symbol or names come closest to a text that names none (a few edits away, or
// beginning with it), closest first; at most `count`, only those of `within` when it is given.
QList<UnitRef> suggestions(QStringView text, const Quantity *within = nullptr, int count = 5);

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
