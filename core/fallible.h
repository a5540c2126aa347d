// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <variant>

namespace unitavo {

// Why a press of "Calcola" stopped before writing its result.
enum class Failure {
    NotANumber, // the text typed denotes no number
    OutOfRange, // a number beyond the double range (typed, or reached by a step)
};

// A value or the failure that prevented it. Failures travel as values, never as exceptions.
template <typename T> class Fallible {
public:
    Fallible(T value)
        : m_state(std::move(value))
    { }
    Fallible(Failure failure)
        : m_state(failure)
    { }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    const T &operator*() const { return std::get<T>(m_state); }
    const T *operator->() const { return &std::get<T>(m_state); }
    Failure failure() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

} // namespace unitavo
