// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue.h"

#include "matchkey.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

namespace unitavo {

const std::array<const Quantity *, kQuantityCount> &catalogue()
{
    using namespace quantities;
    static const std::array<const Quantity *, kQuantityCount> all{&accelerazioni(), &angoli(),
        &forze(), &lunghezze(), &massavolumica(), &pressioni(), &superfici(), &temperature(),
        &velocita(), &volumi()};
    return all;
}

int catalogueIndex(const Quantity &quantity)
{
    const auto &all = catalogue();
    return int(std::find(all.begin(), all.end(), &quantity) - all.begin());
}

const Quantity *findQuantity(const char *windowName)
{
    for (const Quantity *q : catalogue()) {
        if (std::strcmp(q->name, windowName) == 0)
            return q;
    }
    return nullptr;
}

QString quantityId(const Quantity &quantity)
{
    return QString::fromLatin1(quantity.id);
}

const Quantity *findQuantityById(QStringView id)
{
    const QString key = matchKey(id);
    for (const Quantity *q : catalogue()) {
        if (key == quantityId(*q) || key == matchKey(QString::fromUtf8(q->caption)))
            return q;
    }
    return nullptr;
}

QString quantityIds()
{
    QStringList ids;
    for (const Quantity *q : catalogue())
        ids << quantityId(*q);
    return ids.join(QStringLiteral(", "));
}

} // namespace unitavo
