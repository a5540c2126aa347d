// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unitindex.h"

#include "matchkey.h"

#include <cstring>

namespace unitavo {

const std::vector<UnitIndexEntry> &unitIndex()
{
    static const std::vector<UnitIndexEntry> built = [] {
        std::vector<UnitIndexEntry> entries;
        int ordinal = 0;
        for (const UnitRef unit : allUnits()) {
            const UnitRow &row = unit.unit();
            entries.push_back({matchKey(QString::fromUtf8(row.symbol)), unit, ordinal});
            for (const char *name = row.names; *name;) {
                const char *end = std::strchr(name, '|');
                const qsizetype size = end ? end - name : qsizetype(std::strlen(name));
                if (size > 0)
                    entries.push_back({matchKey(QString::fromUtf8(name, size)), unit, ordinal});
                name += end ? size + 1 : size;
            }
            ++ordinal;
        }
        return entries;
    }();
    return built;
}

QList<UnitRef> findUnits(QStringView text, const Quantity *within)
{
    const QString key = matchKey(text);
    QList<UnitRef> units;
    if (key.isEmpty())
        return units;
    for (const UnitIndexEntry &entry : unitIndex()) {
        if (entry.key == key && (!within || entry.unit.quantity == within)
            && !units.contains(entry.unit))
            units.append(entry.unit);
    }
    return units;
}

} // namespace unitavo
