// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Units by the names people type: a unit's symbol ("km") or any of its names ("chilometri",
// "miles"), matched whatever the case, with or without accents ("reaumur" is "Réaumur"), with
// "²" and "³" read as 2 and 3, and hyphens, parentheses and runs of blanks read as one blank.
// What the front ends include; each part has its own file: the units and what they are called
// (unitrefs.h), the names of them all (unitindex.h), the units close to a name (suggestions.h),
// the quantity of a pair or of one unit (pairs.h) and why texts name none (unitproblems.h).

#include "pairs.h"
#include "suggestions.h"
#include "unitindex.h"
#include "unitproblems.h"
#include "unitrefs.h"
