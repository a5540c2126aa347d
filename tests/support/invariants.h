// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a press may leave in the result box, and the faults already known, shared by the fuzz
// targets and the soak test. Core library only: no widgets.

#include "numbertext.h"
#include "quantity.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace unitavo::invariants {

// A text with every character that is not printable ASCII spelled as U+XXXX, for reports that
// must let the reader retype the input exactly.
inline QString spelled(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\' && c != u'"')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + QLatin1Char('"');
}

inline QString localeName(const QLocale &locale)
{
    return locale.name();
}

// A locale with another decimal separator: English for one whose separator is not the point,
// Italian for one whose separator is. Italian and English are each other's other locale.
inline QLocale otherLocale(const QLocale &locale)
{
    return locale.decimalPoint() != QStringLiteral(".")
        ? QLocale(QLocale::English, QLocale::UnitedStates)
        : QLocale(QLocale::Italian, QLocale::Italy);
}

// The text with the characters a and b trading places.
inline QString swapSeparators(const QString &text, QChar a, QChar b)
{
    QString out = text;
    for (QChar &c : out) {
        if (c == a)
            c = b;
        else if (c == b)
            c = a;
    }
    return out;
}

// The same text as typed under the other locale: point and comma trade places.
inline QString swapSeparators(const QString &text)
{
    return swapSeparators(text, u'.', u',');
}

// The same text as typed under `to` instead of `from` (locales whose decimal separators are single
// characters, as all of Qt's are): the two decimal separators trade places.
inline QString swapSeparators(const QString &text, const QLocale &from, const QLocale &to)
{
    return swapSeparators(text, from.decimalPoint().front(), to.decimalPoint().front());
}

// Words and signs of non-finite numbers: none of them may appear in a number's text.
inline bool looksNonFinite(const QString &text)
{
    for (const char *word : {"inf", "nan", "\xe2\x88\x9e"}) { // the last is U+221E
        if (text.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The text is exactly what numberToText writes for the number it denotes: ASCII digits, at most
// 15 significant ones, "-" for negatives, the locale's decimal separator, no trailing zeros, no
// grouping, "E+15"-style exponents. Returns an explanation when it is not, an empty string when
// it is.
inline QString numberTextProblem(const QString &text, const QLocale &locale)
{
    // The shape under a decimal point; the locale's separator and the point trade places first.
    static const QRegularExpression shape(
        QStringLiteral("^-?[0-9](?:[0-9]*)(?:\\.[0-9]*[1-9])?(?:E[-+][0-9]{2,3})?$"));
    const QString decimal = locale.decimalPoint();
    if (decimal.size() != 1)
        return QStringLiteral("under a locale whose decimal separator is not one character");
    if (!shape.match(swapSeparators(text, decimal.front(), u'.')).hasMatch())
        return QStringLiteral("not shaped like a number's text");
    const Fallible<double> x = textToNumber(text, locale);
    if (!x)
        return QStringLiteral("does not read back as a number (failure %1)").arg(int(x.failure()));
    const QString again = numberToText(*x, locale);
    if (again != text)
        return QStringLiteral("reads back as %1, whose text is %2").arg(*x, 0, 'g', 17).arg(again);
    return QString();
}

// The text of the fractional inch: the whole inches, one blank, then nothing or a fraction in
// halves to thirty-seconds.
inline bool isFractionalInchText(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^-?[0-9]{1,5} (?:1/2|1/4|1/8|1/16|(?:[1-9]|[12][0-9]|3[01])/32)?$"));
    return shape.match(text).hasMatch();
}

// What a press that wrote `result` into the result box may have written, given the rows and the
// input text: returns an explanation when the text is garbage, an empty string when it is sound.
inline QString resultProblem(const Quantity &quantity, int source, int target, const QString &typed,
    const QString &result, const QLocale &locale)
{
    const auto valid = [&](int row) { return row >= 0 && std::size_t(row) < quantity.rows.size(); };
    const bool hookedSource = valid(source) && quantity.rows[source].into.hook;
    if (!valid(target)) {
        // A source step that refuses its input (a slope too steep) may empty the box by itself.
        if (hookedSource && result.isEmpty())
            return QString();
        return QStringLiteral("a result was written with no target selected");
    }
    const UnitRow &to = quantity.rows[target];
    const bool perPress = quantity.pivot == PivotKind::PerPress;
    // The pivot unit of a per-press window copies the typed text, whatever it is.
    const bool copies = perPress && valid(source) && quantity.rows[source].into.asIs
        && !quantity.rows[source].into.hook && to.outOf.asIs && !to.outOf.hook;
    if (copies && result == typed)
        return QString();
    if (result.isEmpty()) {
        // The empty pivot written as is, or a slope that a hook refused.
        const bool emptyPivot = perPress && !valid(source) && to.outOf.asIs && !to.outOf.hook;
        const bool hooked = to.outOf.hook || hookedSource;
        if (emptyPivot || hooked)
            return QString();
        return QStringLiteral("the empty text, where a number was due");
    }
    if (to.outOf.hook && isFractionalInchText(result))
        return QString();
    const QString problem = numberTextProblem(result, locale);
    if (problem.isEmpty())
        return QString();
    return QStringLiteral("%1 is %2").arg(spelled(result), problem);
}

} // namespace unitavo::invariants
