// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a fuzz target stops on a broken property: it prints the property, the input in a form that
// can be retyped, and aborts, which libFuzzer reports as a crash and saves the input.

#include "invariants.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace unitavo::fuzz {

inline const QLocale &italian()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

inline const QLocale &english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

// `details` is only called when the property is broken, so building its text costs nothing in
// the common case.
template <typename Details> void check(bool holds, const char *property, Details details)
{
    if (holds)
        return;
    const QByteArray text = QString(details()).toUtf8();
    std::fprintf(stderr, "\nBROKEN PROPERTY: %s\n%s\n", property, text.constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace unitavo::fuzz
