// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbertext.h"

#include <QVarLengthArray>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
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
// zero, denormals and numbers beyond the double range. A standard library without std::from_chars
// for doubles (emscripten's libc++) leaves every number to the general way.
std::optional<double> fastValue([[maybe_unused]] const CForm &c)
{
#ifdef __cpp_lib_to_chars
    double value = 0.0;
    const auto [end, error] = std::from_chars(c.begin(), c.end(), value);
    if (error != std::errc() || end != c.end() || !std::isnormal(value))
        return std::nullopt;
    return value;
#else
    return std::nullopt;
#endif
}

// Whether the whole number is beyond the double range, as the C library reads it.
bool outOfRange(const CForm &c)
{
#ifdef __cpp_lib_to_chars
    double ignored = 0.0;
    const auto [end, error] = std::from_chars(c.begin(), c.end(), ignored);
    return error == std::errc::result_out_of_range && end == c.end();
#else
    // std::strtod reads the same C form (its C library has one decimal point, ".", whatever the
    // locale) and needs it ended by a nul.
    CForm ended = c;
    ended.append('\0');
    char *end = nullptr;
    errno = 0;
    std::strtod(ended.data(), &end);
    return errno == ERANGE && end == ended.data() + c.size();
#endif
}

// Qt's own reading in the C locale, for every number. Qt refuses a number beyond the double
// range, giving infinity for one too large and 0 for one too small (1E-400), which reads as 0,
// the nearest double. A 0 is taken only when the C library also finds the number out of range, so
// that no other refusal can ever turn into a zero.
Fallible<double> generalValue(const CForm &c)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromLatin1(c.data(), c.size()), &ok);
    if (ok && std::isfinite(value))
        return value;
    if (std::isinf(value))
        return Failure::OutOfRange;
    if (value == 0.0 && outOfRange(c))
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
    const std::optional<QString> fast = numbertext::writeFast(value);
    QString text = fast ? *fast : numbertext::writeGeneral(value);
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

namespace numbertext {

// A normal double is within half a unit in the last place (2^-53 of it, 1.2e-16 at most) of the
// shortest digits that read back. When those are 15 or fewer, rounding the double itself to 15
// digits gives them: they are on the 15-digit grid, and half a step of that grid is at least
// 5e-16 of the number. Denormals have fewer bits and are left to the general way.
std::optional<QString> writeFast([[maybe_unused]] double value)
{
#ifndef __cpp_lib_to_chars
    // No std::to_chars for doubles (emscripten's libc++): every double is written the general way.
    return std::nullopt;
#else
    if (!std::isnormal(value))
        return std::nullopt;
    char shortest[32];
    const auto [end, error] = std::to_chars(
        std::begin(shortest), std::end(shortest), value, std::chars_format::scientific);
    if (error != std::errc())
        return std::nullopt;
    // "-d.ddde+XX": sign, up to 17 digits, exponent
    const char *p = shortest;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[15];
    int count = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.')
            continue;
        if (count == int(std::size(digits)))
            return std::nullopt;
        digits[count++] = *p;
    }
    int exponent = 0;
    if (p == end || std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent).ec != std::errc())
        return std::nullopt;

    // The form of QString::number(value, 'G', 15): exponent notation for exponents below -4 or
    // of 15 and above, "E", a sign and at least two digits; otherwise the digits with a point.
    char text[32];
    int n = 0;
    if (negative)
        text[n++] = '-';
    if (exponent < -4 || exponent >= 15) {
        text[n++] = digits[0];
        if (count > 1)
            text[n++] = '.';
        for (int i = 1; i < count; ++i)
            text[n++] = digits[i];
        text[n++] = 'E';
        text[n++] = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text[n++] = '0';
        n = int(std::to_chars(text + n, std::end(text), magnitude).ptr - text);
    } else if (exponent < 0) {
        text[n++] = '0';
        text[n++] = '.';
        for (int i = exponent + 1; i < 0; ++i)
            text[n++] = '0';
        for (int i = 0; i < count; ++i)
            text[n++] = digits[i];
    } else {
        for (int i = 0; i < count || i <= exponent; ++i) {
            if (i == exponent + 1)
                text[n++] = '.';
            text[n++] = i < count ? digits[i] : '0';
        }
    }
    return QString::fromLatin1(text, n);
#endif
}

QString writeGeneral(double value)
{
    // QString::number writes in the C locale: "-", ASCII digits, ".", "E+15", no grouping.
    return QString::number(value, 'G', 15);
}

} // namespace numbertext

} // namespace unitavo
