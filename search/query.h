// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the desktop's search asks of Unitavo: a query such as "10 km in mi", "10,5 km a m" or
// "10 km" read as conversions, each answered with the text the converter window shows after
// "Calcola". Numbers are read as the windows read them under the given settings, and a value the
// window would not read as a number gives no result at all.

#include "conversion.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace unitavo::search {

// A value typed in the window of a pair of units.
struct Conversion {
    UnitPair pair;
    QString value;
    // Both units were named in the query; otherwise the target is one of the useful targets of
    // the source unit, offered for a query that names one unit only.
    bool named = true;
};

// The conversions a query asks for, the likeliest first, at most `limit`. A query is a value
// followed by one unit, or by two units with or without a word between them ("in", "a", "to",
// "->"). Where a word could also be a unit the unit reading wins: "10 km in" is kilometres in
// inches, "3 in in cm" inches in centimetres. A pair of units that fits several quantities gives
// one conversion in each.
QList<Conversion> readQuery(QStringView query, const QLocale &locale, int limit = 5);

// A conversion with its result.
struct Result {
    Conversion conversion;
    QString text; // as the window's result box shows it
};

// The result of one press of "Calcola" in the pair's window; nothing where the window reports a
// failure or leaves the result empty.
std::optional<Result> answer(const Conversion &conversion, const QLocale &locale);

// The results of a query's conversions, at most `limit`.
QList<Result> answerQuery(QStringView query, const QLocale &locale, int limit = 5);

// A result's identity for the desktop, from which the conversion is read back.
QString resultId(const Conversion &conversion);
std::optional<Conversion> conversionFromId(QStringView id);

// "6,213711922 mi": the result text and the target's symbol.
QString title(const Result &result);
// The query in words: "Lunghezze: 10 chilometri (km) in miglia (mil)".
QString description(const Conversion &conversion);

// The arguments of `unitavo` that open the conversion's window with the conversion made.
QStringList openArguments(const Conversion &conversion);

} // namespace unitavo::search
