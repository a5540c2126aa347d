// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbertext.h"

#include <QVarLengthArray>
#include <charconv>
#include <cmath>
#include <system_error>

namespace unitavo {

namespace {

constexpr char16_t kUnicodeMinus = u'\u2212';

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A separator that could be read as a part of the number or of the blanks around it.
bool takenForNumber(QStringView separator)
{
    if (separator.isEmpty())
        return true;
    for (const QChar c : separator) {
        if (isAsciiDigit(c) || c.isSpace() || c == u'-' || c == u'+' || c == kUnicodeMinus
            || c == u'e' || c == u'E')
            return true;
    }
    return false;
}

QStringView usableSeparator(QStringView own)
{
    return takenForNumber(own) ? QStringView(u".") : own;
}

// A number in the form std::from_chars and the C locale read: "-", digits, ".", "e". Typed
// numbers fit in the inline buffer; longer ones go to the heap.
using CForm = QVarLengthArray<char, 64>;

// Puts the text, blanks around it dropped, into C form when it is a plain decimal number with
// this decimal separator; returns false when it is not.
bool toCForm(QStringView text, QStringView decimal, CForm &out)
{
    const QStringView body = text.trimmed();
    const qsizetype n = body.size();
    qsizetype i = 0;
    // std::from_chars takes a plus sign in the exponent only; before the number it means nothing.
    const auto sign = [&](bool keepPlus) {
        if (i < n && (body[i] == u'-' || body[i] == kUnicodeMinus)) {
            out.append('-');
            ++i;
        } else if (i < n && body[i] == u'+') {
            if (keepPlus)
                out.append('+');
            ++i;
        }
    };
    const auto digits = [&] {
        const qsizetype start = i;
        for (; i < n && isAsciiDigit(body[i]); ++i)
            out.append(char(body[i].unicode()));
        return i - start;
    };

    sign(false);
    qsizetype mantissa = digits();
    if (body.sliced(i).startsWith(decimal)) {
        out.append('.');
        i += decimal.size();
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (body[i] == u'e' || body[i] == u'E')) {
        out.append('e');
        ++i;
        sign(true);
        if (digits() == 0)
            return false;
    }
    return i == n;
}

// std::from_chars, which is quick, for a number whose value is a normal double; nothing for
// zero, denormals and numbers beyond the double range.
std::optional<double> fastValue(const CForm &c)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(c.begin(), c.end(), value);
    if (error != std::errc() || end != c.end() || !std::isnormal(value))
        return std::nullopt;
    return value;
}

// Qt's own reading in the C locale, for every number. Qt refuses a number beyond the double
// range, giving infinity for one too large and 0 for one too small (1E-400), which reads as 0,
// the nearest double. A 0 is taken only when std::from_chars also finds the number out of range,
// so that no other refusal can ever turn into a zero.
Fallible<double> generalValue(const CForm &c)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromLatin1(c.data(), c.size()), &ok);
    if (ok && std::isfinite(value))
        return value;
    if (std::isinf(value))
        return Failure::OutOfRange;
    double ignored = 0.0;
    const auto [end, error] = std::from_chars(c.begin(), c.end(), ignored);
    if (value == 0.0 && error == std::errc::result_out_of_range && end == c.end())
        return c.front() == '-' ? -0.0 : 0.0;
    return Failure::NotANumber;
}

} // namespace

QString decimalSeparator(QStringView own)
{
    return usableSeparator(own).toString();
}

QString decimalSeparator(const QLocale &locale)
{
    return decimalSeparator(locale.decimalPoint());
}

namespace numbertext {

std::optional<double> readFast(QStringView text, QStringView separator)
{
    CForm c;
    if (!toCForm(text, usableSeparator(separator), c))
        return std::nullopt;
    return fastValue(c);
}

Fallible<double> readGeneral(QStringView text, QStringView separator)
{
    CForm c;
    if (!toCForm(text, usableSeparator(separator), c))
        return Failure::NotANumber;
    return generalValue(c);
}

} // namespace numbertext

Fallible<double> textToNumber(QStringView text, QStringView separator)
{
    CForm c;
    if (!toCForm(text, usableSeparator(separator), c))
        return Failure::NotANumber;
    if (const std::optional<double> value = fastValue(c))
        return *value;
    return generalValue(c);
}

Fallible<double> textToNumber(const QString &text, const QLocale &locale)
{
    return textToNumber(QStringView(text), locale.decimalPoint());
}

QString numberToText(double value, QStringView separator)
{
    // Rounded to 15 digits, the largest doubles would read 1.79769313486232E+308, beyond the
    // double range: they are written as the largest 15-digit number that reads back.
    constexpr double largest15 = 1.79769313486231e308;
    if (value == 0.0)
        value = 0.0; // drops the sign of negative zero
    else if (std::fabs(value) > largest15)
        value = std::copysign(largest15, value);
    // QString::number writes in the C locale: "-", ASCII digits, ".", "E+15", no grouping.
    QString text = QString::number(value, 'G', 15);
    const QStringView decimal = usableSeparator(separator);
    if (decimal != u".") {
        const qsizetype point = text.indexOf(u'.');
        if (point >= 0)
            text.replace(point, 1, decimal.data(), decimal.size());
    }
    return text;
}

QString numberToText(double value, const QLocale &locale)
{
    return numberToText(value, locale.decimalPoint());
}

} // namespace unitavo
