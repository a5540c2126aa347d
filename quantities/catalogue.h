// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quantity.h"

#include <array>

namespace unitavo {

namespace quantities {
// One definition per quantity, each in its own file of this folder.
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

// The ten quantities in the order of the main window's buttons.
const std::array<const Quantity *, 10> &catalogue();

// The quantity whose window has this object name, or nullptr.
const Quantity *findQuantity(const char *windowName);

} // namespace unitavo
