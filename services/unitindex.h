// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every symbol and name of the catalogue, and the units a text names.

#include "unitrefs.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

namespace unitavo {

// A symbol or name of a unit, by its match key.
struct UnitIndexEntry {
    QString key;
    UnitRef unit;
    int ordinal = 0; // the unit's place in the catalogue
};

// Every symbol and name of the catalogue with its match key, in the catalogue's order, built
// once. A few thousand keys: comparing them all is quicker than sorting or hashing them first.
const std::vector<UnitIndexEntry> &unitIndex();

// The units whose symbol or one of whose names is the text, in the catalogue's order; only those
// of `within` when it is given. Within one quantity a text names at most one unit.
QList<UnitRef> findUnits(QStringView text, const Quantity *within = nullptr);

} // namespace unitavo
