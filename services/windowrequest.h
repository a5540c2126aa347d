// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A converter window asked for from outside the windows (`unitavo --open`, the desktop's search):
// a quantity, and maybe a conversion to show in it. The request is read and checked whole before
// any window is touched, so that a window is either filled in completely or left as it was.

#include "conversion.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <variant>

namespace unitavo {

struct WindowRequest {
    const Quantity *quantity = nullptr;
    // With a conversion: the two units to select and the boxes to type in before "Calcola".
    bool converts = false;
    UnitPair pair;
    BoxTexts boxes;
};

// Whether the window reads every typed box as a number under the locale, so that a press gets
// past reading its input: no text is copied through as it stands, and "1.5" under Italian
// settings is refused rather than converted. An empty fraction box reads as 0.
bool readsAsNumbers(const BoxTexts &boxes, const QLocale &locale);

// The request for a quantity, by id or by its window's caption, and, when `conversion` holds
// VALUE FROM TO, that conversion: both units named within the quantity, the value typed as the
// window takes it. A request that cannot be carried out gives its Italian message instead.
std::variant<WindowRequest, QString> readWindowRequest(
    QStringView quantity, const QStringList &conversion, const QLocale &locale);

} // namespace unitavo
