// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unitrefs.h"

namespace unitavo {

QString unitSymbol(UnitRef unit)
{
    return QString::fromUtf8(unit.unit().symbol);
}

QStringList unitNames(UnitRef unit)
{
    return QString::fromUtf8(unit.unit().names).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString unitCaption(UnitRef unit)
{
    const UnitRow &row = unit.unit();
    return QString::fromUtf8(row.sourceCaption).simplified()
        + QString::fromUtf8(row.superscript.character());
}

QList<UnitRef> allUnits(const Quantity *within)
{
    QList<UnitRef> units;
    for (const Quantity *q : catalogue()) {
        if (within && q != within)
            continue;
        for (int row = 0; row < int(q->rows.size()); ++row)
            units.append({q, row});
    }
    return units;
}

} // namespace unitavo
