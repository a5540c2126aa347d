// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace unitavo {

// The form in which the names people type are compared with units' and quantities' names: lower
// case, no accents, "²" as 2, hyphens, parentheses and runs of blanks as one blank.
QString matchKey(QStringView text);

} // namespace unitavo
