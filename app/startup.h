// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

namespace unitavo {

// Runs Unitavo as its command line asks, in an application already created, and returns the exit
// status:
//   unitavo                              the main window, as always
//   unitavo --open QUANTITY [VALUE FROM TO]
//                                        the main window and the quantity's converter window,
//                                        with the conversion made; handed to the Unitavo running
//                                        in the session when there is one
//   unitavo --show                       the main window: that of the Unitavo running in the
//                                        session when there is one, brought to the front
//   unitavo --copy TEXT                  the text on the clipboard, through the Unitavo running
//                                        in the session or else without a window
int start(const QStringList &arguments);

// The command lines that end at once (--help, --version, a wrong command line) answered with no
// application object, so that they need no display: the exit status, or nothing when the windows
// are needed. Qt's own options (one dash and a word, as -platform) are the application's to take
// out first: with one of them, the answer waits for start().
std::optional<int> answerWithoutWindows(const QStringList &arguments);

} // namespace unitavo
