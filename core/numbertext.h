#pragma once

#include "fallible.h"

#include <QLocale>
#include <QString>

namespace unitavo {

// Reads a plain decimal number written in the locale's format: optional sign, digits with at most
// one decimal separator, optional exponent, blanks around it ignored. Grouping separators,
// currency signs, parentheses, hexadecimal and the words inf/nan are not numbers. A number too
// small for a double reads as 0; one too large is OutOfRange.
Fallible<double> textToNumber(const QString &text, const QLocale &locale);

// Writes a finite double in the locale's format with at most 15 significant digits, switching to
// exponent notation (1E+15, 1,5E-05) for decimal exponents of 15 and above or below -4.
// Negative zero is written 0.
QString numberToText(double value, const QLocale &locale);

} // namespace unitavo
