// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quantity.h"

#include <QString>

namespace unitavo::bench {

// One conversion that goes the whole way: the typed text read as a number, steps into the pivot,
// steps out of it and the result written as text.
struct Conversion {
    int source = -1;
    int target = -1;
};

// The first unit that enters the pivot through arithmetic, and the last that leaves it through
// arithmetic; a hook or an as-is row is taken only when a quantity has nothing else.
inline Conversion representative(const Quantity &quantity)
{
    Conversion c;
    const int n = int(quantity.rows.size());
    for (int i = 0; i < n && c.source < 0; ++i) {
        const Into &into = quantity.rows[i].into;
        if (!into.asIs && !into.hook)
            c.source = i;
    }
    for (int i = n - 1; i >= 0 && c.target < 0; --i) {
        const OutOf &out = quantity.rows[i].outOf;
        if (!out.asIs && !out.hook)
            c.target = i;
    }
    if (n > 0 && c.source < 0)
        c.source = 0;
    if (n > 0 && c.target < 0)
        c.target = n - 1;
    return c;
}

inline QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace unitavo::bench
