#include "numbertext.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <optional>

namespace unitavo {

namespace {

QLocale strictCopy(const QLocale &locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return strict;
}

// The text as QLocale reads it: any Unicode blank around it dropped, the minus sign U+2212 taken
// for "-".
QString normalized(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QChar(0x2212), QLatin1Char('-'));
    return t;
}

// QLocale refuses a well-formed number whose value underflows (1E-400); it is the nearest double,
// zero, all the same. This tells such a text from one that is no number at all.
bool isWellFormed(const QString &text, const QLocale &locale)
{
    const QString decimal = QRegularExpression::escape(locale.decimalPoint());
    const QString pattern
        = QStringLiteral("^[-+]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][-+]?[0-9]+)?$").arg(decimal);
    return QRegularExpression(pattern).match(normalized(text)).hasMatch();
}

// The usual typed number, read without QLocale's general parser, which costs about a microsecond
// for fifteen digits: ASCII digits with at most one decimal separator, an optional sign and
// exponent, no blanks, in a locale that writes "-", "+", "E" and ASCII digits. Answers only when
// the value is a normal double; blanks, zero, denormals, overflow and every other form are left to
// QLocale, so that both ways always agree.
std::optional<double> readPlainNumber(const QString &text, const QLocale &locale)
{
    constexpr qsizetype longest = 64;
    const qsizetype n = text.size();
    if (n == 0 || n > longest)
        return std::nullopt;
    const QString decimal = locale.decimalPoint();
    if (decimal.size() != 1)
        return std::nullopt;
    const char16_t separator = decimal.front().unicode();

    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    char ascii[longest];
    int length = 0;
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < n && s[i] >= u'0' && s[i] <= u'9')
            ascii[length++] = char(s[i++]);
        return i - start;
    };
    if (s[i] == u'-')
        ascii[length++] = char(s[i++]);
    else if (s[i] == u'+')
        ++i; // std::from_chars takes no plus sign before the number
    qsizetype mantissa = digits();
    if (i < n && s[i] == separator) {
        ascii[length++] = '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ascii[length++] = 'e';
        ++i;
        if (i < n && (s[i] == u'-' || s[i] == u'+'))
            ascii[length++] = char(s[i++]);
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    if (locale.negativeSign() != u"-" || locale.positiveSign() != u"+"
        || locale.exponential() != u"E" || locale.zeroDigit() != u"0")
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii, ascii + length, value);
    if (error != std::errc() || end != ascii + length || !std::isnormal(value))
        return std::nullopt;
    return value;
}

} // namespace

Fallible<double> textToNumber(const QString &text, const QLocale &locale)
{
    if (const std::optional<double> plain = readPlainNumber(text, locale))
        return *plain;
    bool ok = false;
    const double value = strictCopy(locale).toDouble(text, &ok);
    if (ok)
        return std::isfinite(value) ? Fallible<double>(value)
                                    : Fallible<double>(Failure::NotANumber);
    if (std::isinf(value))
        return Failure::OutOfRange;
    if (isWellFormed(text, locale))
        return normalized(text).startsWith(QLatin1Char('-')) ? -0.0 : 0.0;
    return Failure::NotANumber;
}

QString numberToText(double value, const QLocale &locale)
{
    // Rounded to 15 digits, the largest doubles would read 1.79769313486232E+308, beyond the
    // double range: they are written as the largest 15-digit number that reads back.
    constexpr double largest15 = 1.79769313486231e308;
    if (value == 0.0)
        value = 0.0; // drops the sign of negative zero
    else if (std::fabs(value) > largest15)
        value = std::copysign(largest15, value);
    return strictCopy(locale).toString(value, 'G', 15);
}

} // namespace unitavo
