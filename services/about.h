// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What Unitavo says of itself, set when it is built: the main window's title and the two addresses
// its links open.

#include <QString>

namespace unitavo {

// "Unitavo": the program's name, which titles a message box that has no window.
QString programName();
// "Unitavo 3.3": the main window's title, with the version the program is built as.
QString programTitle();

// The web page and mail addresses shown by the main window.
QString webAddress();
QString mailAddress();

// "http://" and the web page address, as handed to the desktop.
QString webLink();
// "mailto:", the mail address and the fixed subject, unencoded, as handed to the desktop.
QString mailLink();

} // namespace unitavo
