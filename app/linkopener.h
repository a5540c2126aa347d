// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

namespace unitavo {

// Hands an address to the user's browser or mail program. The outcome is not checked: with no
// program registered for the address nothing happens.
using LinkOpener = std::function<void(const QString &address)>;
void openWithDesktop(const QString &address);

} // namespace unitavo
