// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

namespace unitavo {

// The web page and mail addresses shown by the main window, set when the program is built.
QString webAddress();
QString mailAddress();

// "http://" and the web page address, as handed to the desktop.
QString webLink();
// "mailto:", the mail address and the fixed subject, unencoded, as handed to the desktop.
QString mailLink();

// Hands an address to the user's browser or mail program. The outcome is not checked: with no
// program registered for the address nothing happens.
using LinkOpener = std::function<void(const QString &address)>;
void openWithDesktop(const QString &address);

} // namespace unitavo
