// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unitrefs.h"

#include <QList>
#include <QStringView>

namespace unitavo {

// The units whose symbol or names come closest to a text that names none (a few edits away, or
// beginning with it), closest first; at most `count`, only those of `within` when it is given.
QList<UnitRef> suggestions(QStringView text, const Quantity *within = nullptr, int count = 5);

} // namespace unitavo
