// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quantities.h"

#include <QString>
#include <QStringView>
#include <array>

namespace unitavo {

// The ten quantities in the order of the main window's buttons.
const std::array<const Quantity *, kQuantityCount> &catalogue();

// The quantity's place in the catalogue, which is its main-window button's.
int catalogueIndex(const Quantity &quantity);

// The quantity whose window has this object name, or nullptr.
const Quantity *findQuantity(const char *windowName);

// The quantity's id, by which `unitavo --open`, `unitavo-converti --quantity`, the desktop's
// search and the session bus name it: "lunghezze", "massavolumica".
QString quantityId(const Quantity &quantity);
// The quantity with this id, or whose window has this caption ("Velocità"), whatever the case
// and accents; nullptr when there is none.
const Quantity *findQuantityById(QStringView id);
// Every id, in the catalogue's order: "accelerazioni, angoli, ...".
QString quantityIds();

} // namespace unitavo
