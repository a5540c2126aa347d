// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace unitavo {

// Unitavo's icon, in every size it is drawn at, for all its windows.
QIcon appIcon();

} // namespace unitavo
