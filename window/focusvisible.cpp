// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusvisible.h"

#include <QEvent>
#include <QWidget>

namespace unitavo {

void showFocusWhenActive(QWidget *window, QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && window->isActiveWindow())
        window->setAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace unitavo
