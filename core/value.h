// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fallible.h"

#include <QLocale>
#include <QString>
#include <cstdint>

namespace unitavo {

// How a constant of a units table is held. Whole numbers held as integers give the same products
// as their doubles; they differ only with the empty value, where the product is the integer 0.
// The two integer widths compute alike; each table keeps the width its constant is given with.
enum class Holding { Double, Int16, Int32 };

// A constant of a units table: a double, a whole number held as an integer, or a quotient of two
// doubles worked out at each use (per-minute and per-second rows divide a per-hour constant).
struct Constant {
    double numerator = 1.0;
    double denominator = 1.0;
    Holding holding = Holding::Double;
    std::int32_t integer = 0; // the constant itself when held as an integer

    constexpr double value() const { return numerator / denominator; }
    constexpr bool isInteger() const { return holding != Holding::Double; }
};

constexpr Constant real(double k)
{
    return {k, 1.0, Holding::Double};
}
constexpr Constant int16(std::int16_t k)
{
    return {double(k), 1.0, Holding::Int16, k};
}
constexpr Constant int32(std::int32_t k)
{
    return {double(k), 1.0, Holding::Int32, k};
}
constexpr Constant quotient(double numerator, double denominator)
{
    return {numerator, denominator, Holding::Double};
}

enum class Op { Multiply, Divide, Add, Subtract };

// One arithmetic step of a conversion: the operand so far, then the operator, then the constant.
struct Step {
    Op op = Op::Multiply;
    Constant k;

    double apply(double x) const;
};

// The per-press pivot and the values it meets: empty, a text, a whole number or a double.
// Arithmetic with a constant: empty counts as the integer 0; a text is read as a number first and
// fails when it is none; two whole numbers stay whole, except in a division; anything else is a
// double. A non-finite double is never turned into text: it is the OutOfRange failure.
class Value {
public:
    enum class Kind { Empty, Text, Integer, Double };

    Value() = default;
    static Value fromText(QString text);
    static Value fromDouble(double number);
    static Value fromInteger(std::int32_t number);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    const QString &text() const { return m_text; }
    // Integer and Double; 0 for Empty
    double number() const { return m_kind == Kind::Integer ? double(m_integer) : m_number; }

    Fallible<Value> apply(const Step &step, const QLocale &locale) const;
    Fallible<QString> toText(const QLocale &locale) const;
    // The value as a double: empty is 0, a text is read by the number rule.
    Fallible<double> toNumber(const QLocale &locale) const;

private:
    Kind m_kind = Kind::Empty;
    QString m_text;
    double m_number = 0.0; // Double
    std::int32_t m_integer = 0; // Integer
};

} // namespace unitavo
