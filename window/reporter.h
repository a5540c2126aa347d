// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace unitavo {

// Where Unitavo reports what it could not do: a press of "Calcola" that failed, a request from
// the command line or the desktop that it refuses. By default a modal message box titled with the
// window's caption, or with Unitavo's name where there is no window; tests install their own to
// capture reports without a dialog.
using Reporter = std::function<void(QWidget *window, const QString &message)>;
void setReporter(Reporter reporter);
void report(QWidget *window, const QString &message);

} // namespace unitavo
