// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units of the catalogue, each a row of its quantity's table, and what a unit is called.

#include "catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

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

} // namespace unitavo
