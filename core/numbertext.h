// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fallible.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace unitavo {

// Number text is the same under every regional setting but for one character: ASCII digits, the
// signs "-" and "+", the exponent letter E, and the decimal separator of the user's settings (a
// comma under Italian ones, a point under English ones). Nothing else of the locale's number
// system is used: no native digits, no minus sign of its own, no exponent symbol, no direction
// marks and no grouping. So every locale writes texts that it reads back.

// The decimal separator that number text uses under the locale: its own (see the overload).
QString decimalSeparator(const QLocale &locale);

// The decimal separator that number text uses under settings whose own is `own`. Qt's locales
// all have a single character that is no sign, digit or letter (".", "," or the Arabic U+066B),
// and that one is used. A separator set by the user may be anything: one that could be taken for
// a part of the number or for the blanks around it (empty; holding a digit, "+", "-", U+2212,
// "e", "E" or a blank) is replaced by the point, so that no text reads two ways. A separator of
// several characters is used whole.
QString decimalSeparator(QStringView own);

// Reads a plain decimal number: optional sign ("-", U+2212 or "+"), ASCII digits with at most one
// decimal separator, an optional exponent ("E" or "e", optional sign, digits); blanks around it
// are ignored. Everything else makes the text no number: currency signs, parentheses,
// hexadecimal, the words inf/nan, and the grouping separator, which is never looked at. A
// grouping separator that is a blank (U+00A0 or U+202F, as in French and Swedish) is thus ignored
// around the number and refused inside it; one that settings make equal to the decimal separator
// reads as the decimal separator. A number too small for a double reads as 0; one too large is
// OutOfRange.
Fallible<double> textToNumber(const QString &text, const QLocale &locale);
Fallible<double> textToNumber(QStringView text, QStringView decimal);

// Writes a finite double with at most 15 significant digits, switching to exponent notation
// (1E+15, 1,5E-05) for decimal exponents of 15 and above or below -4, with no grouping and no
// trailing zeros. Negative zero is written 0.
QString numberToText(double value, const QLocale &locale);
QString numberToText(double value, QStringView decimal);

namespace numbertext {

// The two ways textToNumber reads a number, apart so that they can be checked against each
// other. The fast one answers only for the usual typed number, whose value is a normal double;
// the general one answers for every text, with textToNumber's result.
std::optional<double> readFast(QStringView text, QStringView decimal);
Fallible<double> readGeneral(QStringView text, QStringView decimal);

// The two ways numberToText writes a finite, clamped double with a point, apart for the same
// reason. The fast one answers only for a normal double whose shortest digits that read back are
// 15 or fewer, the usual result; the general one, Qt's own, answers for every double, but costs
// several times more for just those numbers.
std::optional<QString> writeFast(double value);
QString writeGeneral(double value);

} // namespace numbertext

} // namespace unitavo
