#include "numbertext.h"

#include <QRegularExpression>
#include <cmath>

namespace unitavo {

namespace {

QLocale strictCopy(const QLocale &locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return strict;
}

// QLocale refuses a well-formed number whose value underflows (1E-400); it is the nearest double,
// zero, all the same. This tells such a text from one that is no number at all.
bool isWellFormed(const QString &text, const QLocale &locale)
{
    const QString decimal = QRegularExpression::escape(locale.decimalPoint());
    const QString pattern
        = QStringLiteral("^\\s*[-+]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][-+]?[0-9]+)?\\s*$")
              .arg(decimal);
    return QRegularExpression(pattern).match(text).hasMatch();
}

} // namespace

Fallible<double> textToNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = strictCopy(locale).toDouble(text, &ok);
    if (ok)
        return std::isfinite(value) ? Fallible<double>(value)
                                    : Fallible<double>(Failure::NotANumber);
    if (std::isinf(value))
        return Failure::OutOfRange;
    if (isWellFormed(text, locale))
        return text.trimmed().startsWith(locale.negativeSign()) ? -0.0 : 0.0;
    return Failure::NotANumber;
}

QString numberToText(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // drops the sign of negative zero
    return strictCopy(locale).toString(value, 'G', 15);
}

QString failureMessage(Failure failure)
{
    switch (failure) {
    case Failure::NotANumber:
        return QStringLiteral("Il valore inserito non è un numero valido.");
    case Failure::OutOfRange:
        return QStringLiteral("Il numero è fuori dall'intervallo consentito: il risultato non è "
                              "rappresentabile.");
    }
    return {};
}

} // namespace unitavo
