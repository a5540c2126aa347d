// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Unitavo in the browser: the desktop's windows, drawn by Qt's WebAssembly platform on the page's
// canvas, and what the page adds around them. The page's own script (unitavo-page.js) answers
// the calls made here through `unitavoPage`.

#include <QString>

namespace unitavo {

class Instance;
class MainWindow;

namespace web {

// Makes the windows behave as on a desktop: each one shown in a frame of its own with a title bar
// instead of filling the canvas (the main window at the top left, each converter window to its
// right, stepped by its place in the catalogue), failures reported in message boxes that wait
// without holding the browser, the page told when the main window is first painted and when the
// last window has closed.
void installWindowing();

// What could not be done reported as on the desktop, in a message box over the window, but one
// that does not wait: in the browser a box that waits would hold the page. The box is named
// "messaggio". installWindowing() does this too.
void reportInMessageBoxes();

// Opens a link in a new tab, or the mail program for a mail address.
void openLink(const QString &address);

// Carries out the page address's request, ?open=QUANTITY&value=V&from=U&to=U, as
// `unitavo --open QUANTITY V U U` does.
void openFromAddress(Instance &instance);

// The JavaScript API (unitavo.convert, unitavo.read...) works on these windows.
void serveApi(MainWindow &main);

} // namespace web
} // namespace unitavo
