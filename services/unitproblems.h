// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why unit texts name no unit, or no one unit, in the words the front ends show.

#include "pairs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace unitavo {

// Each unit as messages describe it: "km (lunghezze: chilometri (km))".
QStringList unitDescriptions(const QList<UnitRef> &units);
// Why the texts name no pair of units, or no one unit, a sentence a line; nothing when they do.
QStringList problemLines(
    const PairResolution &r, QStringView from, QStringView to, const Quantity *hint = nullptr);
QStringList problemLines(const UnitResolution &r, QStringView text, const Quantity *hint = nullptr);
// "Unità sconosciuta: «kmm».", within the quantity when one is given, with the closest units.
QString unknownUnitLine(QStringView text, const QList<UnitRef> &closest, const Quantity *within);

} // namespace unitavo
