// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "value.h"

#include "numbertext.h"

#include <cmath>

namespace unitavo {

double Step::apply(double x) const
{
    const double c = k.value();
    switch (op) {
    case Op::Multiply:
        return x * c;
    case Op::Divide:
        return x / c;
    case Op::Add:
        return x + c;
    case Op::Subtract:
        return x - c;
    }
    return x;
}

Value Value::fromText(QString text)
{
    Value v;
    v.m_kind = Kind::Text;
    v.m_text = std::move(text);
    return v;
}

Value Value::fromDouble(double number)
{
    Value v;
    v.m_kind = Kind::Double;
    v.m_number = number;
    return v;
}

Value Value::fromInteger(std::int32_t number)
{
    Value v;
    v.m_kind = Kind::Integer;
    v.m_integer = number;
    return v;
}

Fallible<double> Value::toNumber(const QLocale &locale) const
{
    if (m_kind == Kind::Text)
        return textToNumber(m_text, locale);
    return number();
}

Fallible<Value> Value::apply(const Step &step, const QLocale &locale) const
{
    const bool whole = (m_kind == Kind::Empty || m_kind == Kind::Integer) && step.k.isInteger();
    if (whole && step.op != Op::Divide) {
        // Two 32-bit operands: their product, sum or difference always fits in 64 bits.
        const std::int64_t a = m_integer; // 0 for the empty value
        const std::int64_t b = step.k.integer;
        const std::int64_t r = step.op == Op::Multiply ? a * b : step.op == Op::Add ? a + b : a - b;
        if (r >= INT32_MIN && r <= INT32_MAX)
            return fromInteger(std::int32_t(r));
        return fromDouble(double(r));
    }
    const Fallible<double> x = toNumber(locale);
    if (!x)
        return x.failure();
    return fromDouble(step.apply(*x));
}

Fallible<QString> Value::toText(const QLocale &locale) const
{
    switch (m_kind) {
    case Kind::Empty:
        return QString();
    case Kind::Text:
        return m_text;
    case Kind::Integer:
        return QString::number(m_integer);
    case Kind::Double:
        if (!std::isfinite(m_number))
            return Failure::OutOfRange;
        return numberToText(m_number, locale);
    }
    return QString();
}

} // namespace unitavo
