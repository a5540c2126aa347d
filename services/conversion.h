// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One conversion outside the windows: exactly what one press of "Calcola" shows in a converter
// window just opened, with the value typed into its input and the two units selected.

#include "press.h"
#include "unitnames.h"

#include <QLocale>
#include <QString>

namespace unitavo {

struct ConversionResult {
    enum class Status {
        Result, // `text` is what the result box shows
        Failed, // the window reports `failure` (failureMessage() gives its sentence)
        NoResult, // the result box is left empty (percent slope past its limits)
    };
    Status status = Status::NoResult;
    QString text;
    Failure failure = Failure::NotANumber;
};

// The three parts of a length in inches with a fraction, as the fractional-inch source reads them
// from its three boxes.
struct FractionParts {
    QString whole;
    QString numerator; // empty when the text has no fraction: the window then reads 0
    QString denominator;
};

// Splits "3 5/8", "5/8" or "3" into the whole number and the fraction, each part as typed (a
// missing whole number is 0). The parts are read as numbers only by the press.
FractionParts splitFraction(QStringView value);

// The boxes of a window just opened with `value` typed in: txt_conv holds the value, or, when the
// source is the fractional inch, its whole number, the other two boxes the fraction.
BoxTexts typedBoxes(UnitRef from, QStringView value);

// One press of "Calcola" in the pair's window, freshly opened, under the locale's number format.
ConversionResult convert(const UnitPair &pair, QStringView value, const QLocale &locale);

} // namespace unitavo
