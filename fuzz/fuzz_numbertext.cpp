// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text under arbitrary input: textToNumber and numberToText never crash, a number's own
// text reads back to the same text, the forms that are no number stay refused, and the quick
// reading and writing give, bit for bit and letter for letter, what the general ones give.
//
// Input: the first byte chooses the mode (bit 1: the next eight bytes are a double to write;
// otherwise the rest is UTF-8 text to read) and the locale (bit 0 and bits 2-3: English, Italian,
// then six whose own number systems differ from number text in separators, signs, exponent or
// digits).
#include "fuzzcheck.h"
#include "numbertext.h"
#include "value.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

using namespace unitavo;
using namespace unitavo::fuzz;
using namespace unitavo::invariants;

namespace {

QString describeOutcome(const Fallible<double> &r)
{
    if (r)
        return QStringLiteral("%1").arg(*r, 0, 'g', 17);
    return QStringLiteral("failure %1").arg(int(r.failure()));
}

bool sameOutcome(const Fallible<double> &a, const Fallible<double> &b)
{
    if (a.ok() != b.ok())
        return false;
    return a.ok() ? *a == *b : a.failure() == b.failure();
}

// The form of a plain decimal number in the locale, independently of how the reader is built:
// blanks around it (any Unicode blank, as QString::trimmed drops), an optional sign (the minus
// sign U+2212 counts as "-"), digits with at most one decimal separator, an optional exponent.
bool isPlainNumber(const QString &text, const QLocale &locale)
{
    const QString decimal = QRegularExpression::escape(locale.decimalPoint());
    const QRegularExpression form(
        QStringLiteral("^[-+\\x{2212}]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][-+\\x{2212}]?[0-9]+)?$")
            .arg(decimal));
    return form.match(text.trimmed()).hasMatch();
}

std::uint64_t bitsOf(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

void writeDouble(double x, const QLocale &locale)
{
    const Fallible<QString> viaValue = Value::fromDouble(x).toText(locale);
    if (!std::isfinite(x)) {
        check(!viaValue && viaValue.failure() == Failure::OutOfRange,
            "a non-finite double is never turned into text", [&] {
                return QStringLiteral("%1 gave %2").arg(x).arg(viaValue ? *viaValue : QString());
            });
        return;
    }
    const QString text = numberToText(x, locale);
    const auto where = [&] {
        return QStringLiteral("%1 (%2) under %3 is written %4")
            .arg(x, 0, 'g', 17)
            .arg(QString::number(bitsOf(x), 16))
            .arg(localeName(locale), spelled(text));
    };
    check(
        viaValue && *viaValue == text, "a double value writes the same text as the number", where);
    check(!looksNonFinite(text), "a finite number's text is no word of infinity or NaN", where);
    if (const std::optional<QString> fast = numbertext::writeFast(x)) {
        const QString general = numbertext::writeGeneral(x);
        check(*fast == general, "the quick writing gives what the general one gives",
            [&] { return where() + QStringLiteral(": quick %1, general %2").arg(*fast, general); });
    }
    const QString problem = numberTextProblem(text, locale);
    check(problem.isEmpty(), "a number's own text reads back to the same 15-digit text",
        [&] { return where() + QStringLiteral(": ") + problem; });

    const Fallible<double> back = textToNumber(text, locale);
    if (back) {
        // Fifteen significant digits are within half a unit of the fifteenth digit of x.
        const double error = std::fabs(*back - x);
        const double allowed = std::fabs(x) * 5.1e-15 + 5e-324;
        check(error <= allowed, "a number's text reads back within 15 significant digits",
            [&] { return where() + QStringLiteral(", read back as %1").arg(*back, 0, 'g', 17); });
    }
    const QLocale otherOne = otherLocale(locale);
    const QString other = numberToText(x, otherOne);
    check(
        other == swapSeparators(text, locale, otherOne), "two locales write the same digits", [&] {
            return where()
                + QStringLiteral(", and under %1 %2").arg(localeName(otherOne), spelled(other));
        });
}

// Where the quick reading answers, the general one gives the same double, bit for bit, and so
// does textToNumber.
void compareReadings(const QString &text, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    const std::optional<double> fast = numbertext::readFast(text, separator);
    if (!fast)
        return;
    const Fallible<double> general = numbertext::readGeneral(text, separator);
    const Fallible<double> whole = textToNumber(text, locale);
    check(general && bitsOf(*general) == bitsOf(*fast) && whole && bitsOf(*whole) == bitsOf(*fast),
        "the quick reading gives what the general one gives", [&] {
            return QStringLiteral("%1 under %2: quick %3, general %4, textToNumber %5")
                .arg(spelled(text), localeName(locale), QString::number(*fast, 'g', 17),
                    describeOutcome(general), describeOutcome(whole));
        });
}

void readText(const QString &text, const QLocale &locale)
{
    const Fallible<double> r = textToNumber(text, locale);
    const auto where = [&] {
        return QStringLiteral("%1 under %2 reads as %3")
            .arg(spelled(text), localeName(locale), describeOutcome(r));
    };
    if (r) {
        check(std::isfinite(*r), "a number read is finite", where);
        writeDouble(*r, locale);
    }

    const bool plain = isPlainNumber(text, locale);
    if (!plain) {
        check(!r && r.failure() == Failure::NotANumber,
            "a text that is no plain decimal number is refused as no number", where);
    } else {
        check(r || r.failure() == Failure::OutOfRange,
            "a plain decimal number is read, or refused as out of range", where);
    }

    // The grouping separator may be a blank (U+00A0, U+202F), which is ignored around the number.
    if (text.trimmed().contains(locale.groupSeparator()) || looksNonFinite(text)
        || text.contains(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        check(!r && r.failure() == Failure::NotANumber,
            "grouping separators, infinity, NaN and hexadecimal are refused", where);
    }

    // The same keys under another locale: the decimal separators trade roles, nothing else
    // changes.
    const QLocale other = otherLocale(locale);
    const QString otherText = swapSeparators(text, locale, other);
    const Fallible<double> swapped = textToNumber(otherText, other);
    check(sameOutcome(r, swapped), "the locale changes only the decimal separator", [&] {
        return where()
            + QStringLiteral("; %1 under %2 reads as %3")
                  .arg(spelled(otherText), localeName(other), describeOutcome(swapped));
    });

    compareReadings(text, locale);
}

const QLocale &localeOf(std::uint8_t selector)
{
    static const QLocale locales[] = {
        english(), italian(), QLocale(QLocale::Swedish, QLocale::Sweden), // U+2212, "×10^"
        QLocale(QLocale::Arabic, QLocale::Egypt), // U+066B, Arabic-Indic digits
        QLocale(QLocale::French, QLocale::France), // groups with U+202F
        QLocale(QLocale::German, QLocale::Switzerland), // groups with U+2019, decimal point
        QLocale(QLocale::Ukrainian, QLocale::Ukraine), // Cyrillic exponent letter
        QLocale(QLocale::Hebrew, QLocale::Israel), // U+200E before the sign
    };
    return locales[(selector & 1) | ((selector >> 1) & 6)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = localeOf(data[0]);
    if (data[0] & 2) {
        if (size < 1 + sizeof(double))
            return 0;
        double x;
        std::memcpy(&x, data + 1, sizeof x);
        writeDouble(x, locale);
        return 0;
    }
    readText(
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)), locale);
    return 0;
}
