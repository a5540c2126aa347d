// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QEvent;
class QWidget;

namespace unitavo {

// For a window's changeEvent(): the focus shows whenever the window is active, not only once a
// key has moved it.
void showFocusWhenActive(QWidget *window, QEvent *event);

} // namespace unitavo
