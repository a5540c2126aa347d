// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ten quantities, one units table each, in a file of its own in this folder.

#include "quantity.h"

#include <cstddef>

namespace unitavo {

inline constexpr std::size_t kQuantityCount = 10;

namespace quantities {
const Quantity &accelerazioni();
const Quantity &angoli();
const Quantity &forze();
const Quantity &lunghezze();
const Quantity &massavolumica();
const Quantity &pressioni();
const Quantity &superfici();
const Quantity &temperature();
const Quantity &velocita();
const Quantity &volumi();
} // namespace quantities

} // namespace unitavo
