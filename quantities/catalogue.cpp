// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue.h"

#include <cstring>

namespace unitavo {

const std::array<const Quantity *, 10> &catalogue()
{
    using namespace quantities;
    static const std::array<const Quantity *, 10> all{&accelerazioni(), &angoli(), &forze(),
        &lunghezze(), &massavolumica(), &pressioni(), &superfici(), &temperature(), &velocita(),
        &volumi()};
    return all;
}

const Quantity *findQuantity(const char *windowName)
{
    for (const Quantity *q : catalogue()) {
        if (std::strcmp(q->name, windowName) == 0)
            return q;
    }
    return nullptr;
}

} // namespace unitavo
